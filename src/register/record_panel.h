#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <vector>

class QWidget;

namespace store {
class Table;
}

// The data-aware controls of the record panels: each edit field, text label or combo box shows
// the field of the current record of the table handle that it is bound to by name. An edit
// control hands its text to the record when it loses the focus, and whatever the user typed is
// handed over whenever the handle settles or posts the record (a move, a filter change, a post),
// so no path drops typed text. Esc in a bound control drops the unposted change of the current
// record, typed text included.
class RecordPanelBindings : public QObject {
    Q_OBJECT

public:
    explicit RecordPanelBindings(store::Table& table, QObject* parent = nullptr);

    // Takes a control into the panels' care; it shows nothing until it is bound. A control
    // that is not editable only shows its field.
    void manage(QWidget* control, bool editable = true);
    // Binds a control to a field by name; the empty name unbinds it.
    void bind(QWidget* control, const QString& fieldName);
    // Hands the control's text to the current record when it differs from the field's value.
    void writeToRecord(QWidget* control);
    // Shows the current record in every bound control.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(QWidget* control);
    void tableMoved();
    void rowChanged(int row);
    void markTyped(QWidget* control);
    void handOverTypedText();
    void dropTypedChange();

    store::Table& m_table;
    std::vector<QWidget*> m_bound;
    QSet<QWidget*> m_showOnly;
    // Controls holding text the user typed that the record does not have yet.
    QSet<QWidget*> m_typed;
};

// The text a bound control shows or holds.
QString controlText(const QWidget* control);
void setControlText(QWidget* control, const QString& text);
