// The spots window against a test node on 127.0.0.1, pressed through its controls: it logs in
// with the owner's callsign, shows the island spots newest first and alerts exactly the needed
// references; the filter, the double click, alerts switched off, the statuses after an import, the
// node and size remembered, the keyboard; and when the node cannot be reached, refuses, drops,
// drips, goes quiet or floods, the state line says so and the window keeps up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDBusConnection>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableView>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <optional>

#include "cluster/desktop_notification_view.h"
#include "cluster/recording_notifier.h"
#include "cluster/short_timings.h"
#include "cluster/spot_list_model.h"
#include "cluster/spots_view.h"
#include "logimport/adif_import.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/dxpedition_register.h"
#include "support/fixed_clock.h"
#include "support/local_cluster_node.h"
#include "support/qt_printers.h"
#include "support/screenshot.h"
#include "support/spot_archives.h"
#include "support/wait_until.h"
#include "support/window_controls.h"

namespace {

// Spots of each standing, and one naming no reference.
const std::vector<Spot> kHandMadeSpots = {
    handMadeSpot("ZC4UW", "IOTA AS004 Cyprus"), handMadeSpot("VP2MUW", "NA-103 & OC-001"),
    handMadeSpot("XX1XX", "IOTA SA-099"),       handMadeSpot("K7ABC", "New DX NA 579"),
    handMadeSpot("5B4AHJ", "as-004 up 2"),
};
// Their rows, newest first.
const QStringList kHandMadeRows = {"5B4AHJ AS-004 needed", "XX1XX SA-099 no record", "VP2MUW OC-001 approved",
                                   "VP2MUW NA-103 worked", "ZC4UW AS-004 needed"};

// The window on the DXpeditions' register, its links kept: the records opened, the settings, the
// alerts.
class SpotsViewTest : public ::testing::Test {
protected:
    SpotsViewTest() { prepareDxpeditionRegister(folder); }

    void open() {
        view = std::make_unique<SpotsView>(SpotsViewLinks{
            .readStates =
                [this] {
                    store::Database database(folder.dataFolder());
                    store::Table table(database);
                    return readIslandRecordStates(table);
                },
            .ownerCallsign = [this] { return callsign; },
            .openRecord = [this](const QString& reference) { opened << reference; },
            .setting = [this](const QString& key) { return settings.value(key); },
            .setSetting = [this](const QString& key, const QVariant& value) { settings.insert(key, value); },
            .notifier = notifier,
            .clock = clock,
            .timings = timings,
        });
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void connectTo(const QString& address) {
        controlNamed<QLineEdit>(*view, "SpotNode").setText(address);
        pressButton(*view, "SpotConnect");
    }
    QString stateLine() const { return controlNamed<QLabel>(*view, "SpotState").text(); }
    QTableView& table() const { return controlNamed<QTableView>(*view, "SpotTable"); }
    int rowsShown() const { return table().model()->rowCount(); }
    // "DX call, reference, status" of each row shown, top first.
    QStringList shownRows() const {
        QStringList rows;
        const QAbstractItemModel& shown = *table().model();
        for (int row = 0; row < shown.rowCount(); ++row) {
            QStringList fields;
            for (int column : {SpotListModel::DxCall, SpotListModel::Reference, SpotListModel::Status})
                fields << shown.index(row, column).data().toString();
            rows << fields.join(u' ');
        }
        return rows;
    }
    QString cell(int row, SpotListModel::Column column) const {
        return table().model()->index(row, column).data().toString();
    }
    // The node sending the hand-made spots, connected to and read.
    std::unique_ptr<LocalClusterNode> connectToHandMadeStream() {
        auto node = std::make_unique<LocalClusterNode>(
            LocalClusterNode::Session{kNodeGreeting, "login: ", {}, nodeSession(kHandMadeSpots)});
        connectTo(node->address());
        EXPECT_TRUE(waitUntil([this] { return rowsShown() == int(kHandMadeRows.size()); })) << rowsShown();
        return node;
    }

    TestDataFolder folder{kDxpeditionIslands};
    FixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC)};
    QString callsign = "G3ABC";
    QVariantHash settings;
    std::shared_ptr<RecordingNotifier> alerts = std::make_shared<RecordingNotifier>();
    std::shared_ptr<Notifier> notifier = alerts;
    ClusterTimings timings = shortTimings();
    QStringList opened;
    std::unique_ptr<SpotsView> view;
};

