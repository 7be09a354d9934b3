#include "map/map_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/failure.h"
#include "map/coastline_atlas.h"
#include "map/map_canvas_view.h"
#include "map/map_picture.h"
#include "map/map_renderer.h"
#include "register/display_modes.h"

namespace maps {

namespace {

constexpr QSize kOpeningSize(1100, 640);

}  // namespace

MapView::MapView(MapViewLinks links, QWidget* parent) : MapView(std::move(links), defaultCoastlineFolder(), parent) {}

MapView::MapView(MapViewLinks links, const QString& coastlineFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_links(std::move(links)),
      m_atlas(std::make_unique<CoastlineAtlas>(coastlineFolder)),
      m_renderer(std::make_unique<MapRenderer>(*m_atlas)) {
    setObjectName(QStringLiteral("MapView"));
    setWindowTitle(QStringLiteral("Map of the islands"));
    m_canvas = new MapCanvasView(*m_renderer, this);
    m_canvas->setObjectName(QStringLiteral("MapCanvas"));
    connect(m_canvas, &MapCanvasView::groupActivated, this, [this](const QString& reference) {
        if (m_links.openRecord) m_links.openRecord(reference);
    });
    auto* side = new QVBoxLayout;
    side->addWidget(statusBoxes());
    side->addWidget(groupAwardButtons());
    side->addWidget(saveButtons());
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(m_canvas, 1);
    resize(kOpeningSize);
    m_canvas->setFocus();
    refresh();
}

MapView::~MapView() = default;

QWidget* MapView::statusBoxes() {
    auto* box = new QGroupBox(QStringLiteral("Status"), this);
    auto* layout = new QVBoxLayout(box);
    for (size_t mode = 0; mode < displayModes().size(); ++mode) {
        auto* check = new QCheckBox(displayModes()[mode].caption, box);
        check->setObjectName(QStringLiteral("MapStatus_") + displayModeKeys()[mode]);
        check->setChecked(m_canvas->filter().displayModes & (1u << mode));
        connect(check, &QCheckBox::toggled, this, &MapView::filterChanged);
        layout->addWidget(check);
        m_statusBoxes.push_back(check);
    }
    return box;
}

QWidget* MapView::groupAwardButtons() {
    auto* box = new QGroupBox(QStringLiteral("Group award"), this);
    auto* layout = new QVBoxLayout(box);
    const auto addButton = [&](const QString& caption, const QString& name) {
        auto* button = new QRadioButton(caption, box);
        button->setObjectName(name);
        connect(button, &QRadioButton::toggled, this, &MapView::filterChanged);
        layout->addWidget(button);
        m_awardButtons.push_back(button);
    };
    addButton(QStringLiteral("All groups"), QStringLiteral("MapGroup_all"));
    for (const GroupAward& award : groupAwards()) addButton(award.caption, QStringLiteral("MapGroup_") + award.code);
    m_awardButtons.front()->setChecked(true);
    return box;
}

QWidget* MapView::saveButtons() {
    auto* box = new QGroupBox(QStringLiteral("Picture"), this);
    auto* layout = new QVBoxLayout(box);
    const struct {
        const char* caption;
        const char* name;
        const char* suggested;
        const char* filter;
        const char* ending;
    } kinds[] = {
        {"Save as &PNG...", "MapSavePng", "islands.png", "PNG picture (*.png)", ".png"},
        {"Save as P&DF...", "MapSavePdf", "islands.pdf", "PDF document (*.pdf)", ".pdf"},
    };
    for (const auto& kind : kinds) {
        auto* button = new QPushButton(QString::fromLatin1(kind.caption), box);
        button->setObjectName(QLatin1String(kind.name));
        connect(button, &QPushButton::clicked, this, [this, kind] {
            savePicture(QStringLiteral("Save the map"), QLatin1String(kind.suggested), QLatin1String(kind.filter),
                        QLatin1String(kind.ending));
        });
        layout->addWidget(button);
    }
    return box;
}

void MapView::refresh() {
    m_groups = m_links.readGroups ? m_links.readGroups() : std::vector<MapGroup>{};
    m_canvas->setGroups(&m_groups);
}

void MapView::filterChanged() {
    MapFilter filter;
    filter.displayModes = 0;
    for (size_t mode = 0; mode < m_statusBoxes.size(); ++mode)
        if (m_statusBoxes[mode]->isChecked()) filter.displayModes |= 1u << mode;
    for (size_t award = 1; award < m_awardButtons.size(); ++award)
        if (m_awardButtons[award]->isChecked()) filter.groupCode = groupAwards()[award - 1].code;
    m_canvas->setFilter(filter);
}

void MapView::savePicture(const QString& title, const QString& suggested, const QString& filter,
                          const QString& ending) {
    QString fileName = m_links.saveFileName ? m_links.saveFileName(title, suggested, filter) : QString();
    if (fileName.isEmpty()) return;
    if (!fileName.endsWith(ending, Qt::CaseInsensitive)) fileName += ending;
    try {
        writeMapPicture(fileName, m_canvas->size(), [this](QPainter& painter) { m_canvas->paintMap(painter); });
    } catch (const Failure& failure) {
        if (m_links.showError) m_links.showError(failure.message());
    }
}

}  // namespace maps
