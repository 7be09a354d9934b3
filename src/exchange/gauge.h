#pragma once

#include <QString>

#include "base/progress.h"

// The progress gauge (0 to 100) and the caption of the phase as a batch command drives them.
// The command keeps an exact value; the gauge shows it rounded to the nearest whole number (a
// value exactly halfway goes to the even neighbour) and at most 100. The progress it is shown on
// (the main window's gauge and label, or nothing) hears every change of what is shown, and only
// changes.
class Gauge {
public:
    explicit Gauge(BatchProgress& shownOn = BatchProgress::none()) : m_shownOn(shownOn) {}

    // Shows a new caption with the gauge at 0.
    void start(const QString& caption);
    void setValue(double value);
    void advance(double step) { setValue(m_value + step); }

    double value() const { return m_value; }
    int percent() const;
    const QString& caption() const { return m_caption; }

private:
    void show();

    BatchProgress& m_shownOn;
    QString m_caption;
    double m_value = 0;
    int m_shownPercent = -1;
    QString m_shownCaption;
};
