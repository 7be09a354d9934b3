#include "app/covering_panel.h"

#include <QEvent>
#include <QWidget>

CoveringPanel::CoveringPanel(QWidget* panel, QWidget* covered) : QObject(panel), m_panel(panel), m_covered(covered) {
    panel->installEventFilter(this);
}

bool CoveringPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        const bool shown = event->type() == QEvent::Show;
        m_covered->setEnabled(!shown);
        if (shown) focusFirstControl();
    }
    return QObject::eventFilter(watched, event);
}

void CoveringPanel::focusFirstControl() {
    for (QWidget* next = m_panel->nextInFocusChain(); m_panel->isAncestorOf(next); next = next->nextInFocusChain()) {
        if (next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
