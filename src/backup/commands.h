#pragma once

class CommandWindow;

// The backups of the window: the dialog "8 More > Backups" and the restore it leads to.
class BackupCommands {
public:
    explicit BackupCommands(CommandWindow& window) : m_window(window) {}

    // "8 More > Backups" (`N9Backups1Click`): the list of backups, and the one chosen restored after
    // the user confirms.
    void showBackups();

private:
    CommandWindow& m_window;
};
