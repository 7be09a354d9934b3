#include "reports/render/page_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <map>
#include <tuple>

#include "reports/render/report_fonts.h"

namespace reports {

namespace {

constexpr double kMillimetresPerInch = 25.4;
// Below this a difference in millimetres is rounding noise.
constexpr double kTolerance = 0.001;

// Font metrics of one text style on the device, in millimetres.
class TextMeasure {
public:
    TextMeasure(const TextStyle& style, const QPaintDevice& device)
        : m_metrics(reportFont(style), &device),
          m_mmPerPixelX(kMillimetresPerInch / device.logicalDpiX()),
          m_mmPerPixelY(kMillimetresPerInch / device.logicalDpiY()) {}

    double width(const QString& text) const { return m_metrics.horizontalAdvance(text) * m_mmPerPixelX; }
    double height() const { return m_metrics.height() * m_mmPerPixelY; }
    double lineSpacing() const { return m_metrics.lineSpacing() * m_mmPerPixelY; }

    // The longest beginning of the text that fits the width, with its width: each text is
    // measured once, as measuring shapes it as drawing does.
    struct Fitted {
        QString text;
        double width;
    };
    Fitted fitted(const QString& text, double available) const {
        const double whole = width(text);
        if (whole <= available + kTolerance) return {text, whole};
        qsizetype low = 0;
        double lowWidth = 0;
        qsizetype high = text.size();
        while (low < high) {
            const qsizetype middle = (low + high + 1) / 2;
            const double middleWidth = width(text.left(middle));
            if (middleWidth <= available + kTolerance) {
                low = middle;
                lowWidth = middleWidth;
            } else {
                high = middle - 1;
            }
        }
        return {text.left(low), lowWidth};
    }

    // The line broken into pieces that fit the width, each with its width: at blanks where
    // possible (the blanks at a break are dropped), inside a word only when the word alone is too
    // wide.
    std::vector<Fitted> wrapped(const QString& line, double available) const {
        std::vector<Fitted> pieces;
        QString rest = line;
        for (;;) {
            const Fitted fits = fitted(rest, available);
            if (fits.text.size() == rest.size()) {
                pieces.push_back(fits);
                return pieces;
            }
            qsizetype breakAt = fits.text.size();
            const qsizetype blank = rest.at(breakAt) == u' ' ? breakAt : fits.text.lastIndexOf(u' ');
            if (blank > 0 && !QStringView(fits.text).left(blank).trimmed().isEmpty()) breakAt = blank;
            if (breakAt == 0) breakAt = 1;
            QString piece = rest.left(breakAt);
            while (piece.size() > 1 && piece.endsWith(u' ')) piece.chop(1);
            const double pieceWidth = piece.size() == fits.text.size() ? fits.width : width(piece);
            pieces.push_back({piece, pieceWidth});
            rest = rest.mid(breakAt);
            while (rest.startsWith(u' ')) rest.remove(0, 1);
        }
    }

private:
    QFontMetricsF m_metrics;
    double m_mmPerPixelX;
    double m_mmPerPixelY;
};

// One measure per text style of a report: loading a font's metrics costs more than a row's layout.
class TextMeasures {
public:
    explicit TextMeasures(const QPaintDevice& device) : m_device(device) {}

    const TextMeasure& of(const TextStyle& style) {
        const auto key = std::make_tuple(style.pointSize, style.bold, style.italic);
        auto found = m_measures.find(key);
        if (found == m_measures.end()) found = m_measures.try_emplace(key, style, m_device).first;
        return found->second;
    }

private:
    const QPaintDevice& m_device;
    std::map<std::tuple<double, bool, bool>, TextMeasure> m_measures;
};

double alignedLeft(Qt::Alignment alignment, double left, double available, double width) {
    if (alignment & Qt::AlignRight) return left + available - width;
    if (alignment & Qt::AlignHCenter) return left + (available - width) / 2;
    return left;
}

class PageFlow {
public:
    PageFlow(const Report& report, const QPaintDevice& device, const QSizeF& area, const QString& printedAt)
        : m_report(report), m_measures(device), m_area(area), m_printedAt(printedAt) {}

    std::vector<LaidOutPage> run() {
        startPage();
        if (const ReportBand* detail = m_report.band(BandType::Detail)) printDetails(*detail);
        if (const ReportBand* summary = m_report.band(BandType::Summary)) printSummary(*summary);
        finishPage();
        return std::move(m_pages);
    }

private:
    void startPage() {
        m_pages.emplace_back();
        m_y = 0;
        const ReportBand* footer = m_report.band(BandType::PageFooter);
        m_footerTop = m_area.height() - (footer ? footer->height : 0);
        if (const ReportBand* header = m_report.band(BandType::PageHeader)) place(*header);
        if (const ReportBand* title = m_report.band(BandType::Title); title && m_pages.size() == 1) place(*title);
        if (const ReportBand* columns = m_report.band(BandType::ColumnHeader)) place(*columns);
        m_bodyTop = m_y;
    }

    void finishPage() {
        if (const ReportBand* footer = m_report.band(BandType::PageFooter)) {
            m_y = m_footerTop;
            place(*footer);
        }
    }

