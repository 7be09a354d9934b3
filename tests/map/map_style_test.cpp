#include <gtest/gtest.h>

#include <QPalette>
#include <array>
#include <cmath>

#include "map/map_style.h"

namespace {

using maps::GroupStatus;
using maps::MapStyle;

using Rgb = std::array<double, 3>;
using Matrix = std::array<Rgb, 3>;

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rgb linearRgb(const QColor& colour) {
    return {linear(colour.red()), linear(colour.green()), linear(colour.blue())};
}

double luminance(const QColor& colour) {
    const Rgb rgb = linearRgb(colour);
    return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
}

// The contrast ratio of two colours as the web's accessibility guidelines reckon it (1 to 21).
double contrast(const QColor& a, const QColor& b) {
    const double lighter = std::max(luminance(a), luminance(b)), darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// How the colour looks to eyes without one kind of cone (Machado, Oliveira and Fernandes 2009,
// full severity), in linear RGB.
struct Vision {
    const char* name;
    Matrix matrix;
};

const Vision kVisions[] = {
    {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
};

// CIE L*a*b* of a linear RGB colour (D65).
Rgb lab(const Rgb& rgb) {
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

Rgb seenAs(const QColor& colour, const Vision& vision) {
    const Rgb rgb = linearRgb(colour);
    Rgb seen{};
    for (int row = 0; row < 3; ++row) {
        double sum = 0;
        for (int column = 0; column < 3; ++column) sum += vision.matrix[row][column] * rgb[column];
        seen[row] = std::clamp(sum, 0.0, 1.0);
    }
    return lab(seen);
}

double difference(const Rgb& a, const Rgb& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

const struct {
    const char* name;
    const MapStyle& style;
} kStyles[] = {{"light", maps::lightMapStyle()}, {"dark", maps::darkMapStyle()}};

TEST(MapStyle, TheStatusColoursStayApartForColourBlindEyesOnBothPalettes) {
    // A difference of 15 in L*a*b* is plainly seen side by side on a map.
    constexpr double kApart = 15;
    for (const auto& [styleName, style] : kStyles)
        for (const Vision& vision : kVisions)
            for (size_t a = 0; a < style.status.size(); ++a)
                for (size_t b = a + 1; b < style.status.size(); ++b)
                    EXPECT_GE(difference(seenAs(style.status[a], vision), seenAs(style.status[b], vision)), kApart)
                        << styleName << " style, " << vision.name << ": statuses " << a << " and " << b;
}

TEST(MapStyle, EveryMarkerStandsOutOnLandAndSeaByItsColourOrItsEdge) {
    for (const auto& [styleName, style] : kStyles)
        for (size_t status = 0; status < style.status.size(); ++status)
            for (const QColor& ground : {style.land, style.sea})
                EXPECT_GE(std::max(contrast(style.status[status], ground), contrast(style.markerEdge, ground)), 3)
                    << styleName << " style, status " << status << " on " << ground.name().toStdString();
    for (const auto& [styleName, style] : kStyles) {
        EXPECT_GE(contrast(style.land, style.sea), 1.2) << styleName << ": land and sea differ";
        EXPECT_GE(contrast(style.text, style.panel), 7) << styleName << ": the legend's text";
    }
}

TEST(MapStyle, EachStatusHasAShapeOfItsOwnAndThePaletteChoosesTheStyle) {
    std::vector<QPainterPath> shapes;
    for (const maps::StatusKind& kind : maps::statusKinds()) shapes.push_back(maps::markerPath(kind.status, 5));
    for (size_t a = 0; a < shapes.size(); ++a)
        for (size_t b = a + 1; b < shapes.size(); ++b) EXPECT_NE(shapes[a], shapes[b]) << a << " and " << b;
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    EXPECT_EQ(&maps::mapStyleFor(dark), &maps::darkMapStyle());
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    EXPECT_EQ(&maps::mapStyleFor(light), &maps::lightMapStyle());
}

}  // namespace
