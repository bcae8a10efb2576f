// Runs the whole suite inside one application on the offscreen platform.
#include "shell/controls/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    loadBundledFonts();
    return RUN_ALL_TESTS();
}
