#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "map/map_groups.h"

class QAbstractButton;

namespace maps {

class CoastlineAtlas;
class MapCanvasView;
class MapRenderer;

// What the map window needs of the program around it.
struct MapViewLinks {
    // The records' statuses and their groups' boxes as the tables hold them now (readMapGroups on
    // the open data folder).
    std::function<std::vector<MapGroup>()> readGroups;
    // Shows a record in its continent view, as "Jump to" does: the double click on a group.
    std::function<void(const QString& reference)> openRecord;
    // Asks for the file to save the picture in (title, suggested name, filter); empty when the
    // user cancels.
    std::function<QString(const QString& title, const QString& fileName, const QString& filter)> saveFileName;
    // Shows a failure, such as a picture that could not be written.
    std::function<void(const QString& message)> showError;
};

// The map window: a separate, resizable window with the map of the islands, the status display
// modes of the main window as check boxes, the group awards to narrow it to, and saving the
// picture as PNG or PDF. It reads the groups when it opens and again on refresh(), which the
// program calls after every command that changed the tables.
class MapView : public QWidget {
    Q_OBJECT

public:
    explicit MapView(MapViewLinks links, QWidget* parent = nullptr);
    // A map whose coastlines come from another folder than Debian's.
    MapView(MapViewLinks links, const QString& coastlineFolder, QWidget* parent = nullptr);
    ~MapView() override;

    // Reads the statuses and boxes anew and shows them, keeping the view and the filters.
    void refresh();

    MapCanvasView& canvas() const { return *m_canvas; }

private:
    QWidget* statusBoxes();
    QWidget* groupAwardButtons();
    QWidget* saveButtons();
    void filterChanged();
    void savePicture(const QString& title, const QString& suggested, const QString& filter, const QString& ending);

    MapViewLinks m_links;
    std::unique_ptr<CoastlineAtlas> m_atlas;
    std::unique_ptr<MapRenderer> m_renderer;
    std::vector<MapGroup> m_groups;
    MapCanvasView* m_canvas = nullptr;
    std::vector<QAbstractButton*> m_statusBoxes;   // in the order of displayModes()
    std::vector<QAbstractButton*> m_awardButtons;  // none first, then groupAwards()
};

}  // namespace maps
