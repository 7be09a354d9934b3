#include "window/file_question.h"

#include "window/command_window.h"
#include "window/dialogs.h"

QString lockAndAskForFile(CommandWindow& window, const std::function<void()>& prepareTable,
                          const FileQuestion& question) {
    window.LockMainWindow();
    prepareTable();
    return window.dialogs().openFileName(question.title, question.proposed, question.filter);
}
