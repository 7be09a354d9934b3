#include "window/error_box.h"

#include <exception>

#include "base/failure.h"
#include "window/application_title.h"
#include "window/dialogs.h"

QString errorBoxText(const QString& message) {
    if (message.endsWith(u'.')) return message;
    return message + u'.';
}

void showErrorBox(Dialogs& dialogs, const QString& message) {
    dialogs.message(kApplicationTitle, errorBoxText(message), QMessageBox::Critical);
}

bool runWithErrorBox(Dialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const Failure& failure) {
        showErrorBox(dialogs, failure.message());
    } catch (const std::exception& error) {
        showErrorBox(dialogs, QString::fromLocal8Bit(error.what()));
    }
    return false;
}