TEST_F(SpotsViewTest, LogsInWithTheOwnersCallsignAndShowsAndAlertsExactlyTheNeededReferencesOfARealStream) {
    const std::vector<ArchivedSpot> archive = realArchivedSpots();
    if (archive.empty()) GTEST_SKIP() << "the real spot archives are absent (they live in " SKERRY_REAL_FILES ")";
    std::vector<Spot> sent;
    QStringList rows;
    QStringList alerted;
    for (const ArchivedSpot& archived : archive) {
        sent.push_back(archived.fields);
        for (const QString& reference : archived.references) {
            const bool needed = reference == "AS-004";
            rows.prepend(archived.fields.dxCall + u' ' + reference + (needed ? " needed" : " worked"));
            const QString alert = reference + " needed: " + archived.fields.dxCall;
            if (needed && !alerted.contains(alert)) alerted << alert;
        }
    }
    ASSERT_EQ(rows.size(), 25);
    LocalClusterNode node({kNodeGreeting, "login: ", {}, nodeSession(sent)});
    open();
    connectTo(node.address());
    ASSERT_TRUE(waitUntil([&] { return rowsShown() == 25; })) << rowsShown();

    EXPECT_EQ(stateLine(), "Logged in to " + node.address() + " as G3ABC");
    ASSERT_EQ(node.connections(), 1);
    EXPECT_TRUE(node.received()[0].endsWith("G3ABC\r\n"));
    EXPECT_EQ(shownRows(), rows);
    EXPECT_EQ(cell(0, SpotListModel::Island), "Montserrat");
    EXPECT_EQ(alerts->summaries, alerted) << "once per call and reference";
    view->resize(1000, 520);
    saveScreenshot(*view, "spots");

    pressButton(*view, "SpotShow_needed");
    EXPECT_EQ(shownRows(), rows.filter(" needed"));
    EXPECT_EQ(rowsShown(), 16);
}

TEST_F(SpotsViewTest, EachChoiceShowsItsSpotsAndIsRemembered) {
    open();
    const auto node = connectToHandMadeStream();
    EXPECT_TRUE(controlNamed<QRadioButton>(*view, "SpotShow_all").isChecked());
    EXPECT_EQ(shownRows(), kHandMadeRows);
    const struct {
        const char* button;
        QStringList rows;
    } choices[] = {
        {"SpotShow_needed", {kHandMadeRows[0], kHandMadeRows[4]}},
        {"SpotShow_neededWorked", {kHandMadeRows[0], kHandMadeRows[3], kHandMadeRows[4]}},
        {"SpotShow_all", kHandMadeRows},
    };
    for (const auto& choice : choices) {
        pressButton(*view, choice.button);
        EXPECT_EQ(shownRows(), choice.rows) << choice.button;
    }
    pressButton(*view, "SpotShow_needed");
    view.reset();
    open();
    EXPECT_TRUE(controlNamed<QRadioButton>(*view, "SpotShow_needed").isChecked());
}

