#include "window/gauge_view.h"

#include <QLabel>
#include <QProgressBar>

namespace {

// About the frame rate of a screen: faster paints are not seen.
constexpr qint64 kFrameMilliseconds = 16;

}  // namespace

GaugeView::GaugeView(QProgressBar& gauge, QLabel& caption) : m_gauge(gauge), m_caption(caption) {
    m_gauge.setAutoFillBackground(true);
    m_caption.setAutoFillBackground(true);
}

void GaugeView::setCaption(const QString& caption) {
    if (m_caption.text() == caption) return;
    m_caption.setText(caption);
    paintWhenDue();
}

void GaugeView::setValue(int percent) {
    if (m_gauge.value() == percent) return;
    // The bar would paint itself at once on every value; it is given a deferred paint instead.
    m_gauge.setUpdatesEnabled(false);
    m_gauge.setValue(percent);
    m_gauge.setUpdatesEnabled(true);
    paintWhenDue();
}

void GaugeView::advance(int points) {
    setValue(m_gauge.value() + points);
}

// What changed within a frame of the last paint waits for the next one, or for the event loop.
void GaugeView::paintWhenDue() {
    if (m_sincePainted.isValid() && m_sincePainted.elapsed() < kFrameMilliseconds) return;
    m_caption.repaint();
    m_gauge.repaint();
    m_sincePainted.start();
}
