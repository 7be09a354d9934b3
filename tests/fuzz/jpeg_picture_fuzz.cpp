#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_targets.h"
#include "register/cards/jpeg_decoder.h"

namespace fuzz::jpegPicture {

namespace {

void requireWhole(const DecodedPicture& picture) {
    require(picture.width > 0 && picture.height > 0, "a decoded picture has pixels");
    require(picture.rgb.size() == size_t(picture.width) * size_t(picture.height) * 3,
            "a decoded picture holds three bytes per pixel");
}

}  // namespace

// Any bytes as a scanned QSL card, decoded whole and reduced to fit a small picture box.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const QString fileName = inputFile(data, size);
        const DecodedPicture whole = decodeJpegFile(fileName);
        requireWhole(whole);
        const DecodedPicture reduced = decodeJpegFile(fileName, QSize(160, 100));
        requireWhole(reduced);
        require(reduced.width <= whole.width && reduced.height <= whole.height, "a reduced picture is no larger");
    });
}

}  // namespace fuzz::jpegPicture
