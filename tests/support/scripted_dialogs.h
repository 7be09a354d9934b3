#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "window/dialogs.h"

// A question the code under test asked.
struct AskedDialog {
    enum class Kind { Message, Input, OpenFile, SaveFile, Exec };
    Kind kind;
    QString title;
    // The message text, the input prompt, or the suggested file name.
    QString text;
    // The text an input box started with.
    QString initialText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Raised when a dialog comes that the script did not expect; it ends the command under test.
class UnexpectedDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Dialogs answered from a script, in order. A dialog of another kind than the next answer,
// or one after the script has run out, fails the test and throws UnexpectedDialog.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs& answerMessage(QMessageBox::StandardButton button = QMessageBox::Ok);
    // Nothing stands for Cancel.
    ScriptedDialogs& answerInput(std::optional<QString> text);
    ScriptedDialogs& answerOpenFile(const QString& fileName);
    ScriptedDialogs& answerSaveFile(const QString& fileName);
    // The dialog may be looked at before it is answered with the result.
    ScriptedDialogs& answerExec(int result, std::function<void(QDialog&)> look = {});

    const std::vector<AskedDialog>& asked() const { return m_asked; }
    // The dialogs asked of one kind, in order.
    std::vector<AskedDialog> asked(AskedDialog::Kind kind) const;
    bool scriptUsedUp() const { return m_script.empty(); }

    QMessageBox::StandardButton message(const QString& title, const QString& text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override;
    std::optional<QString> input(const QString& title, const QString& prompt, const QString& text) override;
    QString openFileName(const QString& title, const QString& fileName, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& fileName, const QString& filter) override;
    int exec(QDialog& dialog) override;

private:
    struct Answer {
        AskedDialog::Kind kind;
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        std::optional<QString> text;
        int result = 0;
        std::function<void(QDialog&)> look;
    };

    Answer next(const AskedDialog& asked);

    std::deque<Answer> m_script;
    std::vector<AskedDialog> m_asked;
};
