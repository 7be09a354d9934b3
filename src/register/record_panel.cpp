#include "register/record_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "register/store/table.h"
#include "window/control_properties.h"

QString controlText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return QString();
}

void setControlText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // A list-only box shows no item for a value it does not list (no record, say).
        if (combo->isEditable())
            combo->setCurrentText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

RecordPanelBindings::RecordPanelBindings(store::Table& table, QObject* parent) : QObject(parent), m_table(table) {
    connect(&m_table, &store::Table::recordSetChanged, this, &RecordPanelBindings::tableMoved);
    connect(&m_table, &store::Table::currentChanged, this, &RecordPanelBindings::tableMoved);
    connect(&m_table, &store::Table::rowChanged, this, &RecordPanelBindings::rowChanged);
    connect(&m_table, &store::Table::updatingRecord, this, &RecordPanelBindings::handOverTypedText);
}

void RecordPanelBindings::manage(QWidget* control, bool editable) {
    if (!editable) m_showOnly.insert(control);
    control->installEventFilter(this);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        connect(edit, &QLineEdit::textEdited, this, [this, control] { markTyped(control); });
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this, [this, control] { markTyped(control); });
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, control] { markTyped(control); });
    }
    show(control);
}

void RecordPanelBindings::markTyped(QWidget* control) {
    m_typed.insert(control);
}

void RecordPanelBindings::bind(QWidget* control, const QString& fieldName) {
    bindField(control, fieldName);
    std::erase(m_bound, control);
    if (!fieldName.isEmpty()) m_bound.push_back(control);
    show(control);
}

// An unbound control was emptied when it was unbound and stays so: a batch command with every
// control unbound moves the handle thousands of times.
void RecordPanelBindings::refresh() {
    for (QWidget* control : m_bound) show(control);
}

// A bound control shows its field and takes typing only while the record can be changed.
void RecordPanelBindings::show(QWidget* control) {
    m_typed.remove(control);
    const QString field = boundField(control);
    const bool hasRecord =
        !field.isEmpty() && m_table.Active() && m_table.RecNo() >= 0 && m_table.fieldIndex(field) >= 0;
    setControlText(control, hasRecord ? m_table.FieldByName(field).AsString() : QString());
    const bool writable = hasRecord && !m_table.ReadOnly();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setReadOnly(!writable || m_showOnly.contains(control));
    if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setEnabled(writable);
}

void RecordPanelBindings::writeToRecord(QWidget* control) {
    const QString field = boundField(control);
    if (field.isEmpty() || !m_table.Active() || m_table.ReadOnly() || m_table.RecNo() < 0) return;
    if (qobject_cast<QLabel*>(control)) return;
    if (auto* edit = qobject_cast<QLineEdit*>(control); edit && edit->isReadOnly()) return;
    m_typed.remove(control);
    const QString text = controlText(control);
    if (m_table.FieldByName(field).AsString() == text) return;
    m_table.Edit();
    m_table.FieldByName(field).setAsString(text);
}

void RecordPanelBindings::tableMoved() {
    refresh();
}

// A change of the current record shows in every control but those being typed in.
void RecordPanelBindings::rowChanged(int row) {
    if (row != m_table.RecNo()) return;
    for (QWidget* control : m_bound)
        if (!control->hasFocus() && !m_typed.contains(control)) show(control);
}

void RecordPanelBindings::handOverTypedText() {
    const QSet<QWidget*> typed = m_typed;
    for (QWidget* control : typed) writeToRecord(control);
}

void RecordPanelBindings::dropTypedChange() {
    m_typed.clear();
    m_table.Cancel();
    refresh();
}

bool RecordPanelBindings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        m_table.Active() && (m_table.Editing() || !m_typed.isEmpty())) {
        dropTypedChange();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
