#include <gtest/gtest.h>

#include <QCoreApplication>

// Downloads and child processes need an application object with its event loop.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