TEST_F(SpotsViewTest, ADoubleClickOrEnterOnASpotOpensItsRecord) {
    open();
    const auto node = connectToHandMadeStream();
    QTableView& spots = table();
    const auto rowCentre = [&](int row) { return spots.visualRect(spots.model()->index(row, 1)).center(); };
    // As the user's mouse sends it: QTest's double click alone is no press.
    const auto doubleClick = [&](int row) {
        QTest::mouseClick(spots.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(row));
        QTest::mouseDClick(spots.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(row));
    };
    doubleClick(4);
    EXPECT_EQ(opened, QStringList{"AS-004"});
    doubleClick(1);
    EXPECT_EQ(opened, QStringList{"AS-004"}) << "SA-099 has no record";
    spots.setFocus();
    spots.setCurrentIndex(spots.model()->index(3, 0));
    QTest::keyClick(&spots, Qt::Key_Return);
    EXPECT_EQ(opened, (QStringList{"AS-004", "NA-103"}));
}

TEST_F(SpotsViewTest, AlertsOnlyWhileSwitchedOnAndRemembersTheChoice) {
    open();
    pressButton(*view, "SpotAlerts");
    EXPECT_EQ(settings.value("Spots/Alerts"), false);
    const auto node = connectToHandMadeStream();
    EXPECT_EQ(alerts->summaries, QStringList());

    pressButton(*view, "SpotAlerts");
    LocalClusterNode later({kNodeGreeting, "login: ", {}, nodeSession(kHandMadeSpots)});
    pressButton(*view, "SpotDisconnect");
    connectTo(later.address());
    ASSERT_TRUE(waitUntil([&] { return rowsShown() == 2 * int(kHandMadeRows.size()); }));
    EXPECT_EQ(alerts->summaries, (QStringList{"AS-004 needed: ZC4UW", "AS-004 needed: 5B4AHJ"}));
    EXPECT_EQ(alerts->bodies[0], "7025.5 kHz (40m), Cyprus. Spotted by K1ABC-# at 0704Z: IOTA AS004 Cyprus");
    EXPECT_EQ(shownRows().mid(int(kHandMadeRows.size())), kHandMadeRows) << "the spots before stay";
}

// After an import the program refreshes the window: the spots shown and those to come are matched
// against the statuses as they are now.
TEST_F(SpotsViewTest, RefreshMatchesTheSpotsAgainstTheStatusesTheTablesHoldNow) {
    open();
    const auto node = connectToHandMadeStream();
    folder.execute("UPDATE \"IOTA-AS\" SET Status = 'C' WHERE IOTA = 'AS-004'");
    EXPECT_EQ(cell(0, SpotListModel::Status), "needed") << "until it is told";
    view->refresh();
    EXPECT_EQ(cell(0, SpotListModel::Status), "claimed");
    EXPECT_EQ(cell(4, SpotListModel::Status), "claimed");
    pressButton(*view, "SpotShow_neededWorked");
    EXPECT_EQ(shownRows(), QStringList{kHandMadeRows[3]});
}

TEST_F(SpotsViewTest, TheNodeTheChoicesAndTheSizeAreRemembered) {
    open();
    const auto node = connectToHandMadeStream();
    EXPECT_EQ(settings.value("Spots/Node"), node->address());
    EXPECT_FALSE(controlNamed<QAbstractButton>(*view, "SpotConnect").isEnabled());
    view->resize(720, 430);
    view->close();
    EXPECT_EQ(stateLine(), "Disconnected from " + node->address()) << "closing ends the connection";
    EXPECT_EQ(settings.value("Spots/Size"), QSize(720, 430));
    view.reset();
    open();
    EXPECT_EQ(controlNamed<QLineEdit>(*view, "SpotNode").text(), node->address());
    EXPECT_EQ(view->size(), QSize(720, 430));
    EXPECT_EQ(rowsShown(), 0) << "a new window starts empty";
}

