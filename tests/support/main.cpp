#include "OwnFolders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

// One QApplication for the whole test program, on the offscreen platform (set by ctest).
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery runs outside ctest's environment; never reach for a real display unasked.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before Qt looks at any of them.
    const OwnFolders folders;
    QApplication app(argc, argv);
    // Nothing a test sees may depend on the machine's own locale.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
