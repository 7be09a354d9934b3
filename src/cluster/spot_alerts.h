#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <chrono>
#include <functional>
#include <vector>

#include "cluster/spot_matcher.h"

class Clock;

// Decides which island spots deserve a desktop notification: a needed reference, once per DX
// call and reference within 30 minutes (a station spotted again and again alerts once), and
// none while the user has switched alerts off; a spot seen while they are off is not remembered.
class SpotAlertRule {
public:
    static constexpr std::chrono::minutes kQuietTime{30};

    explicit SpotAlertRule(const Clock& clock) : m_clock(clock) {}

    void setAlertsOn(bool on) { m_alertsOn = on; }
    bool alertsOn() const { return m_alertsOn; }

    // Whether the spot alerts now; when it does, its call and reference are quiet for kQuietTime.
    bool alerts(const IslandSpot& spot);

private:
    void forgetOldAlerts(const QDateTime& now);

    const Clock& m_clock;
    bool m_alertsOn = true;
    QHash<QString, QDateTime> m_lastAlert;  // by DX call and reference
};

// Sends a desktop notification; the window gives the desktop's notification service, tests a
// recorder. Trouble is told to a listener, not thrown: an alert that cannot be shown must not
// stop the spots coming in.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString& summary, const QString& body) = 0;

    // Hears why notifications cannot be shown, and an empty text once they can again.
    void setTroubleListener(std::function<void(const QString& trouble)> listener) {
        m_troubleListener = std::move(listener);
    }

protected:
    void tellTrouble(const QString& trouble) const {
        if (m_troubleListener) m_troubleListener(trouble);
    }

private:
    std::function<void(const QString& trouble)> m_troubleListener;
};

// The notification of an island spot: "EU-005 needed: G3ABC" and "14025.0 kHz (20m), Great
// Britain. Spotted by K1ABC at 1234Z: comment".
QString alertSummary(const IslandSpot& spot);
QString alertBody(const IslandSpot& spot);

// Notifies each island spot of a batch that the rule lets alert.
void alertIslandSpots(SpotAlertRule& rule, Notifier& notifier, const std::vector<IslandSpot>& spots);
