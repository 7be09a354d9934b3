#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "base/failure.h"
#include "register/cards/jpeg_decoder.h"
#include "support/files.h"

namespace {

QString fixture(const QString& name) {
    return QDir(QStringLiteral(SKERRY_FIXTURES "/cards")).filePath(name);
}

// The message a decoding fails with; empty when it succeeds.
QString failureOf(const QString& file, QSize fitInto = {}) {
    try {
        decodeJpegFile(file, fitInto);
    } catch (const Failure& failure) {
        return failure.message();
    }
    return {};
}

enum class Frame { Baseline, Progressive };

// A copy of front.jpg (a baseline JPEG in full colour resolution) whose frame header claims
// another size, and for a progressive frame another kind: libjpeg reads the header and plans its
// memory from it, the picture data is that of the small card.
QString withClaimedSize(const QTemporaryDir& dir, int width, int height, Frame frame = Frame::Baseline) {
    QFile source(fixture(QStringLiteral("front.jpg")));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    const qsizetype at = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(at, 0) << "front.jpg has no baseline frame header";
    if (frame == Frame::Progressive) bytes[at + 1] = char(0xC2);
    // After the marker: length (2 bytes), precision (1), height (2), width (2).
    bytes[at + 5] = char(height >> 8);
    bytes[at + 6] = char(height & 0xFF);
    bytes[at + 7] = char(width >> 8);
    bytes[at + 8] = char(width & 0xFF);
    return writeFile(dir.filePath(QStringLiteral("claimed.jpg")), bytes);
}

void expectEveryPixel(const DecodedPicture& picture, int red, int green, int blue) {
    ASSERT_EQ(picture.rgb.size(), std::size_t(picture.width * picture.height * 3));
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) {
        const int pixel = int(i / 3);
        ASSERT_LE(std::abs(picture.rgb[i] - red), 3) << "red of pixel " << pixel;
        ASSERT_LE(std::abs(picture.rgb[i + 1] - green), 3) << "green of pixel " << pixel;
        ASSERT_LE(std::abs(picture.rgb[i + 2] - blue), 3) << "blue of pixel " << pixel;
    }
}

TEST(JpegDecoder, ColourPictureComesOutAsRgbRows) {
    const DecodedPicture picture = decodeJpegFile(fixture(QStringLiteral("red.jpg")));
    EXPECT_EQ(picture.width, 16);
    EXPECT_EQ(picture.height, 8);
    expectEveryPixel(picture, 255, 0, 0);
}

TEST(JpegDecoder, GreyPictureComesOutAsRgb) {
    const DecodedPicture picture = decodeJpegFile(fixture(QStringLiteral("gray.jpg")));
    EXPECT_EQ(picture.width, 16);
    EXPECT_EQ(picture.height, 8);
    expectEveryPixel(picture, 127, 127, 127);
}

TEST(JpegDecoder, ReducesWhileDecodingToNoLessThanTheShownSize) {
    struct Case {
        QSize fitInto;
        QSize decoded;
    };
    // front.jpg is 320 x 200.
    const Case cases[] = {
        {{}, {320, 200}},         {{640, 400}, {320, 200}}, {{320, 200}, {320, 200}}, {{319, 400}, {320, 200}},
        {{100, 100}, {160, 100}}, {{80, 80}, {80, 50}},     {{40, 25}, {40, 25}},     {{10, 10}, {40, 25}},
    };
    for (const Case& c : cases) {
        const DecodedPicture picture = decodeJpegFile(fixture(QStringLiteral("front.jpg")), c.fitInto);
        EXPECT_EQ(QSize(picture.width, picture.height), c.decoded)
            << "fitted into " << c.fitInto.width() << " x " << c.fitInto.height();
        EXPECT_EQ(picture.rgb.size(), std::size_t(picture.width * picture.height * 3));
    }
}

TEST(JpegDecoder, BrokenFilesFailNamingTheFile) {
    QTemporaryDir dir;
    const QString empty = writeFile(dir.filePath(QStringLiteral("empty.jpg")), QByteArray());
    const QString files[] = {
        fixture(QStringLiteral("truncated.jpg")),     fixture(QStringLiteral("corrupt.jpg")),
        fixture(QStringLiteral("not_a_picture.jpg")), empty,
        dir.filePath(QStringLiteral("missing.jpg")),  dir.path(),
    };
    for (const QString& file : files) {
        const QString message = failureOf(file);
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file)))
            << "message for " << file.toStdString() << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(u':')) << "no reason given for " << file.toStdString();
    }
}

TEST(JpegDecoder, TruncatedPictureFailsAlsoWhenReduced) {
    EXPECT_FALSE(failureOf(fixture(QStringLiteral("truncated.jpg")), QSize(40, 25)).isEmpty());
}

TEST(JpegDecoder, PicturesOverThirtyMegapixelsAreRefusedFromTheHeader) {
    struct Case {
        int width;
        int height;
        Frame frame;
    };
    const Case cases[] = {
        {6001, 5000, Frame::Baseline}, {5000, 6001, Frame::Baseline}, {10000, 10000, Frame::Progressive}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString huge = withClaimedSize(dir, c.width, c.height, c.frame);
        const QString message = failureOf(huge, QSize(640, 400));
        EXPECT_TRUE(message.contains(QStringLiteral("%1 x %2 pixels").arg(c.width).arg(c.height)))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("more than the 30 megapixels"))) << message.toStdString();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(huge))) << message.toStdString();
    }
}

TEST(JpegDecoder, ThirtyMegapixelsExactlyAreDecoded) {
    QTemporaryDir dir;
    // Reduced to an eighth, so only the missing picture data ends the decoding.
    const QString message = failureOf(withClaimedSize(dir, 6000, 5000), QSize(100, 100));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot read the picture"))) << message.toStdString();
}

// A progressive picture is held whole at any reduction: one in full colour resolution near the
// pixel limit needs more than libjpeg may take, and is refused before the memory is taken.
TEST(JpegDecoder, AProgressivePictureNeedingTooMuchMemoryIsRefused) {
    QTemporaryDir dir;
    const QString file = withClaimedSize(dir, 6000, 5000, Frame::Progressive);
    const QString message = failureOf(file, QSize(640, 400));
    EXPECT_TRUE(message.contains(QStringLiteral("needs more than 128 MiB"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file))) << message.toStdString();
}

}  // namespace
