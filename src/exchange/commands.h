#pragma once

class CommandWindow;

// The checkpoint exchange commands of the window: the member file import and the update file
// export. The line format and the table work are the core's; these carry out the window's steps.
class ExchangeCommands {
public:
    explicit ExchangeCommands(CommandWindow& window) : m_window(window) {}

    // "&Import": the member file of the checkpoint, after the automatic backup.
    void importMemberFile();
    // "E&xport": the update file for the checkpoint.
    void exportUpdateFile();

private:
    CommandWindow& m_window;
};
