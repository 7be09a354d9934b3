#include "exchange/record_kinds.h"

#include <bitset>
#include <vector>

#include "exchange/line_format.h"
#include "register/codes.h"

const std::array<RecordKind, 13>& recordKinds() {
    static const std::array<RecordKind, 13> kinds{{
        {"ISLAND   AF-", "AF", "", "Importing IOTA AF"},
        {"ISLAND   AN-", "AN", "", "Importing IOTA AN"},
        {"ISLAND   AS-", "AS", "", "Importing IOTA AS"},
        {"ISLAND   EU-", "EU", "", "Importing IOTA EU"},
        {"ISLAND   NA-", "NA", "", "Importing IOTA NA"},
        {"ISLAND   OC-", "OC", "", "Importing IOTA OC"},
        {"ISLAND   SA-", "SA", "", "Importing IOTA SA"},
        {"AI       EU-", "EU", group::Arctic, "Importing AI Ref. (EU)"},
        {"AI       AS-", "AS", group::Arctic, "Importing AI Ref. (AS)"},
        {"AI       NA-", "NA", group::Arctic, "Importing AI Ref. (NA)"},
        {"BI       EU-", "EU", group::BritishIsles, "Importing BI Ref. (EU)"},
        {"WI       NA-", "NA", group::WestIndies, "Importing WI Ref. (NA)"},
        {"WI       SA-", "SA", group::WestIndies, "Importing WI Ref. (SA)"},
    }};
    return kinds;
}

QString RecordKind::tableName() const {
    return continentByCode(continentCode)->tableName;
}

int RecordKind::tablePlace() const {
    return int(continentByCode(continentCode) - continents().data());
}

std::array<TextLines, 13> findRecordKindLines(const TextLines& lines) {
    // Every kind text is a keyword column, two letters and "-": each "-" of a line is looked
    // at once, as the possible end of a kind text, instead of searching the line once per kind.
    constexpr qsizetype kDashPlace = 11;
    const std::array<RecordKind, 13>& kinds = recordKinds();
    std::array<std::vector<qsizetype>, 13> found;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        // A line without a dash holds no kind text and is not decoded.
        if (!lines.lineContains(row, QLatin1StringView("-"))) continue;
        const QString line = lines[row];
        std::bitset<13> kindsOfLine;  // a line that holds a kind text twice is listed once
        for (qsizetype dash = line.indexOf(u'-', kDashPlace); dash >= 0; dash = line.indexOf(u'-', dash + 1)) {
            if (line[dash - 3] != u' ') continue;  // the keyword column ends in a blank
            const QStringView candidate = QStringView(line).mid(dash - kDashPlace, kDashPlace + 1);
            for (size_t k = 0; k < kinds.size(); ++k)
                if (candidate == kinds[k].text) kindsOfLine.set(k);
        }
        for (size_t k = 0; k < kinds.size(); ++k)
            if (kindsOfLine[k]) found[k].push_back(row);
    }
    std::array<TextLines, 13> kindLines;
    for (size_t k = 0; k < kinds.size(); ++k) kindLines[k] = lines.selected(found[k]);
    return kindLines;
}

QString lineReference(const QString& line) {
    return columnText(line, {kKeywordWidth + 1, 6});
}
