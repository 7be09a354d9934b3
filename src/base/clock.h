#pragma once

#include <QDateTime>
#include <QString>

// The current local date and time; tests put a fixed moment in its place.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// The date-and-time text that exports and claims cut characters out of: the short date
// "dd.MM.yyyy", a blank and the long time "HH:mm:ss", the same on every system.
QString dateTimeText(const Clock& clock);
