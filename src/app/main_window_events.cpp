// The events of the window's controls that are commands of their own: entering and leaving a
// field, the list on show, a double click on "Jump to", Ctrl+Delete and the record panels' keys.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include "app/main_window.h"
#include "register/list_grid_model.h"

namespace {

// Up and PageUp show the previous record of a record panel, Down and PageDown the next one.
int panelScrollStep(const QKeyEvent& key) {
    if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) return 0;
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            return -1;
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            return 1;
        default:
            return 0;
    }
}

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Switching windows or opening a popup list neither enters nor leaves a field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
            auto* control = static_cast<QWidget*>(watched);
            if (event->type() == QEvent::FocusIn)
                enterField(control);
            else
                leaveField(control);
            break;
        }
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            // The list follows the handle while it is on show.
            if (watched == DBGrid1) {
                m_gridModel->setFollowing(event->type() == QEvent::ShowToParent);
                followCurrentRecord(Table1.Active() ? Table1.RecNo() : -1);
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (watched == JumpTo) runCommand([this] { JumpToDblClick(); });
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            auto* control = static_cast<QWidget*>(watched);
            const bool inIslandPanel = control == IotaDBCtrlGrid || IotaDBCtrlGrid->isAncestorOf(control);
            if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier &&
                (watched == DBGrid1 || inIslandPanel)) {
                runCommand([this] { DeleteCurrentRecord(); });
                return true;
            }
            if (const int step = panelScrollStep(*key); step != 0 && inRecordPanel(control)) {
                runCommand([this, control, step] { scrollRecordPanel(control, step); });
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}
