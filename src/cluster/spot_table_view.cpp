#include "cluster/spot_table_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <array>

#include "cluster/spot_list_model.h"
#include "map/map_style.h"

namespace {

// Marks the status as the map does, and makes a needed island's row bold.
class StatusMarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (ReferenceStanding(index.data(SpotListModel::StandingRole).toInt()) == ReferenceStanding::New)
            option->font.setBold(true);
        if (index.column() != SpotListModel::Status) return;
        const std::optional<maps::GroupStatus> status =
            maps::statusOfCode(index.data(SpotListModel::StatusCodeRole).toString());
        if (!status) return;
        option->icon = markIcon(*status, maps::mapStyleFor(option->palette));
        option->features |= QStyleOptionViewItem::HasDecoration;
        const int side = option->fontMetrics.ascent();
        option->decorationSize = QSize(side, side);
    }

private:
    // The markers are drawn once for each style, large enough to be scaled down sharply.
    const QIcon& markIcon(maps::GroupStatus status, const maps::MapStyle& style) const {
        if (&style != m_iconStyle) {
            for (size_t kind = 0; kind < m_icons.size(); ++kind)
                m_icons[kind] = drawMark(maps::GroupStatus(kind), style);
            m_iconStyle = &style;
        }
        return m_icons[size_t(status)];
    }

    static QIcon drawMark(maps::GroupStatus status, const maps::MapStyle& style) {
        constexpr int kSide = 32;
        QPixmap picture(kSide, kSide);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(kSide / 2.0, kSide / 2.0);
        painter.setPen(QPen(style.markerEdge, 2));
        painter.setBrush(style.colourOf(status));
        painter.drawPath(maps::markerPath(status, kSide * 0.36));
        return QIcon(picture);
    }

    mutable const maps::MapStyle* m_iconStyle = nullptr;
    mutable std::array<QIcon, 5> m_icons;
};

}  // namespace

SpotTableView::SpotTableView(QAbstractItemModel& spots, QWidget* parent) : QTableView(parent) {
    setModel(&spots);
    setItemDelegate(new StatusMarkDelegate(this));
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(false);  // Tab leaves the table for the next control
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QFont bold = font();
    bold.setBold(true);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(bold).height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setOpeningWidths();
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const auto standing = ReferenceStanding(index.data(SpotListModel::StandingRole).toInt());
        if (standing == ReferenceStanding::NoRecord) return;
        emit recordWanted(index.siblingAtColumn(SpotListModel::Reference).data().toString());
    });
}

// Wide enough for what a column usually holds, in bold; the comment takes the rest.
void SpotTableView::setOpeningWidths() {
    const std::pair<SpotListModel::Column, const char*> kSamples[] = {
        {SpotListModel::Time, "0000Z"},         {SpotListModel::Band, "160m"},
        {SpotListModel::Frequency, "144300.0"}, {SpotListModel::DxCall, "VP2MUW/P"},
        {SpotListModel::Reference, "EU-005"},   {SpotListModel::Island, "Isle of Wight"},
        {SpotListModel::Status, "unallocated"}, {SpotListModel::Spotter, "OE3KLU-#"},
    };
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (const auto& [column, sample] : kSamples) {
        const int header = metrics.horizontalAdvance(model()->headerData(column, Qt::Horizontal).toString());
        const int text = metrics.horizontalAdvance(QLatin1String(sample));
        const int mark = column == SpotListModel::Status ? metrics.height() : 0;
        setColumnWidth(column, std::max(header, text + mark) + 3 * metrics.averageCharWidth());
    }
}
