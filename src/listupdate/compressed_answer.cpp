#include "listupdate/compressed_answer.h"

#include <array>
#include <memory>

#include <zlib.h>

namespace {

// zlib detects a gzip or a zlib header by itself with this window.
constexpr int kGzipOrZlibWindow = 15 + 32;

struct InflateEnd {
    void operator()(z_stream* stream) const { inflateEnd(stream); }
};

std::variant<QByteArray, DecompressionFailure> inflateBody(const QByteArray& body, qint64 limit) {
    z_stream stream{};
    if (inflateInit2(&stream, kGzipOrZlibWindow) != Z_OK) return DecompressionFailure{QStringLiteral("out of memory")};
    const std::unique_ptr<z_stream, InflateEnd> ending(&stream);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.constData()));
    stream.avail_in = uInt(body.size());
    QByteArray text;
    std::array<char, 64 * 1024> buffer;
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        status = inflate(&stream, Z_NO_FLUSH);
        if (status == Z_DATA_ERROR || status == Z_NEED_DICT || status == Z_MEM_ERROR)
            return DecompressionFailure{QString::fromLatin1(stream.msg ? stream.msg : "corrupt data")};
        text.append(buffer.data(), qsizetype(buffer.size() - stream.avail_out));
        if (text.size() > limit) return DecompressionFailure{QString(), true};
    }
    // Z_BUF_ERROR: all input used, no end mark seen.
    if (status != Z_STREAM_END) return DecompressionFailure{QStringLiteral("the compressed data ends before its end")};
    return text;
}

}  // namespace

std::variant<QByteArray, DecompressionFailure> decompressAnswer(const QByteArray& body, const QByteArray& encoding,
                                                                qint64 limit) {
    const QByteArray name = encoding.trimmed().toLower();
    if (name.isEmpty() || name == "identity") return body;
    if (name == "gzip" || name == "x-gzip" || name == "deflate") return inflateBody(body, limit);
    return DecompressionFailure{
        QStringLiteral("the encoding \"%1\" is not one the client asked for").arg(QString::fromLatin1(encoding))};
}
