#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace {

const char* kindName(AskedDialog::Kind kind) {
    switch (kind) {
        case AskedDialog::Kind::Message:
            return "message box";
        case AskedDialog::Kind::Input:
            return "input box";
        case AskedDialog::Kind::OpenFile:
            return "open file dialog";
        case AskedDialog::Kind::SaveFile:
            return "save file dialog";
        case AskedDialog::Kind::Exec:
            return "dialog";
    }
    return "?";
}

}  // namespace

ScriptedDialogs& ScriptedDialogs::answerMessage(QMessageBox::StandardButton button) {
    m_script.push_back({AskedDialog::Kind::Message, button, {}, 0, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerInput(std::optional<QString> text) {
    m_script.push_back({AskedDialog::Kind::Input, QMessageBox::NoButton, std::move(text), 0, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerOpenFile(const QString& fileName) {
    m_script.push_back({AskedDialog::Kind::OpenFile, QMessageBox::NoButton, fileName, 0, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerSaveFile(const QString& fileName) {
    m_script.push_back({AskedDialog::Kind::SaveFile, QMessageBox::NoButton, fileName, 0, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerExec(int result, std::function<void(QDialog&)> look) {
    m_script.push_back({AskedDialog::Kind::Exec, QMessageBox::NoButton, {}, result, std::move(look)});
    return *this;
}

std::vector<AskedDialog> ScriptedDialogs::asked(AskedDialog::Kind kind) const {
    std::vector<AskedDialog> ofKind;
    for (const AskedDialog& dialog : m_asked)
        if (dialog.kind == kind) ofKind.push_back(dialog);
    return ofKind;
}

ScriptedDialogs::Answer ScriptedDialogs::next(const AskedDialog& asked) {
    m_asked.push_back(asked);
    const QString what =
        QStringLiteral("%1 \"%2\": %3").arg(QLatin1String(kindName(asked.kind)), asked.title, asked.text);
    if (m_script.empty()) {
        ADD_FAILURE() << "Unexpected " << what.toStdString() << " (the script has run out)";
        throw UnexpectedDialog(what.toStdString());
    }
    Answer answer = std::move(m_script.front());
    m_script.pop_front();
    if (answer.kind != asked.kind) {
        ADD_FAILURE() << "Unexpected " << what.toStdString() << "; the script answers a " << kindName(answer.kind)
                      << " next";
        throw UnexpectedDialog(what.toStdString());
    }
    return answer;
}

QMessageBox::StandardButton ScriptedDialogs::message(const QString& title, const QString& text, QMessageBox::Icon icon,
                                                     QMessageBox::StandardButtons) {
    return next({AskedDialog::Kind::Message, title, text, {}, icon}).button;
}

std::optional<QString> ScriptedDialogs::input(const QString& title, const QString& prompt, const QString& text) {
    return next({AskedDialog::Kind::Input, title, prompt, text}).text;
}

QString ScriptedDialogs::openFileName(const QString& title, const QString& fileName, const QString&) {
    return next({AskedDialog::Kind::OpenFile, title, fileName, {}}).text.value_or(QString());
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& fileName, const QString&) {
    return next({AskedDialog::Kind::SaveFile, title, fileName, {}}).text.value_or(QString());
}

int ScriptedDialogs::exec(QDialog& dialog) {
    Answer answer = next({AskedDialog::Kind::Exec, dialog.windowTitle(), {}, {}});
    if (answer.look) answer.look(dialog);
    return answer.result;
}
