#include "cluster/desktop_notification_view.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage serviceCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

}  // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : DesktopNotifier(QDBusConnection::sessionBus(), parent) {}

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    if (!m_bus.isConnected()) {
        const QString why = m_bus.lastError().message();
        return troubleFrom(why.isEmpty() ? QStringLiteral("there is no session bus")
                                         : QStringLiteral("there is no session bus (%1)").arg(why));
    }
    if (m_bodyMarkup) return send(summary, body);
    m_waiting.emplace_back(summary, body);
    askCapabilities();
}

// Whether the body is markup differs between services (GNOME's and KDE's read it, others show
// it as it is), so the service is asked once before the first notification.
void DesktopNotifier::askCapabilities() {
    if (m_capabilitiesAsked) return;
    m_capabilitiesAsked = true;
    const QDBusPendingCall call = m_bus.asyncCall(serviceCall(QStringLiteral("GetCapabilities")));
    whenAnswered(call, [this](const QDBusPendingCall& answer) {
        m_bodyMarkup = QDBusPendingReply<QStringList>(answer).value().contains(QStringLiteral("body-markup"));
        for (const auto& [summary, body] : std::exchange(m_waiting, {})) send(summary, body);
    });
}

void DesktopNotifier::send(const QString& summary, const QString& body) {
    QDBusMessage notify = serviceCall(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("skerrydesk")}};
    notify << QStringLiteral("Skerrydesk") << uint(0) << QStringLiteral("skerrydesk") << summary
           << (*m_bodyMarkup ? body.toHtmlEscaped() : body) << QStringList() << hints << -1;
    whenAnswered(m_bus.asyncCall(notify), [this](const QDBusPendingCall&) {
        if (m_troubled) troubleFrom(QString());
    });
}

void DesktopNotifier::whenAnswered(const QDBusPendingCall& call,
                                   std::function<void(const QDBusPendingCall&)> answered) {
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (!finished->isError()) return answered(*finished);
                // Asked again with the next alert: the service may have started meanwhile.
                m_capabilitiesAsked = m_bodyMarkup.has_value();
                m_waiting.clear();
                const QDBusError error = finished->error();
                troubleFrom(error.message().isEmpty() ? error.name() : error.message());
            });
}

void DesktopNotifier::troubleFrom(const QString& trouble) {
    m_troubled = !trouble.isEmpty();
    tellTrouble(trouble);
}
