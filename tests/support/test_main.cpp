#include <gtest/gtest.h>

#include <QApplication>

#include "support/dark_palette.h"

// The test programs that need an application object: the window and its widgets, the report
// layouts measuring their texts, the downloads and child processes with their event loop.
// Without a display they draw offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    applyDarkPaletteWhenAsked();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
