#pragma once

#include <QString>
#include <functional>

class Dialogs;

// The text of the standard error box: the message with a full stop added when it has none.
QString errorBoxText(const QString& message);

// The standard error box: titled with the application title, with the error icon.
void showErrorBox(Dialogs& dialogs, const QString& message);

// Runs a command to its end or to its first failure, which the standard error box reports.
// Tells whether the command ran to its end.
bool runWithErrorBox(Dialogs& dialogs, const std::function<void()>& command);
