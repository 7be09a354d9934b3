#pragma once

#include <QDateTime>
#include <utility>

#include "base/clock.h"

// A clock that always tells the same moment.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime moment) : m_moment(std::move(moment)) {}
    QDateTime now() const override { return m_moment; }

private:
    QDateTime m_moment;
};
