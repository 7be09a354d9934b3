#pragma once

class QLabel;
class QString;

// Makes a label that shows a value of the tables, or a figure counted from them, heard with what
// the value is: a screen reader reads it as "context: value" ("Africa, approved: 12", "Award:
// IOTA 100"), or the context alone while the label is empty. The spoken name follows the label's
// text, and each new text or context is announced as a change of name. Call it again to give the
// label another context. The label keeps no accessible name of its own: with one, Qt would not
// announce its new texts.
void speakValueWithContext(QLabel& label, const QString& context);
