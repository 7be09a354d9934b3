#pragma once

#include <QString>

// Word 1 of a UPF line, the island reference as the log wrote it: from the first character up
// to the first blank. Empty when the line starts with a blank or holds no blank at all, so
// such a line belongs to no continent. A piece of the line, so that a log's words cost no copies.
QStringView upfReferenceWord(const QString& line);

// The reference that the pass of a continent looks up for word 1: without a dash the first two
// characters are taken for the continent code and replaced by the pass's code and a dash; the
// number is then filled to three digits with leading zeros; trailing blanks and control
// characters are trimmed. "AF1", "AF01", "AF-1" all give "AF-001" in the AF pass.
QString normaliseReference(const QString& word, const QString& continentCode);

// The callsign and the comment that follow word 1.
struct UpfContact {
    QString callsign;
    QString comment;
};

// Splits the rest of a line after its first blank: the callsign is the next word, the comment
// everything after it, trimmed at both ends.
UpfContact splitCallAndComment(const QString& line);

// Whether a callsign word stands for no contact: it holds "NONE" or "DELETED" (letter case
// matters). Such a line imports nothing and does not count as the first appearance.
bool isNoContact(const QString& callsign);
