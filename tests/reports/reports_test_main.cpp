#include <gtest/gtest.h>

#include <QGuiApplication>

// Report layouts measure their texts with the installed fonts, which takes a GUI application;
// the offscreen platform needs no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
