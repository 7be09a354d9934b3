#include "cluster/spot_alerts.h"

#include "base/clock.h"

namespace {

// Remembered alerts are looked through for old ones only once there are this many.
constexpr qsizetype kAlertsKeptBeforeTidying = 256;

QString alertKey(const IslandSpot& spot) {
    return spot.spot.dxCall.toUpper() + u' ' + spot.island.reference;
}

}  // namespace

bool SpotAlertRule::alerts(const IslandSpot& spot) {
    if (!m_alertsOn || spot.island.standing != ReferenceStanding::New) return false;
    const QDateTime now = m_clock.now();
    const QString key = alertKey(spot);
    const auto last = m_lastAlert.constFind(key);
    if (last != m_lastAlert.constEnd() && last->msecsTo(now) < std::chrono::milliseconds(kQuietTime).count())
        return false;
    if (m_lastAlert.size() >= kAlertsKeptBeforeTidying) forgetOldAlerts(now);
    m_lastAlert.insert(key, now);
    return true;
}

void SpotAlertRule::forgetOldAlerts(const QDateTime& now) {
    m_lastAlert.removeIf(
        [&](const auto& alert) { return alert.value().msecsTo(now) >= std::chrono::milliseconds(kQuietTime).count(); });
}

QString alertSummary(const IslandSpot& spot) {
    return QStringLiteral("%1 %2: %3").arg(spot.island.reference, statusText(spot.island), spot.spot.dxCall);
}

QString alertBody(const IslandSpot& spot) {
    QString body = spot.spot.frequency + QStringLiteral(" kHz");
    if (!spot.band.isEmpty()) body += QStringLiteral(" (%1)").arg(spot.band);
    if (!spot.island.island.isEmpty()) body += QStringLiteral(", ") + spot.island.island;
    body += QStringLiteral(". Spotted by ") + spot.spot.spotter;
    if (!spot.spot.time.isEmpty()) body += QStringLiteral(" at ") + spot.spot.time;
    if (!spot.spot.comment.isEmpty()) body += QStringLiteral(": ") + spot.spot.comment;
    return body;
}

void alertIslandSpots(SpotAlertRule& rule, Notifier& notifier, const std::vector<IslandSpot>& spots) {
    for (const IslandSpot& spot : spots)
        if (rule.alerts(spot)) notifier.notify(alertSummary(spot), alertBody(spot));
}
