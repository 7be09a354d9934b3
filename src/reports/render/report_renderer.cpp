#include "reports/render/report_renderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <map>
#include <tuple>

#include "base/failure.h"
#include "reports/render/page_layout.h"
#include "reports/render/report_fonts.h"

namespace reports {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLineWidth = 0.25;  // millimetres

// Paints laid-out pages, turning millimetres into device pixels.
class PagePainter {
public:
    explicit PagePainter(QPagedPaintDevice& device)
        : m_device(device),
          m_pixelsPerMmX(device.logicalDpiX() / kMillimetresPerInch),
          m_pixelsPerMmY(device.logicalDpiY() / kMillimetresPerInch) {}

    void paint(const std::vector<LaidOutPage>& pages, const QString& title) {
        QPainter painter;
        if (!painter.begin(&m_device)) throw Failure(QStringLiteral("Cannot print the report \"%1\"").arg(title));
        painter.setPen(QPen(Qt::black, kLineWidth * m_pixelsPerMmX));
        for (size_t page = 0; page < pages.size(); ++page) {
            if (page > 0 && !m_device.newPage())
                throw Failure(QStringLiteral("Cannot start page %1 of the report \"%2\"").arg(page + 1).arg(title));
            for (const PlacedBand& band : pages[page].bands) paintBand(painter, band);
        }
        painter.end();
    }

private:
    void paintBand(QPainter& painter, const PlacedBand& band) {
        for (const QLineF& line : band.lines) painter.drawLine(toDevice(line.p1()), toDevice(line.p2()));
        for (const PlacedText& text : band.texts) {
            const StyleFont& font = styleFont(text.style);
            if (&font != m_painterFont) {
                painter.setFont(font.font);
                m_painterFont = &font;
            }
            const QPointF topLeft = toDevice(text.rect.topLeft());
            painter.drawText(QPointF(topLeft.x(), topLeft.y() + font.ascent), text.text);
        }
    }

    // A report's font of one style with its ascent, loaded once for all its texts.
    struct StyleFont {
        QFont font;
        double ascent;
    };

    const StyleFont& styleFont(const TextStyle& style) {
        const auto key = std::make_tuple(style.pointSize, style.bold, style.italic);
        auto found = m_fonts.find(key);
        if (found == m_fonts.end()) {
            const QFont font = reportFont(style);
            found = m_fonts.emplace(key, StyleFont{font, QFontMetricsF(font, &m_device).ascent()}).first;
        }
        return found->second;
    }

    QPointF toDevice(const QPointF& mm) const { return {mm.x() * m_pixelsPerMmX, mm.y() * m_pixelsPerMmY}; }

    QPagedPaintDevice& m_device;
    double m_pixelsPerMmX;
    double m_pixelsPerMmY;
    std::map<std::tuple<double, bool, bool>, StyleFont> m_fonts;
    const StyleFont* m_painterFont = nullptr;
};

}  // namespace

int renderReport(const Report& report, QPagedPaintDevice& device, const QString& printedAt) {
    const QSizeF area = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const std::vector<LaidOutPage> pages = layoutReport(report, device, area, printedAt);
    PagePainter(device).paint(pages, report.title);
    return int(pages.size());
}

}  // namespace reports
