#pragma once

#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "cluster/cluster_client.h"
#include "cluster/spot_alerts.h"

class Clock;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class SpotListModel;
class SpotSelectionFilter;
class SpotTableView;

// What the spots window needs of the program around it.
struct SpotsViewLinks {
    // The island records' statuses as the tables hold them now: readIslandRecordStates on a table
    // handle of the program's own (never the main window's Table1, which it would leave on
    // another table).
    std::function<IslandRecordStates()> readStates;
    // The owner's callsign, which logs in to the node; asked at each Connect.
    std::function<QString()> ownerCallsign;
    // Shows a record in its continent view, as "Jump to" does: a double click on a spot.
    std::function<void(const QString& reference)> openRecord;
    // The window's settings by key (the node, the window's size, the choices), an invalid value
    // when not set; they are written when they change and when the window closes or goes.
    std::function<QVariant(const QString& key)> setting;
    std::function<void(const QString& key, const QVariant& value)> setSetting;
    // Shows the alert of a needed island on the desktop; the window listens for its trouble while
    // it lives, so one notifier serves one window at a time.
    std::shared_ptr<Notifier> notifier;
    // What the quiet half hour of an alert is counted by.
    const Clock& clock;
    // The client's times: the defaults in use, shorter ones in the tests.
    ClusterTimings timings = {};
};

// The spots window: a separate, resizable window that logs in to the DX cluster node the user
// names with the owner's callsign, shows its island spots newest first with where each reference
// stands in the register, narrowed to the needed ones (and the worked) when asked, and alerts on
// the desktop for a needed island. It never writes the tables; it reads the statuses when it
// opens and again on refresh(), which the program calls after every command that changed them.
// Closing it ends the connection; the spots stay for the next time it is shown.
class SpotsView : public QWidget {
    Q_OBJECT

public:
    explicit SpotsView(SpotsViewLinks links, QWidget* parent = nullptr);
    ~SpotsView() override;

    // Reads the statuses anew and matches the spots shown and those to come against them.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLayout* nodeRow();
    QLayout* choiceRow();
    void connectToNode();
    void disconnectFromNode();
    void showState(const QString& text);
    void showNotificationTrouble(const QString& trouble);
    void spotsArrived(const std::vector<IslandSpot>& spots);
    void updateButtons();
    void restoreSize();
    void keepSize();

    SpotsViewLinks m_links;
    SpotMatcher m_matcher;
    SpotAlertRule m_alertRule;
    std::unique_ptr<ClusterClient> m_client;
    SpotListModel* m_spots = nullptr;
    SpotSelectionFilter* m_shown = nullptr;
    QLineEdit* m_nodeField = nullptr;
    QAbstractButton* m_connectButton = nullptr;
    QAbstractButton* m_disconnectButton = nullptr;
    QLabel* m_stateLine = nullptr;
    QLabel* m_notificationLine = nullptr;
    QCheckBox* m_alertsBox = nullptr;
    SpotTableView* m_table = nullptr;
};