TEST_F(SpotsViewTest, SaysWhatIsMissingWithoutANodeOrACallsign) {
    LocalClusterNode node({kNodeGreeting, "login: ", {}, {}});
    callsign.clear();
    open();
    connectTo("dxc.example.org");
    EXPECT_EQ(stateLine(), "\"dxc.example.org\" names no node: give it as HOST:PORT, such as dxc.example.org:7300");
    connectTo(node.address());
    EXPECT_EQ(stateLine(),
              "The owner's callsign is empty, and a node logs in by it: import the member file or enter the "
              "callsign under My Details first");
    EXPECT_TRUE(controlNamed<QAbstractButton>(*view, "SpotConnect").isEnabled());
    EXPECT_EQ(node.connections(), 0);
    EXPECT_FALSE(settings.contains("Spots/Node"));
}

// The waits to reconnect are long here, so that each trouble stays on the line to be read.
TEST_F(SpotsViewTest, SaysWhenTheNodeCannotBeReachedRefusesDropsOrGoesQuiet) {
    timings.reconnect = ReconnectPolicy(std::chrono::seconds(10), std::chrono::seconds(10));
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString unreachable = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    LocalClusterNode::Session dropping{kNodeGreeting, "login: ", {}, nodeSession({kHandMadeSpots[0]})};
    dropping.hangUpAfterStream = true;
    const struct {
        const char* what;
        std::optional<LocalClusterNode::Session> session;  // none: nothing listens
        QString line;                                      // %1: the node
    } cases[] = {
        {"nothing listens", std::nullopt, "Cannot reach the node %1: Connection refused"},
        {"a refusal", LocalClusterNode::Session{kNodeGreeting, "login: ", "Sorry G3ABC is an invalid callsign\r\n", {}},
         "The node %1 refused the login of G3ABC: Sorry G3ABC is an invalid callsign"},
        {"a hang-up", dropping, "The node %1 closed the connection"},
        {"silence",
         LocalClusterNode::Session{kNodeGreeting, "login: ", {}, "G3ABC de GB7TST  9-Dec-2026 1200Z dxspider >\r\n"},
         "The node %1 has sent nothing for 200 ms; the connection is given up"},
    };
    open();
    for (const auto& c : cases) {
        std::optional<LocalClusterNode> node;
        if (c.session) node.emplace(*c.session);
        const QString address = node ? node->address() : unreachable;
        const QString line = c.line.arg(address) + "; trying again in 10 s";
        connectTo(address);
        EXPECT_TRUE(waitUntil([&] { return stateLine() == line; })) << c.what << ": " << stateLine().toStdString();
        EXPECT_FALSE(controlNamed<QAbstractButton>(*view, "SpotConnect").isEnabled()) << c.what;
        pressButton(*view, "SpotDisconnect");
        EXPECT_EQ(stateLine(), "Disconnected from " + address) << c.what;
    }
    EXPECT_EQ(shownRows(), QStringList{"ZC4UW AS-004 needed"}) << "what came before the hang-up";
}

TEST_F(SpotsViewTest, ANodeThatDripsIsReadWhole) {
    LocalClusterNode::Session session{kNodeGreeting, "Please enter your call: ", {}, nodeSession(kHandMadeSpots)};
    session.dripMs = 1;
    LocalClusterNode node(session);
    open();
    connectTo(node.address());
    ASSERT_TRUE(waitUntil([&] { return rowsShown() == int(kHandMadeRows.size()); })) << rowsShown();
    EXPECT_EQ(shownRows(), kHandMadeRows);
    EXPECT_EQ(stateLine(), "Logged in to " + node.address() + " as G3ABC");
}

