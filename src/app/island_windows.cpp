// The windows beside the main window: the map of the islands and the DX cluster spots. They show what the tables hold,
// so they read them again after every command that wrote rows, and a double click in them shows the record in its
// continent view.
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "app/main_window.h"
#include "cluster/desktop_notification_view.h"
#include "cluster/spots_view.h"
#include "logimport/adif_import.h"
#include "map/map_view.h"
#include "register/codes.h"
#include "window/dialogs.h"
#include "window/error_box.h"

namespace {

QSettings settings() {
    return QSettings(QStringLiteral("Skerrydesk"), QStringLiteral("Skerrydesk"));
}

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

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
    bringToFront(*m_mapView);
}

void TForm1::Spots1Click() {
    if (!m_spotsView) {
        SpotsViewLinks links{
            // A handle of its own: Table1 stays where the main window's commands left it.
            [this] {
                store::Table table(Database1);
                return readIslandRecordStates(table);
            },
            [this] { return OwnerCallsign; },
            [this](const QString& reference) { showRecordInContinentView(reference); },
            [](const QString& key) { return settings().value(key); },
            [](const QString& key, const QVariant& value) { settings().setValue(key, value); },
            std::make_shared<DesktopNotifier>(),
            m_clock,
        };
        m_spotsView = new SpotsView(std::move(links), this);
        m_spotsView->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringToFront(*m_spotsView);
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
    if (m_spotsView) m_spotsView->refresh();
}
