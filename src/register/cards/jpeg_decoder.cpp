#include "register/cards/jpeg_decoder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "base/failure.h"

namespace {

// libjpeg reports an error by calling error_exit, which must not return. It jumps back to the
// decoding frame with the message: a C++ exception must not cross libjpeg's C frames.
struct ErrorManager {
    jpeg_error_mgr base;  // first member, so libjpeg's pointer to it points at the whole
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->base.format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// A warning (level -1) means corrupt or truncated data, which libjpeg would paint over in grey;
// it ends the decoding like an error. Trace messages are dropped.
void jumpBackOnWarning(j_common_ptr info, int level) {
    if (level < 0) jumpBack(info);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Frees libjpeg's memory however the decoding ended.
struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ~Decompressor() { jpeg_destroy_decompress(&info); }
};

// The largest of libjpeg's reductions that keeps the picture at least as large as it is shown.
unsigned reductionFor(QSize picture, QSize fitInto) {
    if (fitInto.isEmpty()) return 1;
    const QSize shown = picture.scaled(fitInto, Qt::KeepAspectRatio);
    unsigned denominator = 8;
    while (denominator > 1 &&
           (picture.width() / int(denominator) < shown.width() || picture.height() / int(denominator) < shown.height()))
        denominator /= 2;
    return denominator;
}

bool exceedsLimit(const jpeg_decompress_struct& info) {
    return std::int64_t(info.image_width) * info.image_height > kMaxPicturePixels;
}

// libjpeg here keeps no temporary files: a picture held whole beyond the memory limit ends with
// "backing store not supported" as soon as libjpeg plans its buffers, before it takes them.
bool needsTooMuchMemory(const jpeg_error_mgr& errors) {
    return errors.msg_code == JERR_NO_BACKING_STORE || errors.msg_code == JERR_OUT_OF_MEMORY;
}

enum class Outcome { Decoded, Failed, TooLarge, TooMuchMemory };

// Runs libjpeg over an open file. Only trivially destructible objects live in this frame after
// setjmp, so the jump back from libjpeg skips no destructor.
Outcome runDecoder(Decompressor& decompressor, std::FILE* file, QSize fitInto, DecodedPicture& picture) {
    jpeg_decompress_struct& info = decompressor.info;
    info.err = jpeg_std_error(&decompressor.errors.base);
    decompressor.errors.base.error_exit = jumpBack;
    decompressor.errors.base.emit_message = jumpBackOnWarning;
    if (setjmp(decompressor.errors.jump))
        return needsTooMuchMemory(decompressor.errors.base) ? Outcome::TooMuchMemory : Outcome::Failed;

    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    picture.width = int(info.image_width);
    picture.height = int(info.image_height);
    if (exceedsLimit(info)) return Outcome::TooLarge;

    info.out_color_space = JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = reductionFor(QSize(picture.width, picture.height), fitInto);
    jpeg_start_decompress(&info);
    picture.width = int(info.output_width);
    picture.height = int(info.output_height);
    const std::size_t rowBytes = std::size_t(info.output_width) * std::size_t(info.output_components);
    picture.rgb.resize(rowBytes * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.rgb.data() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return Outcome::Decoded;
}

}  // namespace

DecodedPicture decodeJpegFile(const QString& fileName, QSize fitInto) {
    const QString shownName = QDir::toNativeSeparators(fileName);
    const FileHandle file(std::fopen(QFile::encodeName(fileName).constData(), "rb"));
    if (!file)
        throw Failure(QStringLiteral("Cannot open the picture %1: %2")
                          .arg(shownName, QString::fromLocal8Bit(std::strerror(errno))));

    Decompressor decompressor;
    DecodedPicture picture;
    switch (runDecoder(decompressor, file.get(), fitInto, picture)) {
        case Outcome::Decoded:
            return picture;
        case Outcome::TooLarge:
            throw PictureBeyondLimits(
                QStringLiteral("The picture %1 has %2 x %3 pixels, more than the %4 megapixels shown; "
                               "scan the card at a lower resolution")
                    .arg(shownName)
                    .arg(picture.width)
                    .arg(picture.height)
                    .arg(kMaxPicturePixels / 1'000'000));
        case Outcome::TooMuchMemory:
            throw PictureBeyondLimits(
                QStringLiteral("The picture %1 (%2 x %3 pixels) needs more than %4 MiB to be decoded; "
                               "save it as a baseline (not progressive) JPEG or scan it smaller")
                    .arg(shownName)
                    .arg(picture.width)
                    .arg(picture.height)
                    .arg(kMaxDecoderMemory / (1024 * 1024)));
        case Outcome::Failed:
            break;
    }
    throw Failure(QStringLiteral("Cannot read the picture %1: %2")
                      .arg(shownName, QString::fromLocal8Bit(decompressor.errors.message)));
}
