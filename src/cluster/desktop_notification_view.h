#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "cluster/spot_alerts.h"

class QDBusPendingCall;

// Shows alerts through the desktop's notification service (org.freedesktop.Notifications on the
// session bus), as the desktop shows any program's. Nothing waits for the service: calls go out
// and their answers come later, and a desktop without the service, or without a session bus,
// is told to the trouble listener, never in an error box. The body is escaped where the service
// reads markup in it, so a spot's comment cannot restyle the notification.
class DesktopNotifier : public QObject, public Notifier {
    Q_OBJECT

public:
    // The user's session bus.
    explicit DesktopNotifier(QObject* parent = nullptr);
    explicit DesktopNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    void notify(const QString& summary, const QString& body) override;

private:
    void askCapabilities();
    void send(const QString& summary, const QString& body);
    // Runs what to do once the call is answered without an error; tells the error otherwise.
    void whenAnswered(const QDBusPendingCall& call, std::function<void(const QDBusPendingCall&)> answered);
    void troubleFrom(const QString& trouble);

    QDBusConnection m_bus;
    std::optional<bool> m_bodyMarkup;  // whether the service reads markup in the body, once it said
    bool m_capabilitiesAsked = false;
    std::vector<std::pair<QString, QString>> m_waiting;  // summary and body, until it said
    bool m_troubled = false;
};
