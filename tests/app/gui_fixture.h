#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/clock.h"
#include "app/main_window.h"
#include "app/paths.h"
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

// The error boxes shown, by their texts.
QStringList errorBoxTexts(const ScriptedDialogs& dialogs);
