#include "register/codes.h"

const std::array<Continent, 7>& continents() {
    static const std::array<Continent, 7> all{{
        {"AF", "IOTA-AF", "Africa"},
        {"AN", "IOTA-AN", "Antarctica"},
        {"AS", "IOTA-AS", "Asia"},
        {"EU", "IOTA-EU", "Europe"},
        {"NA", "IOTA-NA", "North America"},
        {"OC", "IOTA-OC", "Oceania"},
        {"SA", "IOTA-SA", "South America"},
    }};
    return all;
}

const Continent* continentByCode(const QString& code) {
    for (const Continent& continent : continents())
        if (continent.code == code) return &continent;
    return nullptr;
}

QStringList startCountTables() {
    QStringList tables;
    for (const Continent& continent : continents()) tables << continent.tableName;
    tables << QLatin1String(kAwardsTable);
    return tables;
}
