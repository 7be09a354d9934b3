#pragma once

#include <QString>
#include <functional>

class CommandWindow;

// The open-file dialog a batch command starts with: its title, the file or folder proposed and
// the filter.
struct FileQuestion {
    QString title;
    QString proposed;
    QString filter;
};

// The start every file-reading batch command shares: the window locked, the table made ready for
// the command's work, then the file asked for. Empty when the user cancelled.
QString lockAndAskForFile(CommandWindow& window, const std::function<void()>& prepareTable,
                          const FileQuestion& question);
