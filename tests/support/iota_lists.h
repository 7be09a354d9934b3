#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "register/codes.h"

// The numbers 001 to kListedNumbers of every continent make a list complete (1,050 groups).
inline constexpr int kListedNumbers = 150;

// The award programme's complete list as the tests make it: groups 001 to 150 of every continent,
// each named "Group XX-NNN" with the DXCC number of its number and a box one degree square (AS-027
// across the date line); EU-005 counts for the British Isles, NA-001 for the West Indies, AS-027
// for the Arctic Islands. The omitted references are left out.
inline QByteArray completeIotaList(const QStringList& omitted = {}) {
    const QHash<QString, QString> regions{{"EU-005", "BI"}, {"NA-001", "WI"}, {"AS-027", "AI"}};
    QJsonArray groups;
    for (const Continent& continent : continents())
        for (int number = 1; number <= kListedNumbers; ++number) {
            const QString reference = QString("%1-%2").arg(continent.code).arg(number, 3, 10, QChar('0'));
            if (omitted.contains(reference)) continue;
            const bool acrossDateLine = reference == "AS-027";
            groups.append(QJsonObject{{"refno", reference},
                                      {"name", "Group " + reference},
                                      {"dxcc_num", QString::number(number)},
                                      {"latitude_max", "11.00"},
                                      {"latitude_min", "10.00"},
                                      {"longitude_max", acrossDateLine ? "-175.25" : "21.00"},
                                      {"longitude_min", acrossDateLine ? "178.25" : "20.00"},
                                      {"grp_region", regions.value(reference)},
                                      {"pc_credited", QString::number(number % 50)}});
        }
    return QJsonDocument(groups).toJson(QJsonDocument::Compact);
}
