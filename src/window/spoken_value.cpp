#include "window/spoken_value.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QString>
#include <QVariant>

namespace {

constexpr const char* kSpokenContext = "spokenContext";

// What a screen reader is told of a value label: a static text named by its context and value.
class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const QString context = object()->property(kSpokenContext).toString();
        const QString value = static_cast<const QLabel*>(widget())->text();
        return value.isEmpty() ? context : context + QStringLiteral(": ") + value;
    }
};

QAccessibleInterface* valueLabelInterface(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (!label || !label->property(kSpokenContext).isValid()) return nullptr;
    return new ValueLabelAccessible(label);
}

// Qt keeps the interface it made for an object for the object's life. One made before the label
// had a context (a text set at creation makes one) would go on reading the bare text.
void dropInterfaceWithoutContext(QLabel& label) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&label);
    if (made && !dynamic_cast<ValueLabelAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

void speakValueWithContext(QLabel& label, const QString& context) {
    static const bool readWithContext = (QAccessible::installFactory(valueLabelInterface), true);
    Q_UNUSED(readWithContext);
    const QVariant given = label.property(kSpokenContext);
    if (given.isValid() && given.toString() == context) return;
    if (!label.accessibleName().isEmpty()) label.setAccessibleName(QString());
    label.setProperty(kSpokenContext, context);
    if (!given.isValid()) dropInterfaceWithoutContext(label);
    QAccessibleEvent renamed(&label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}
