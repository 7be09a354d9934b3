#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "base/clock.h"
#include "base/paths.h"
#include "support/data_folder.h"
#include "support/recording_shell.h"
#include "support/scripted_dialogs.h"

// A main window started on a temporary data folder with scripted dialogs.
class GuiTest : public ::testing::Test {
protected:
    // The owner the delivered data folder gets before start-up.
    void setOwner(const QString& callsign, const QString& directoryNo);
    Paths paths() const;
    std::unique_ptr<TForm1> startForm();
    std::unique_ptr<TForm1> startForm(const Paths& paths);

    TestDataFolder folder;
    ScriptedDialogs dialogs;
    SystemClock clock;
    // Records the links the window would open.
    RecordingShell shell;
};

// A main window started and shown for the owner DL1ABC, directory number 4711.
class StartedFormTest : public GuiTest {
protected:
    void SetUp() override;

    std::unique_ptr<TForm1> form;
};

// The window as it is when no view is shown: after start-up, after unlocking, after a failure.
void expectNoViewShown(const TForm1& form);

// Every record-panel control is unbound, as at start-up.
void expectAllFieldsUnbound(const TForm1& form);

// No splash window is left on the screen or in memory.
void expectNoSplashLeft();

// Whether a menu entry can be reached from the menu bar: it and every menu above it are enabled.
bool reachable(const TForm1& form, const QAction* entry);

// Tests give the window its commands as the user does, by the name of the control or menu entry
// that runs them, through press and its two siblings, which check the control the same way. A
// menu entry must be reachable and is triggered; a control must be the one of its name, on show
// and enabled. Each command runs through the window's error wrapper.
//
// Presses a button or a menu entry.
void press(TForm1& form, const QString& name);
// Double-clicks a control: a list on its current row, brought into view, anything else in its
// middle.
void doubleClick(TForm1& form, const QString& name);
// Types keys into a control, one by one.
void typeInto(TForm1& form, const QString& name, const QString& keys);

// Window methods no control runs: tests call these themselves, and scripts/check-test-presses
// lets their calls through and those of no other command.
//   LockMainWindow, UnlockMainWindow: the steps a batch command takes around its work.

// Makes the window the active one, as the user's click does, so that focus and access keys work
// (the offscreen platform gives the activation to each splash window and keeps it there).
void activate(QWidget& window);

// The error boxes shown, by their texts.
QStringList errorBoxTexts(const ScriptedDialogs& dialogs);
