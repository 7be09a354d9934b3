#include <QKeySequence>
#include <QShortcut>
#include <QTableView>

#include "app/main_window.h"

// A view opened, or an award chosen for, leaves the keyboard in the list: the arrow keys pick
// the next record at once.
void TForm1::focusList() {
    DBGrid1->setFocus(Qt::OtherFocusReason);
}

// Enter on an island in the list shows its QSL card, as a double click does.
void TForm1::connectKeyboardCommands() {
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, DBGrid1, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { runCommand([this] { DBGrid1DblClick(); }); });
    }
}
