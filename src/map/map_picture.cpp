#include "map/map_picture.h"

#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "base/failure.h"

namespace maps {

namespace {

Failure pictureFailure(const QString& fileName, const QString& reason) {
    return Failure(QStringLiteral("Cannot write the picture \"%1\": %2; any older file of that name is kept")
                       .arg(QDir::toNativeSeparators(fileName), reason));
}

void writePng(QSaveFile& file, QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        paint(painter);
    }
    if (!image.save(&file, "PNG")) throw pictureFailure(file.fileName(), file.errorString());
}

void writePdf(QSaveFile& file, QSize size, const std::function<void(QPainter&)>& paint) {
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Skerrydesk"));
    writer.setTitle(QStringLiteral("IOTA map"));
    // One point per pixel: the page is the picture's size, without margins.
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    paint(painter);
}

}  // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& fileName) {
    if (fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) return PictureFormat::Png;
    if (fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) return PictureFormat::Pdf;
    return std::nullopt;
}

void writeMapPicture(const QString& fileName, QSize size, const std::function<void(QPainter&)>& paint) {
    const std::optional<PictureFormat> format = pictureFormatOf(fileName);
    if (!format) throw pictureFailure(fileName, QStringLiteral("its name must end in .png or .pdf"));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw pictureFailure(fileName, file.errorString());
    if (*format == PictureFormat::Png)
        writePng(file, size, paint);
    else
        writePdf(file, size, paint);
    if (!file.commit()) throw pictureFailure(fileName, file.errorString());
}

}  // namespace maps
