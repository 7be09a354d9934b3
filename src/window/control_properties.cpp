#include "window/control_properties.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kBoundField = "boundField";
constexpr const char* kHint = "hint";

}  // namespace

void bindField(QWidget* control, const QString& fieldName) {
    control->setProperty(kBoundField, fieldName);
}

QString boundField(const QWidget* control) {
    return control->property(kBoundField).toString();
}

void setHint(QWidget* control, const QString& hint) {
    control->setProperty(kHint, hint);
    control->setToolTip(hint);
}

void showHint(QWidget* control, bool shown) {
    control->setToolTip(shown ? control->property(kHint).toString() : QString());
}
