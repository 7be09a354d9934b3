#pragma once

#include <QString>

class QWidget;

// The field of Table1 a record-panel control shows; the empty name unbinds the control.
void bindField(QWidget* control, const QString& fieldName);
QString boundField(const QWidget* control);

// A control's hint, kept while it is switched off so that it can be switched on again.
void setHint(QWidget* control, const QString& hint);
void showHint(QWidget* control, bool shown);
