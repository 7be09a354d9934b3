#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

// The encodings a GET asks the server to compress its answer in.
inline constexpr const char* kAcceptEncodingHeader = "gzip, deflate";

// Why an answer's body could not be had as sent: its compression is broken or unknown, or it
// decompresses to more than the size limit.
struct DecompressionFailure {
    QString reason;
    bool tooLarge = false;
};

// The body of an answer as the server meant it: decompressed by its Content-Encoding ("gzip" or
// "deflate"; none or "identity" leaves it as it is), to at most `limit` bytes. A stream that is
// corrupt, ends before its end mark or comes in another encoding fails with zlib's reason, so
// that no half of a text passes for the whole.
std::variant<QByteArray, DecompressionFailure> decompressAnswer(const QByteArray& body, const QByteArray& encoding,
                                                                qint64 limit);
