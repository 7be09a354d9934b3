#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QDialog;

// Every question the program puts to the user goes through here, so tests can answer in
// its place and notice a question nobody expected.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual QMessageBox::StandardButton message(const QString& title, const QString& text, QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok) = 0;
    // An input box; nothing when the user cancels.
    virtual std::optional<QString> input(const QString& title, const QString& prompt, const QString& text) = 0;
    // A file to read or to write; empty when the user cancels.
    virtual QString openFileName(const QString& title, const QString& fileName, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& fileName, const QString& filter) = 0;
    // Shows a dialog modally and gives its result.
    virtual int exec(QDialog& dialog) = 0;
};

// The dialogs of the desktop.
class QtDialogs : public Dialogs {
public:
    QMessageBox::StandardButton message(const QString& title, const QString& text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override;
    std::optional<QString> input(const QString& title, const QString& prompt, const QString& text) override;
    QString openFileName(const QString& title, const QString& fileName, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& fileName, const QString& filter) override;
    int exec(QDialog& dialog) override;
};
