#include "exchange/gauge.h"

#include <algorithm>
#include <cmath>

void Gauge::start(const QString& caption) {
    m_caption = caption;
    setValue(0);
}

void Gauge::setValue(double value) {
    m_value = value;
    show();
}

int Gauge::percent() const {
    // nearbyint rounds halfway values to the even neighbour in the default rounding mode.
    return int(std::clamp(std::nearbyint(m_value), 0.0, 100.0));
}

void Gauge::show() {
    const int shown = percent();
    if (shown == m_shownPercent && m_caption == m_shownCaption) return;
    m_shownPercent = shown;
    if (m_caption != m_shownCaption) m_shownOn.setCaption(m_caption);
    m_shownCaption = m_caption;
    m_shownOn.setValue(shown);
}
