#pragma once

#include <QString>
#include <array>
#include <functional>

class BatchProgress;
class Clock;
class Dialogs;
class Paths;
class QWidget;

namespace store {
class Database;
class Table;
}  // namespace store

// What a batch command (an import, an export, a list update, a restore, a QSL card) needs of the
// main window, and no more: the table handle and its database, the seams, the values read at
// start, and the few steps on the controls that the commands share. The command objects of each
// folder are handed this and never see the main window's controls, so a command reads as its
// steps and a test can stand a small fake in for the window.
class CommandWindow {
public:
    virtual ~CommandWindow() = default;

    virtual store::Database& database() = 0;
    // The one table handle `Table1`.
    virtual store::Table& table() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual Clock& clock() = 0;
    virtual const Paths& paths() const = 0;
    // `StartCounts`, `OwnerCallsign` and `OwnerDirectoryNo` as the start read them.
    virtual const std::array<int, 8>& startCounts() const = 0;
    virtual QString ownerCallsign() const = 0;
    virtual QString ownerDirectoryNo() const = 0;
    // The window the commands' own dialogs belong to.
    virtual QWidget* dialogParent() = 0;

    virtual void LockMainWindow() = 0;
    virtual void UnlockMainWindow() = 0;
    // `AbortClick`: the update panel closed and the window given back.
    virtual void AbortClick() = 0;
    // No field of the owner or island record panels left bound to `Table1`, so that the
    // command's table work moves no control.
    virtual void unbindRecordPanels() = 0;
    virtual void setCommandMenusEnabled(bool enabled) = 0;
    virtual void setExchangeButtonsEnabled(bool enabled) = 0;
    virtual void enableViewButtonsAndBoxes() = 0;
    // Paints the window at once: the step that follows holds the event loop.
    virtual void repaintNow() = 0;

    // Starts the gauge: the caption (kept as it is when empty, for a command that names its
    // own first phase), the gauge at 0, both shown, and the window painted. The gauge then
    // follows the command.
    virtual BatchProgress& progress(const QString& caption) = 0;
    // The status line alone, the gauge hidden: what was read, while the user reads a preview.
    virtual void showStatusLine(const QString& text) = 0;

    // Runs a wait (a download) with the window serving input: each click meanwhile runs as a
    // command of its own, with its own error box.
    virtual void serveInputDuring(const std::function<void()>& wait) = 0;
    // A data folder the start could not open has its tables after a restore: the program
    // starts on them.
    virtual void startOnRestoredTables() = 0;
};
