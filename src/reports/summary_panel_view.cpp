#include "reports/summary_panel_view.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "window/spoken_value.h"

namespace reports {

namespace {

// Places in pixels within the panel.
constexpr int kCaptionLeft = 16;
constexpr int kCaptionWidth = 150;
constexpr int kValueWidth = 64;
constexpr int kFirstRowTop = 84;
constexpr int kRowPitch = 22;
constexpr int kRowHeight = 20;
constexpr int kSumRowGap = 12;
// Where each value column ends, in the order of summaryColumns(): a, c, w, ac, p, acw, pw, tot.
constexpr std::array<int, 8> kColumnRight{236, 311, 386, 461, 526, 606, 671, 766};

// A bold heading over one column or centred over a pair of columns.
struct Heading {
    const char* caption;
    int firstColumn;
    int lastColumn;
};

// The captions are stored as given; a label without a buddy shows a doubled ampersand as it is.
const Heading kHeadings[] = {
    {"approved", 0, 0},
    {"claimed", 1, 1},
    {"worked", 2, 2},
    {"approved && claimed", 3, 4},
    {"appr. && cl'd && wrk'd", 5, 6},
    {"Total qual. islands", 7, 7},
};

// What a screen reader says for each value column after the row caption, in the order of summaryColumns().
const std::array<const char*, 8> kSpokenColumns{
    "approved",
    "claimed",
    "worked",
    "approved & claimed",
    "approved & claimed, per cent",
    "approved, claimed & worked",
    "approved, claimed & worked, per cent",
    "total qualifying islands",
};

QString shownCaption(const char* stored) {
    return QString::fromLatin1(stored).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

int columnLeft(int column) {
    return kColumnRight[size_t(column)] - kValueWidth;
}

// The top of a panel row; the sum row stands below the second line.
int rowTop(int row) {
    return kFirstRowTop + row * kRowPitch + (row == 7 ? kSumRowGap : 0);
}

QLabel* boldLabel(QWidget* parent, const QString& name, const QRect& geometry, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void horizontalLine(QWidget* parent, int top) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, top, parent->width() - 16, 4);
}

// The panel in the info-tip colour, with the text colour that goes with it.
void paintAsInfoTip(QFrame* panel) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
    panel->setPalette(palette);
}

}  // namespace

SummaryPanelView::SummaryPanelView(QFrame* GroupSummary) : QWidget(GroupSummary) {
    setGeometry(GroupSummary->contentsRect());
    paintAsInfoTip(GroupSummary);

    SumPanelLabel = boldLabel(this, QStringLiteral("SumPanelLabel"), {0, 8, width(), 24}, Qt::AlignHCenter);
    QFont titleFont = SumPanelLabel->font();
    titleFont.setItalic(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    SumPanelLabel->setFont(titleFont);

    OK_Button = new QPushButton(QStringLiteral("OK"), this);
    OK_Button->setObjectName(QStringLiteral("OK_Button"));
    OK_Button->setGeometry(width() - 88, 8, 76, 26);
    OK_Button->setDefault(true);

    horizontalLine(this, 40);
    createHeadings();
    createRows();
    horizontalLine(this, rowTop(7) - kSumRowGap / 2 - 3);
}

void SummaryPanelView::createHeadings() {
    for (const Heading& heading : kHeadings) {
        const QRect place(columnLeft(heading.firstColumn) - 6, 46,
                          kColumnRight[size_t(heading.lastColumn)] - columnLeft(heading.firstColumn) + 12, 34);
        QLabel* label = boldLabel(this, QString(), place, Qt::AlignHCenter);
        label->setText(shownCaption(heading.caption));
        label->setWordWrap(true);
    }
}

QString SummaryPanelView::valueLabelName(size_t row, size_t column) {
    return QStringLiteral("L_%1_%2").arg(summaryPanelRowKeys()[row], summaryColumns()[column].key);
}

void SummaryPanelView::createRows() {
    for (int row = 0; row < int(summaryPanelRowKeys().size()); ++row) {
        m_rowCaptions[size_t(row)] = new QLabel(this);
        m_rowCaptions[size_t(row)]->setObjectName(QStringLiteral("L%1").arg(row + 1));
        m_rowCaptions[size_t(row)]->setGeometry(kCaptionLeft, rowTop(row), kCaptionWidth, kRowHeight);
        for (int column = 0; column < int(summaryColumns().size()); ++column) {
            const QString name = valueLabelName(size_t(row), size_t(column));
            m_valueLabels[name] =
                boldLabel(this, name, {columnLeft(column), rowTop(row), kValueWidth, kRowHeight}, Qt::AlignRight);
        }
    }
}

void SummaryPanelView::showText(const SummaryPanelText& text) {
    // Named first, so that each new value is announced after its row and column.
    nameValuesByRowAndColumn(text.rowCaptions);
    SumPanelLabel->setText(text.SumPanelLabel);
    for (size_t row = 0; row < m_rowCaptions.size(); ++row) m_rowCaptions[row]->setText(text.rowCaptions[row]);
    for (auto label = text.valueLabels.cbegin(); label != text.valueLabels.cend(); ++label)
        m_valueLabels.value(label.key())->setText(label.value());
}

// A bare number means nothing when read aloud: each value is read after its row and its column.
void SummaryPanelView::nameValuesByRowAndColumn(const std::array<QString, 8>& rowCaptions) {
    for (size_t row = 0; row < rowCaptions.size(); ++row)
        for (size_t column = 0; column < kSpokenColumns.size(); ++column) {
            const QString columnName = QString::fromLatin1(kSpokenColumns[column]);
            speakValueWithContext(
                *m_valueLabels.value(valueLabelName(row, column)),
                rowCaptions[row].isEmpty() ? columnName : rowCaptions[row] + QStringLiteral(", ") + columnName);
        }
}

}  // namespace reports
