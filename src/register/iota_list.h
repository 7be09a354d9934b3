#pragma once

#include <QString>
#include <vector>

// One listed reference of an island list: the reference (EU-005), its island name and prefix.
struct ListedIsland {
    QString reference;
    QString name;
    QString prefix;
};

// The reference list that Debian's cqrlog-data package ships, the list that seeds a new data folder.
inline constexpr const char* kDebianIotaList = "/usr/share/cqrlog/ctyfiles/iota.tbl";

// Reads an island list of lines "REF|Island name|Prefix|pattern". A reference listed on several
// lines takes name and prefix from its first line; lines that hold no listed reference
// (isListedReference) are passed over. Fails naming the file when it cannot be read.
std::vector<ListedIsland> readIotaTable(const QString& fileName);

// Whether a text is a well-formed reference: two capital letters, "-", three digits.
bool isWellFormedReference(const QString& text);

// Whether a list names an island by this text: a well-formed reference of a known continent
// numbered from 001 on (the number 000 is no reference).
bool isListedReference(const QString& text);
