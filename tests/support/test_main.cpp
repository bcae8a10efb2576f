// Runs the whole suite inside one application on the offscreen platform.
#include "shell/controls/fonts.h"
#include "shell/dialogs.h"
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
    // A message box would wait for a click no test gives; a test that expects one reads it itself.
    setMessageReader([](const QString&, const QString&) {});
    return RUN_ALL_TESTS();
}