    // Starts a new page when the height does not fit above the footer, unless the page holds no
    // body band yet: a band taller than a page then prints as far as it goes.
    void makeRoom(double height) {
        if (m_y + height > m_footerTop + kTolerance && m_y > m_bodyTop + kTolerance) {
            finishPage();
            startPage();
        }
    }

    void printDetails(const ReportBand& detail) {
        if (!m_report.data) {
            makeRoom(detail.height);
            place(detail);
            return;
        }
        for (const QStringList& record : m_report.data->rows) {
            makeRoom(detail.height);
            place(detail, &record);
        }
    }

    void printSummary(const ReportBand& summary) {
        if (!summary.memo) {
            makeRoom(summary.height);
            place(summary);
            return;
        }
        const ReportMemo& memo = *summary.memo;
        const TextMeasure& measure = m_measures.of(memo.style);
        std::vector<TextMeasure::Fitted> lines;
        for (const QString& line : memo.lines) {
            std::vector<TextMeasure::Fitted> pieces = measure.wrapped(line, m_area.width());
            lines.insert(lines.end(), std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
        }
        const double spacing = measure.lineSpacing();
        qsizetype next = 0;
        bool first = true;
        do {
            makeRoom(first ? std::max(summary.height, spacing) : spacing);
            const qsizetype fitting = std::max<qsizetype>(1, qsizetype((m_footerTop - m_y + kTolerance) / spacing));
            const qsizetype count = std::min(fitting, qsizetype(lines.size()) - next);
            PlacedBand& band =
                place(summary, nullptr, first ? std::max(summary.height, count * spacing) : count * spacing, first);
            for (qsizetype i = 0; i < count; ++i) {
                const TextMeasure::Fitted& line = lines[size_t(next + i)];
                const double top = band.rect.top() + i * spacing;
                band.texts.push_back({memo.name, line.text,
                                      QRectF(alignedLeft(memo.alignment, 0, m_area.width(), line.width), top,
                                             line.width, measure.height()),
                                      memo.style, true, false});
            }
            next += count;
            first = false;
        } while (next < qsizetype(lines.size()));
    }

    QString labelText(const ReportLabel& label, const QStringList* record) const {
        switch (label.source) {
            case LabelSource::Text:
                return label.text;
            case LabelSource::Field: {
                const int column = m_report.data ? m_report.data->fieldIndex(label.text) : -1;
                return record && column >= 0 ? record->at(column) : QString();
            }
            case LabelSource::PageNumber:
                return label.text + QString::number(m_pages.size());
            case LabelSource::DateTime:
                break;
        }
        return m_printedAt;
    }

    // Puts a band at the current height and moves below it. A continued band (a growing text
    // block on a later page) prints without its labels.
    PlacedBand& place(const ReportBand& band, const QStringList* record = nullptr, double height = -1,
                      bool withLabels = true) {
        const QRectF rect(0, m_y, m_area.width(), height < 0 ? band.height : height);
        PlacedBand& placed = m_pages.back().bands.emplace_back(PlacedBand{band.type, rect, {}, {}});
        if (withLabels)
            for (const ReportLabel& label : band.labels) placed.texts.push_back(placeLabel(label, rect, record));
        if (band.frame.top) placed.lines.emplace_back(rect.topLeft(), rect.topRight());
        if (band.frame.bottom) placed.lines.emplace_back(rect.bottomLeft(), rect.bottomRight());
        if (band.frame.left) placed.lines.emplace_back(rect.topLeft(), rect.bottomLeft());
        if (band.frame.right) placed.lines.emplace_back(rect.topRight(), rect.bottomRight());
        m_y = rect.bottom();
        return placed;
    }

    PlacedText placeLabel(const ReportLabel& label, const QRectF& band, const QStringList* record) {
        if (label.source == LabelSource::Text) {
            // A label's own text is laid out once and only moved with its band.
            auto found = m_fixedLabels.find(&label);
            if (found == m_fixedLabels.end()) found = m_fixedLabels.emplace(&label, laidOut(label, band, record)).first;
            PlacedText placed = found->second;
            placed.rect.moveTop(band.top() + label.top);
            return placed;
        }
        return laidOut(label, band, record);
    }

    PlacedText laidOut(const ReportLabel& label, const QRectF& band, const QStringList* record) {
        const TextMeasure& measure = m_measures.of(label.style);
        const double available = label.width > 0 ? label.width : band.width() - label.left;
        const QString full = labelText(label, record);
        const TextMeasure::Fitted fitted = measure.fitted(full, available);
        const QRectF rect(alignedLeft(label.alignment, label.left, available, fitted.width), band.top() + label.top,
                          fitted.width, measure.height());
        return {label.name, fitted.text, rect, label.style, false, fitted.text.size() < full.size()};
    }

    const Report& m_report;
    TextMeasures m_measures;
    std::map<const ReportLabel*, PlacedText> m_fixedLabels;
    QSizeF m_area;
    QString m_printedAt;
    std::vector<LaidOutPage> m_pages;
    double m_y = 0;
    double m_bodyTop = 0;
    double m_footerTop = 0;
};

}  // namespace

std::vector<LaidOutPage> layoutReport(const Report& report, const QPaintDevice& device, const QSizeF& area,
                                      const QString& printedAt) {
    return PageFlow(report, device, area, printedAt).run();
}

}  // namespace reports
