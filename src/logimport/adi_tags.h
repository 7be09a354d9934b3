#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// The tags of ADI, the tagged text form of an ADIF log, read from the file's own bytes.

// One tag, found at a "<".
struct AdiTag {
    enum class Kind { None, Marker, Field, Damaged };
    Kind kind = Kind::None;
    QByteArrayView name;
    qsizetype length = 0;  // as the digits say; more than any file holds when they are too many
    qsizetype end = 0;     // the place after the ">"
};

// Reads the tag at text[open] == "<". Text that only looks like the start of a tag is None and
// is passed over as text between tags; a field name followed by something other than a length
// is Damaged.
AdiTag readAdiTag(QByteArrayView text, qsizetype open);

// Whether a tag is the record end <EOR> or the header end <EOH>.
bool isEndOfRecord(const AdiTag& tag);
bool isEndOfHeader(const AdiTag& tag);

// Where a field's value ends, and why the record is not to be trusted when the length did not
// say it plainly.
struct AdiValue {
    qsizetype end = 0;
    QString fault;
};

// Where the value of a field tag ends, as the file means its length. Loggers count the length of
// a UTF-8 value in bytes, a few in characters: of the two, the one after which the next tag, the
// record end or the end of the file follows is taken; when both or neither fit, the bytes, with a
// fault. In a file that is not UTF-8 a byte is a character. A value never runs over an <EOR> or
// <EOH>, nor into a field tag: it ends before the tag, with a fault unless the file's line ends
// were converted from CR LF to LF, which explains as many bytes as the value has line ends.
// Nothing when the value runs past the end of the file however it is counted.
std::optional<AdiValue> adiValueOf(QByteArrayView text, const AdiTag& field, bool utf8);
