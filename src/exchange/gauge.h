#pragma once

#include <QString>
#include <functional>

// The progress gauge (0 to 100) and the caption of the phase as a batch command drives them.
// The command keeps an exact value; the gauge shows it rounded to the nearest whole number (a
// value exactly halfway goes to the even neighbour) and at most 100. The listener (the main
// window's gauge and label, or nothing) hears every change of what is shown, and only changes.
class Gauge {
public:
    using Listener = std::function<void(int percent, const QString& caption)>;

    explicit Gauge(Listener listener = {}) : m_listener(std::move(listener)) {}

    // Shows a new caption with the gauge at 0.
    void start(const QString& caption);
    void setValue(double value);
    void advance(double step) { setValue(m_value + step); }

    double value() const { return m_value; }
    int percent() const;
    const QString& caption() const { return m_caption; }

private:
    void show();

    Listener m_listener;
    QString m_caption;
    double m_value = 0;
    int m_shownPercent = -1;
    QString m_shownCaption;
};
