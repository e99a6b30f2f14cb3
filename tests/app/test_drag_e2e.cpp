// A real mouse drag in the real window, on a real X server (Xvfb), driven by xdotool: dragging the
// last language to the top writes the new order through the `defaults` stand-in.
#include "QuorrelFixture.h"

#include <QProcess>
#include <QTest>

using RealDrag = QuorrelFixture;

TEST_F(RealDrag, DraggingALanguageToTheTopWithTheMouseReordersTheSystemLanguages)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    QuorrelAppDelegate& d = start();
    QWidget* window = d.window().widget();
    window->move(0, 0);
    d.applicationWillBecomeActive({});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTest::qWait(300);

    TableView* table = d.outlets.languagesTable;
    auto globalCenterOf = [&](int row, int dy) {
        const QRect rect = table->visualRect(table->model()->index(row, 0));
        return table->viewport()->mapToGlobal(QPoint(rect.center().x(), rect.top() + dy));
    };
    const QPoint from = globalCenterOf(2, table->rowHeight(2) / 2); // fr
    const QPoint to = globalCenterOf(0, 2);                          // upper part of the first row
    auto xy = [](const QPoint& p) { return QStringList{QString::number(p.x()), QString::number(p.y())}; };
    QStringList script{"mousemove"};
    script << xy(from) << "sleep" << "0.3" << "mousedown" << "1" << "sleep" << "0.3" << "mousemove" << xy(from + QPoint(0, -8))
           << "sleep" << "0.3" << "mousemove" << xy(to + QPoint(0, 4)) << "sleep" << "0.3" << "mousemove" << xy(to)
           << "sleep" << "0.5" << "mouseup" << "1";
    clearCalls();
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), script);
    ASSERT_TRUE(xdotool.waitForStarted());

    // The drag runs its own event loop; wait until the drop has been written and read back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.languages.value(0) == QLatin1String("fr"); }, 15000));
    xdotool.waitForFinished();
    EXPECT_EQ(d.languages, (QStringList{"fr", "en", "de"}));
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    fr,\n    en,\n    de\n)\n");
    EXPECT_EQ(table->model()->rowCount(), 3) << "no row lost or duplicated";
    EXPECT_EQ(calls().value(0), writeLanguages("(fr,en,de)"));
}
