#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

#include "base/failure.h"

// A decoded picture: rows of red, green and blue bytes, top row first, no padding.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The largest picture the program decodes: more than a card scanned at 1200 dpi (under 30
// megapixels). Pictures above it are refused from their header, before any pixel memory is taken.
inline constexpr std::int64_t kMaxPicturePixels = 30'000'000;

// The most memory libjpeg may take for one picture. A progressive JPEG is held whole while it is
// decoded, whatever the reduction; one that needs more is refused before the memory is taken.
inline constexpr long kMaxDecoderMemory = 128L * 1024 * 1024;

// A picture refused for its size alone (its pixels or the memory its decoding needs): a sound
// file that the card panel stands in for with the placeholder.
class PictureBeyondLimits : public Failure {
public:
    using Failure::Failure;
};

// Decodes a JPEG file with libjpeg. Grey pictures come out as RGB too. When fitInto is given,
// the picture is reduced while decoding by the largest of libjpeg's factors 1/2, 1/4 and 1/8
// that still leaves it at least as large as it is shown fitted into that size.
// Fails naming the file when it cannot be opened, is not a JPEG picture, is corrupt or
// truncated (libjpeg's warnings count as errors); fails with PictureBeyondLimits when it is
// larger than kMaxPicturePixels or needs more than kMaxDecoderMemory.
DecodedPicture decodeJpegFile(const QString& fileName, QSize fitInto = {});
