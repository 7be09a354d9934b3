#include "logimport/upf_mode_dialog.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "logimport/upf_mode_choices.h"

namespace {

constexpr int kMemoFontPixels = 13;

QPlainTextEdit* rulesMemo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The rule table is lined up with blanks for a narrow sans serif; a wider one wraps, never cuts.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kMemoFontPixels);
    memo->setFont(font);
    memo->setPlainText(upfmode::memoLines().join(u'\n'));
    return memo;
}

}  // namespace

TUPF_mode::TUPF_mode(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("UPF_mode"));
    setWindowTitle(QLatin1String(upfmode::kCaption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    Memo1 = rulesMemo(this);
    layout->addWidget(Memo1);
    auto* row = new QHBoxLayout;
    layout->addLayout(row);

    QWidget* previous = Memo1;
    for (const upfmode::Button& choice : upfmode::buttons()) {
        auto* button = new QPushButton(QString::fromLatin1(choice.caption), this);
        button->setObjectName(QLatin1String(choice.name));
        button->setDefault(choice.role == upfmode::ButtonRole::Default);
        if (choice.role == upfmode::ButtonRole::Cancel) m_cancelButton = button;
        connect(button, &QPushButton::clicked, this, [this, result = choice.modalResult] { done(result); });
        row->addWidget(button);
        setTabOrder(previous, button);
        previous = button;
    }
    move(upfmode::kLeft, upfmode::kTop);
    setFixedSize(upfmode::kWidth, upfmode::kHeight);
    Memo1->setFocus();
}

// Closing the dialog by its title bar is Abort.
void TUPF_mode::reject() {
    done(upfmode::kResultCancel);
}

void TUPF_mode::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if ((enter || escape) && !focusOnButton()) return;
    if (escape) {
        m_cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TUPF_mode::focusOnButton() const {
    return qobject_cast<QPushButton*>(focusWidget()) != nullptr;
}
