#include "app/readable_colour.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kReadableContrast = 3.0;

double linearChannel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * linearChannel(colour.redF()) + 0.7152 * linearChannel(colour.greenF()) +
           0.0722 * linearChannel(colour.blueF());
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor readableOn(const QColor& background, std::initializer_list<QColor> colours) {
    for (const QColor& colour : colours)
        if (contrastRatio(colour, background) >= kReadableContrast) return colour;
    return *std::max_element(colours.begin(), colours.end(), [&](const QColor& a, const QColor& b) {
        return contrastRatio(a, background) < contrastRatio(b, background);
    });
}

void setReadableTextColour(QWidget& widget, std::initializer_list<QColor> colours) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, readableOn(palette.color(QPalette::Window), colours));
    widget.setPalette(palette);
}
