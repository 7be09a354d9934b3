#include <QTableView>

#include "app/main_window.h"

// A view opened, or an award chosen for, leaves the keyboard in the list: the arrow keys pick
// the next record at once.
void TForm1::focusList() {
    DBGrid1->setFocus(Qt::OtherFocusReason);
}