// Thousands of spots, a hundred every 5 ms, far more than the 200 a second of a contest weekend:
// the list takes them in batches, keeps the newest thousand, and the window answers meanwhile.
TEST_F(SpotsViewTest, AFloodIsShownInBatchesAndCappedAtTheNewestThousand) {
    std::vector<Spot> sent;
    for (int i = 0; i < 4000; ++i)
        sent.push_back(handMadeSpot(QStringLiteral("G%1").arg(i), i % 2 ? "IOTA EU-005" : "cq up 2"));
    LocalClusterNode::Session flood{kNodeGreeting, "login: ", {}, nodeSession(sent)};
    flood.dripMs = 5;
    flood.dripBytes = 8000;  // about a hundred lines
    LocalClusterNode node(flood);
    open();
    int insertions = 0;
    QObject::connect(table().model(), &QAbstractItemModel::rowsInserted, [&] { ++insertions; });
    int ticks = 0;
    std::vector<int> ticksAtInsertions;
    QObject::connect(table().model(), &QAbstractItemModel::rowsInserted, [&] { ticksAtInsertions.push_back(ticks); });
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
    ticking.start(0);
    connectTo(node.address());
    ASSERT_TRUE(waitUntil([&] { return insertions > 0; }));
    pressButton(*view, "SpotShow_needed");
    ASSERT_TRUE(waitUntil([&] { return rowsShown() > 0 && cell(0, SpotListModel::DxCall) == "G3999"; }));

    EXPECT_EQ(rowsShown(), 1000);
    EXPECT_EQ(cell(999, SpotListModel::DxCall), "G2001");
    EXPECT_GT(insertions, 1);
    EXPECT_LT(insertions, 100) << "one insertion per batch, not per spot";
    EXPECT_GT(ticksAtInsertions.back(), ticksAtInsertions.front()) << "other events were served between batches";
    EXPECT_EQ(alerts->summaries.size(), 2000) << "each call once";
}

TEST_F(SpotsViewTest, EveryControlIsReachedByTheKeyboard) {
    open();
    QApplication::setActiveWindow(view.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    QStringList chain;
    for (QWidget* at = QApplication::focusWidget(); at && !chain.contains(at->objectName());
         at = QApplication::focusWidget()) {
        chain << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (QStringList{"SpotNode", "SpotConnect", "SpotShow_all", "SpotAlerts", "SpotTable"}));

    const struct {
        Qt::Key key;
        const char* control;
    } accessKeys[] = {{Qt::Key_O, "SpotShow_needed"},
                      {Qt::Key_W, "SpotShow_neededWorked"},
                      {Qt::Key_A, "SpotShow_all"},
                      {Qt::Key_N, "SpotNode"},
                      {Qt::Key_R, "SpotAlerts"}};
    for (const auto& access : accessKeys) {
        QTest::keyClick(QApplication::focusWidget(), access.key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), access.control);
    }
    EXPECT_TRUE(waitUntil([&] { return !controlNamed<QCheckBox>(*view, "SpotAlerts").isChecked(); }))
        << "Alt+R toggles the alerts";
    EXPECT_EQ(controlNamed<QLineEdit>(*view, "SpotNode").accessibleName(), "Node");
    EXPECT_EQ(table().accessibleName(), "Spots");
}

// Notifications that cannot be shown are said once on a line of the window, never in an error
// box, and the spots go on coming.
TEST_F(SpotsViewTest, NotificationTroubleIsALineOfTheWindow) {
    open();
    const QLabel& line = controlNamed<QLabel>(*view, "SpotNotificationTrouble");
    EXPECT_FALSE(line.isVisible());
    alerts->haveTrouble("the service is away");
    EXPECT_TRUE(line.isVisible());
    EXPECT_EQ(line.text(), "Desktop notifications cannot be shown: the service is away");
    alerts->haveTrouble("");
    EXPECT_FALSE(line.isVisible());
}

TEST_F(SpotsViewTest, WithoutASessionBusTheSpotsComeAndALineSaysSo) {
    notifier = std::make_shared<DesktopNotifier>(QDBusConnection(QStringLiteral("no such bus")));
    open();
    const auto node = connectToHandMadeStream();
    const QLabel& line = controlNamed<QLabel>(*view, "SpotNotificationTrouble");
    EXPECT_TRUE(line.isVisible());
    EXPECT_TRUE(line.text().startsWith("Desktop notifications cannot be shown: there is no session bus"))
        << line.text().toStdString();
    for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<QMessageBox*>(window), nullptr);
}

}  // namespace
