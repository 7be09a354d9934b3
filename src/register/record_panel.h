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
// the field of the current record of the table handle that it is bound to by name, and an edit
// control hands its text to the record when it loses the focus (the record itself is written
// by a post, a move or a filter change, as the handle's rules say). Esc in a bound control
// drops the unposted change of the current record.
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

    store::Table& m_table;
    std::vector<QWidget*> m_controls;
    QSet<QWidget*> m_showOnly;
};

// The text a bound control shows or holds.
QString controlText(const QWidget* control);
void setControlText(QWidget* control, const QString& text);
