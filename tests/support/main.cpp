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
    // Before Qt and ICU look at any of them: nothing a test sees, nor any tool it starts, may
    // depend on the machine's own locale (ctest passes only the first variable of a list to
    // discovered tests).
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    // The launch-language tests pass the list they test in LANGUAGE on purpose.
    if (qgetenv("QUORREL_TEST_KEEPS_LANGUAGE") != "1")
        qunsetenv("LANGUAGE");
    const OwnFolders folders;
    QApplication app(argc, argv);
    // Nothing a test sees may depend on the machine's own locale.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
