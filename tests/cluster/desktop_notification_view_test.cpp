// The desktop notifier against a notification service of the test's own, on a session bus of a
// dbus-daemon the test starts: what it sends, the body escaped only where the service reads
// markup, and trouble told (not thrown) when the service or the bus is missing.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QVariantMap>

#include "cluster/desktop_notification_view.h"
#include "support/qt_printers.h"
#include "support/wait_until.h"

namespace {

// A session bus of the test's own.
class PrivateBus {
public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) return;
        m_daemon.start(daemon, {"--session", "--nofork", "--print-address"});
        while (m_daemon.waitForReadyRead(10000) && !m_daemon.canReadLine()) continue;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        for (const QString& name : m_names) QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    bool started() const { return !m_address.isEmpty(); }
    // A connection of its own to the bus, as another program on the desktop has.
    QDBusConnection connection(const QString& name) {
        m_names << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

struct ShownNotification {
    QString appName;
    uint replacesId;
    QString appIcon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int expireTimeout;
};

// The desktop's notification service, keeping what it was asked to show.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit NotificationService(QStringList capabilities) : m_capabilities(std::move(capabilities)) {}

    bool serve(QDBusConnection bus) {
        return bus.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots) &&
               bus.registerService("org.freedesktop.Notifications");
    }

    std::vector<ShownNotification> shown;

public slots:
    QStringList GetCapabilities() { return m_capabilities; }
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout) {
        shown.push_back({appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
        return uint(shown.size());
    }

private:
    QStringList m_capabilities;
};

// The troubles a notifier told, in order.
struct ToldTroubles {
    explicit ToldTroubles(Notifier& notifier) {
        notifier.setTroubleListener([this](const QString& trouble) { told << trouble; });
    }
    QStringList told;
};

const char* const kComment = "IOTA AS-004 <b>QRV</b> & up 2";

TEST(DesktopNotifier, SendsTheAlertEscapingTheBodyWhereTheServiceReadsMarkup) {
    PrivateBus bus;
    if (!bus.started()) GTEST_SKIP() << "dbus-daemon is not installed";
    const struct {
        QStringList capabilities;
        QString body;
    } services[] = {
        {{"body", "body-markup", "persistence"}, "IOTA AS-004 &lt;b&gt;QRV&lt;/b&gt; &amp; up 2"},
        {{"body"}, kComment},
    };
    int served = 0;
    for (const auto& service : services) {
        NotificationService desktop(service.capabilities);
        QDBusConnection desktopBus = bus.connection(QStringLiteral("desktop %1").arg(++served));
        ASSERT_TRUE(desktop.serve(desktopBus));
        DesktopNotifier notifier(bus.connection(QStringLiteral("program %1").arg(served)));
        const ToldTroubles troubles(notifier);
        notifier.notify("AS-004 needed: ZC4UW", kComment);
        notifier.notify("AS-004 needed: 5B4AHJ", kComment);
        ASSERT_TRUE(waitUntil([&] { return desktop.shown.size() == 2; }));
        const ShownNotification& first = desktop.shown[0];
        EXPECT_EQ(first.appName, "Skerrydesk");
        EXPECT_EQ(first.replacesId, 0u);
        EXPECT_EQ(first.appIcon, "skerrydesk");
        EXPECT_EQ(first.summary, "AS-004 needed: ZC4UW");
        EXPECT_EQ(first.body, service.body) << service.capabilities.join(' ').toStdString();
        EXPECT_EQ(first.actions, QStringList());
        EXPECT_EQ(first.hints.value("desktop-entry"), "skerrydesk");
        EXPECT_EQ(first.expireTimeout, -1);
        EXPECT_EQ(desktop.shown[1].summary, "AS-004 needed: 5B4AHJ");
        EXPECT_EQ(troubles.told, QStringList());
        desktopBus.unregisterService("org.freedesktop.Notifications");
    }
}

TEST(DesktopNotifier, WithoutTheServiceItTellsTroubleUntilTheServiceComes) {
    PrivateBus bus;
    if (!bus.started()) GTEST_SKIP() << "dbus-daemon is not installed";
    DesktopNotifier notifier(bus.connection("program"));
    const ToldTroubles troubles(notifier);
    notifier.notify("AS-004 needed: ZC4UW", kComment);
    ASSERT_TRUE(waitUntil([&] { return !troubles.told.isEmpty(); }));
    EXPECT_TRUE(troubles.told.at(0).contains("org.freedesktop.Notifications")) << troubles.told.at(0).toStdString();

    NotificationService desktop({"body"});
    ASSERT_TRUE(desktop.serve(bus.connection("desktop")));
    notifier.notify("AS-004 needed: 5B4AHJ", kComment);
    ASSERT_TRUE(waitUntil([&] { return desktop.shown.size() == 1 && troubles.told.size() == 2; }));
    EXPECT_EQ(desktop.shown[0].summary, "AS-004 needed: 5B4AHJ");
    EXPECT_EQ(troubles.told.at(1), "") << "the trouble is over";
}

TEST(DesktopNotifier, WithoutASessionBusItTellsTroubleAtOnce) {
    DesktopNotifier notifier(QDBusConnection(QStringLiteral("no such bus")));
    const ToldTroubles troubles(notifier);
    notifier.notify("AS-004 needed: ZC4UW", kComment);
    ASSERT_EQ(troubles.told.size(), 1);
    EXPECT_TRUE(troubles.told[0].startsWith("there is no session bus")) << troubles.told[0].toStdString();
}

}  // namespace

#include "desktop_notification_view_test.moc"
