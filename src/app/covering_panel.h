#pragma once

#include <QObject>

class QWidget;

// A panel that covers part of the window for real: while it is on show the area beneath takes no
// clicks, access keys or typing (it is disabled, so each control keeps its own state for later),
// and the keyboard focus goes to the panel's first control.
class CoveringPanel : public QObject {
public:
    CoveringPanel(QWidget* panel, QWidget* covered);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusFirstControl();

    QWidget* m_panel;
    QWidget* m_covered;
};
