#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace maps {

enum class PictureFormat { Png, Pdf };

// The format a picture's file name asks for by its ending (.png or .pdf, in any case); none for
// another.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);

// Writes a picture of the given size in pixels, painted by `paint`, as PNG or as PDF (a page of
// that size in points, its drawing kept as lines and shapes). The file is whole or untouched: an
// older file of that name is replaced only once the picture is written. Fails naming the file and
// the reason when its name ends otherwise or it cannot be written.
void writeMapPicture(const QString& fileName, QSize size, const std::function<void(QPainter&)>& paint);

}  // namespace maps
