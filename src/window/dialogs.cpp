#include "window/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

namespace {

// Before the main window is shown there is no active window: the box is centred on the screen.
QWidget* owner() {
    return QApplication::activeWindow();
}

}  // namespace

QMessageBox::StandardButton QtDialogs::message(const QString& title, const QString& text, QMessageBox::Icon icon,
                                               QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, owner());
    return QMessageBox::StandardButton(box.exec());
}

std::optional<QString> QtDialogs::input(const QString& title, const QString& prompt, const QString& text) {
    bool ok = false;
    const QString answer = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return answer;
}

QString QtDialogs::openFileName(const QString& title, const QString& fileName, const QString& filter) {
    return QFileDialog::getOpenFileName(owner(), title, fileName, filter);
}

QString QtDialogs::saveFileName(const QString& title, const QString& fileName, const QString& filter) {
    // The export replaces an older file of the name whole, so there is nothing to confirm.
    return QFileDialog::getSaveFileName(owner(), title, fileName, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

int QtDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}
