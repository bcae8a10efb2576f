// Runs the whole suite inside one application on the offscreen platform.
#include "shell/controls/fonts.h"
#include "shell/shell.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    loadBundledFonts();
    // Closing a menu window in a test must not end the suite's application.
    Shell::instance().setProgramEnd([] {});
    return RUN_ALL_TESTS();
}
