#pragma once

#include <QDialog>

#include "register/editing_rules.h"

// "Enter Status": asked after a callsign was typed. "&Worked" is the default button, Esc
// means "&Claim!", and closing the window (any other result) means "&Undo".
class TStatus_Form : public QDialog {
    Q_OBJECT

public:
    explicit TStatus_Form(QWidget* parent = nullptr);

    static int resultOf(StatusAnswer answer) { return int(answer) + 1; }
    static StatusAnswer answerOf(int result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
