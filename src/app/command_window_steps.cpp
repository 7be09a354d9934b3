// The steps of the window that the batch commands ask for through CommandWindow.
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScopedValueRollback>

#include "app/main_window.h"
#include "window/gauge_view.h"

void TForm1::unbindRecordPanels() {
    unbindOwnerPanel();
    unbindIslandPanel();
}

// The window is painted at once: the work that follows holds the event loop.
void TForm1::repaintNow() {
    repaint();
}

BatchProgress& TForm1::progress(const QString& caption) {
    Progress->setValue(0);
    Progress->show();
    if (!caption.isEmpty()) GroupLabel->setText(caption);
    GroupLabel->show();
    repaint();
    return *m_gaugeView;
}

void TForm1::showStatusLine(const QString& text) {
    Progress->hide();
    GroupLabel->setText(text);
}

// Clicks while the wait runs are commands of their own, not steps of the one that waits.
void TForm1::serveInputDuring(const std::function<void()>& wait) {
    const QScopedValueRollback<int> inputOfItsOwn(m_commandDepth, 0);
    wait();
}

void TForm1::startOnRestoredTables() {
    if (!m_started) FormCreate();
}

// The update panel's "&Abort", and the end of the list updates and the CSV import.
void TForm1::AbortClick() {
    InternetPanel->hide();
    resetGroupLabel();
    enableViewButtonsAndBoxes();
    Table1.setFiltered(false);
    selectAllRecordsMode();
}
