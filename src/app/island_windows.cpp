// The windows beside the main window: the map of the islands. They show what the tables hold, so
// they read them again after every command that wrote rows, and a double click in them shows the
// record in its continent view.
#include <QLineEdit>
#include <QPushButton>

#include "app/main_window.h"
#include "map/map_view.h"
#include "register/codes.h"
#include "window/dialogs.h"
#include "window/error_box.h"

void TForm1::Map1Click() {
    if (!m_mapView) {
        maps::MapViewLinks links{
            [this] { return maps::readMapGroups(Database1); },
            [this](const QString& reference) { showRecordInContinentView(reference); },
            [this](const QString& title, const QString& fileName, const QString& filter) {
                return m_dialogs.saveFileName(title, fileName, filter);
            },
            [this](const QString& message) { showErrorBox(m_dialogs, message); },
        };
        m_mapView = new maps::MapView(std::move(links), this);
        m_mapView->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_mapView->show();
    m_mapView->raise();
    m_mapView->activateWindow();
}

// As the user would: the continent's view button, then the reference's number in "Jump to".
// While a command or a panel holds the window the view buttons are off, and nothing happens.
void TForm1::showRecordInContinentView(const QString& reference) {
    const QString code = reference.left(2).toUpper();
    for (size_t i = 0; i < continents().size(); ++i) {
        QPushButton* viewButton = viewButtons()[i];
        if (continents()[i].code != code || !viewButton->isEnabled()) continue;
        viewButton->click();
        JumpTo->setText(QString::number(reference.mid(3).toInt()));
        raise();
        activateWindow();
        return;
    }
}

void TForm1::followTables() {
    if (m_mapView) m_mapView->refresh();
}
