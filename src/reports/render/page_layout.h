#pragma once

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "reports/render/report.h"

class QPaintDevice;

namespace reports {

// A text where it stands on the page: millimetres from the top left corner of the printable
// area (inside the margins), the rectangle being the text's own width and line height.
struct PlacedText {
    QString name;  // the label or text block it comes from
    QString text;
    QRectF rect;
    TextStyle style;
    bool memoLine = false;  // a line of a growing text block
    bool cut = false;       // the text was wider than its label and lost its end
};

// A band where it stands on a page, with its texts and the lines of its frame.
struct PlacedBand {
    BandType type;
    QRectF rect;
    std::vector<PlacedText> texts;
    std::vector<QLineF> lines;
};

struct LaidOutPage {
    std::vector<PlacedBand> bands;
};

// Lays a report out on pages with a printable area of the given size in millimetres, measuring
// texts with the fonts of the paint device. Page header, (first page) title and column header
// stand at the top of each page and the page footer at its bottom; a detail band that does not
// fit above the footer starts a new page, and a growing text block breaks between its lines.
// The date-time fields show the given text.
std::vector<LaidOutPage> layoutReport(const Report& report, const QPaintDevice& device, const QSizeF& area,
                                      const QString& printedAt);

}  // namespace reports
