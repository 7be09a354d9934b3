#include "register/codes.h"

const std::array<Continent, 7>& continents() {
    static const std::array<Continent, 7> all{{
        {"AF", kAfricaTable, "Africa"},
        {"AN", kAntarcticaTable, "Antarctica"},
        {"AS", kAsiaTable, "Asia"},
        {"EU", kEuropeTable, "Europe"},
        {"NA", kNorthAmericaTable, "North America"},
        {"OC", kOceaniaTable, "Oceania"},
        {"SA", kSouthAmericaTable, "South America"},
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
    tables << kAwardsTable;
    return tables;
}

bool group::isGroupCode(const QString& code) {
    return code == Arctic || code == BritishIsles || code == WestIndies || code == None;
}
