#include "register/status_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace {

struct AnswerButton {
    const char* caption;
    StatusAnswer answer;
};

const AnswerButton kButtons[] = {
    {"&Worked", StatusAnswer::Worked},
    {"&Claim!", StatusAnswer::Claim},
    {"&Undo", StatusAnswer::Undo},
};

}  // namespace

TStatus_Form::TStatus_Form(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Status_Form"));
    setWindowTitle(QStringLiteral("Enter Status"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* row = new QHBoxLayout(this);
    for (const AnswerButton& button : kButtons) {
        auto* push = new QPushButton(QString::fromLatin1(button.caption), this);
        push->setObjectName(QStringLiteral("Answer%1").arg(int(button.answer)));
        push->setDefault(button.answer == StatusAnswer::Worked);
        push->setAutoDefault(button.answer == StatusAnswer::Worked);
        connect(push, &QPushButton::clicked, this, [this, answer = button.answer] { done(resultOf(answer)); });
        row->addWidget(push);
    }
    setFixedSize(qMax(266, sizeHint().width()), qMax(53, sizeHint().height()));
}

StatusAnswer TStatus_Form::answerOf(int result) {
    for (const AnswerButton& button : kButtons)
        if (resultOf(button.answer) == result) return button.answer;
    return StatusAnswer::Undo;
}

// Esc is the cancel button "&Claim!".
void TStatus_Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        done(resultOf(StatusAnswer::Claim));
        return;
    }
    QDialog::keyPressEvent(event);
}
