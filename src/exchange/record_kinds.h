#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "base/text_lines.h"

// The thirteen kinds of island and group lines, each recognised by its kind text (the keyword
// column and the first three characters of the reference) and belonging to one island table.
struct RecordKind {
    QString text;           // "ISLAND   AF-", "AI       EU-"
    QString continentCode;  // the continent of its island table
    QString group;          // the ABW letter a group kind sets; empty for an island kind
    QString importCaption;  // shown while the member file import applies the kind

    bool isGroupKind() const { return !group.isEmpty(); }
    // The island table, and its place in continents() and in the start counts.
    QString tableName() const;
    int tablePlace() const;
};

// The kinds in the order readers handle them: the seven island kinds, then AI, BI and WI.
const std::array<RecordKind, 13>& recordKinds();

// Kind search for all thirteen kinds in one pass: for each kind, in the order of recordKinds(),
// the lines that contain its kind text anywhere, in file order; the same lists as thirteen kind
// searches give.
std::array<TextLines, 13> findRecordKindLines(const TextLines& lines);

// Characters 10-15 of an island or group line: the reference that selects its record.
QString lineReference(const QString& line);
