#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

// A decoded picture: rows of red, green and blue bytes, top row first, no padding.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The largest picture the program decodes. Pictures above it are refused from their header,
// before any pixel memory is taken, so no file can exhaust the memory.
inline constexpr std::int64_t kMaxPicturePixels = 100'000'000;

// Decodes a JPEG file with libjpeg. Grey pictures come out as RGB too. When fitInto is given,
// the picture is reduced while decoding by the largest of libjpeg's factors 1/2, 1/4 and 1/8
// that still leaves it at least as large as it is shown fitted into that size.
// Fails naming the file when it cannot be opened, is not a JPEG picture, is corrupt or
// truncated (libjpeg's warnings count as errors), or is larger than kMaxPicturePixels.
DecodedPicture decodeJpegFile(const QString& fileName, QSize fitInto = {});
