// What a screen reader and a keyboard user meet, in a real window on a real X server (Xvfb) with
// a D-Bus session of its own: every control named and described over AT-SPI, the tables'
// cells announced, and Tab going through the controls in a sensible order.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "Classes/PreferencesWindowController.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

namespace {

struct AccessibleObject {
    int depth = 0;
    QString role, name, description;
};

class Accessibility : public QuorrelFixture {
protected:
    // Every control enabled and shown: saved entries, a first language matching the region,
    // a running help daemon.
    QuorrelAppDelegate& startWithEverythingEnabled()
    {
        writeGlobal("AppleLanguages", "(en, de, fr)");
        writeOwnDefault(kPreferredLocalesKey, "(\"en_US,de\", fr_FR)");
        setListing("  PID TT  STAT      TIME COMMAND\n  812 ??  S   0:00.42 /usr/sbin/helpd\n");
        QuorrelAppDelegate& d = start();
        d.window().widget()->move(0, 0);
        d.applicationWillBecomeActive({});
        EXPECT_TRUE(QTest::qWaitForWindowExposed(d.window().widget()));
        return d;
    }

    // The tree as AT-SPI publishes it, read by another process while this one answers.
    static QList<AccessibleObject> dumpOnce()
    {
        QProcess dump;
        dump.start(QStringLiteral(QUORREL_ATSPI_DUMP), {QStringLiteral("3000")});
        EXPECT_TRUE(dump.waitForStarted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return dump.state() == QProcess::NotRunning; }, 60000));
        QList<AccessibleObject> objects;
        for (const QByteArray& line : dump.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 4)
                objects.append({fields[0].toInt(), QString::fromUtf8(fields[1]), QString::fromUtf8(fields[2]),
                                QString::fromUtf8(fields[3])});
        }
        return objects;
    }

    // The accessibility bus and its registry start on demand, and the window registers with them
    // a moment later: read until the window is there.
    static QList<AccessibleObject> accessibleTree()
    {
        QList<AccessibleObject> objects;
        for (int attempt = 0; attempt < 60; ++attempt) {
            objects = dumpOnce();
            const bool windowThere = std::any_of(objects.begin(), objects.end(), [](const AccessibleObject& o) {
                return o.role == QLatin1String("table") && !o.name.isEmpty();
            });
            if (windowThere)
                break;
            QTest::qWait(500);
        }
        return objects;
    }
};

bool isControl(const QString& role)
{
    static const QStringList roles{"push button", "toggle button", "check box", "combo box", "table", "radio button",
                                   "progress bar", "animation"};
    return roles.contains(role);
}

TEST_F(Accessibility, EveryControlHasANameAndADescriptionAndTheTablesAnnounceTheirCells)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    QuorrelAppDelegate& d = startWithEverythingEnabled();
    d.showPreferences(nullptr);
    QTest::qWait(300);

    const QList<AccessibleObject> tree = accessibleTree();
    ASSERT_FALSE(tree.isEmpty());
    QStringList controls;
    for (const AccessibleObject& object : tree) {
        if (!isControl(object.role))
            continue;
        controls.append(object.name);
        EXPECT_FALSE(object.name.isEmpty()) << "a " << object.role.toStdString() << " without a name";
        EXPECT_FALSE(object.description.isEmpty()) << object.role.toStdString() << " " << object.name.toStdString();
    }
    // On Linux a combo box's name is the choice it shows (its label is a relation), so the two
    // pop-ups are found by what they show.
    for (const char* expected : {"Preferred languages", "Add Language…", "Regions", "Other Region…",
                                 "First saved combination", "Previous saved combination", "en_US,de", "Next saved combination", "Last saved combination", "Save Current Region",
                                 "Remove", "de", "Show Hidden Files", "Hide Hidden Files", "Restart Finder",
                                 "Restart Dock", "Clear Help Caches", "Close", "Applications",
                                 "Languages of the application", "Add Application", "Remove Application",
                                 "Refresh Applications",
                                 "Keep the window open while Quorrel is in the background"})
        EXPECT_TRUE(controls.contains(QString::fromUtf8(expected))) << expected << " not among " << controls.join(", ").toStdString();

    // Every control carries the name and description a screen reader on any platform is given.
    QList<QWidget*> widgets = d.window().widget()->findChildren<QWidget*>();
    widgets += d.preferencesWindow->window()->findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* widget : widgets) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(widget->window()) || widget->objectName().isEmpty()
            || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++checked;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << widget->objectName().toStdString();
    }
    EXPECT_EQ(checked, 25) << "every control of both windows";

    QStringList cells;
    for (const AccessibleObject& object : tree)
        if (object.role == QLatin1String("cell"))
            cells.append(object.name);
    for (const char* cell : {"English", "en", "German", "de", "en_US (United States)"})
        EXPECT_TRUE(cells.contains(QString::fromUtf8(cell))) << cell;
}

TEST_F(Accessibility, TabGoesThroughTheControlsInReadingOrder)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    QuorrelAppDelegate& d = startWithEverythingEnabled();
    d.outlets.languagesTable->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == d.outlets.languagesTable; }, 5000));
    QStringList order;
    for (int i = 0; i < 22; ++i) {
        order.append(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("<none>"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // "−" and Remove Application are left out while nothing is selected: they are disabled then.
    EXPECT_EQ(order, (QStringList{"languagesTable", "addLanguage", "regionsTable", "otherRegion", "applicationsTable", "applicationLanguagesTable", "addApplication", "listApplications", "firstLocaleButton", "previousLocaleButton", "preferredLocalesMenu", "nextLocaleButton", "lastLocaleButton", "addPreferredLocale", "removePreferredLocale", "fallbackLanguagesMenu", "showFiles", "hideFiles", "restartFinder", "restartDock", "clearAHVCaches", "languagesTable"}));
}

} // namespace
