// Finder and Dock actions, clearing the help viewer's caches, and the preferences window.
#include "QuorrelFixture.h"

#include "DefaultKeys.h"
#include "MyOSVersion.h"
#include "PreferencesWindowController.h"
#include "UserDefaults.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

using FinderAndDock = QuorrelFixture;
using HelpCaches = QuorrelFixture;
using Preferences = QuorrelFixture;

TEST_F(FinderAndDock, HiddenFilesSettingTakesTheFormOfTheSystemVersion)
{
    QuorrelAppDelegate& d = start();
    const struct {
        const char* appKit;
        bool older;
    } versions[] = {{"1187.0", true}, {"1187.9", true}, {"1188.0", false}, {"2487", false}};
    for (const auto& v : versions) {
        SCOPED_TRACE(v.appKit);
        home.env().set("QUORREL_APPKIT_VERSION", v.appKit);
        EXPECT_EQ(MyOSVersion::isOlderThanMavericks(), v.older);
        for (const QString& value : {QStringLiteral("TRUE"), QStringLiteral("FALSE")}) {
            clearCalls();
            value == "TRUE" ? d.showFiles(nullptr) : d.hideFiles(nullptr);
            const ToolCall write = v.older
                ? call("defaults", {"write", "com.apple.Finder", "AppleShowAllFiles", value})
                : call("defaults", {"write", "com.apple.finder", "AppleShowAllFiles", "-boolean", value});
            EXPECT_EQ(waitForCalls(2), (QList<ToolCall>{write, call("killall", {"Finder"})}));
        }
    }
    // The stand-in stores what the Mac would: a boolean from 10.9 on.
    QTest::qWait(200);
    EXPECT_EQ(readDefault("com.apple.finder", "AppleShowAllFiles"), "0\n");

    clearCalls();
    d.restartFinder(nullptr);
    d.restartDock(nullptr);
    EXPECT_EQ(waitForCalls(2), (QList<ToolCall>{call("killall", {"Finder"}), call("killall", {"Dock"})}));
}

TEST_F(HelpCaches, TheButtonFollowsTheListing)
{
    const struct {
        QByteArray listing;
        bool enabled;
    } cases[] = {
        {"  PID TT  STAT      TIME COMMAND\n  812 ??  S   0:00.4 /usr/sbin/helpd\n", true},
        {"  PID TT  STAT      TIME COMMAND\n  812 ??  S   0:00.4 /usr/sbin/HELPD\n", false},
        {"  PID TT  STAT      TIME COMMAND\n  9 ??  S  0:00 /Applications/x.app/Contents/helpdesk\n", true},
        {"", false},
        {"  PID TT\n  812 ??  \xff\xfe helpd\n", false}, // not UTF-8: no lines at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.listing.toStdString());
        setListing(c.listing);
        QuorrelAppDelegate& d = start();
        EXPECT_EQ(d.checkAHVCaches(), c.enabled);
        EXPECT_EQ(d.outlets.clearAHVCaches.isEnabled(), c.enabled);
    }
    QByteArray huge;
    for (int i = 0; i < 120000; ++i)
        huge += QByteArray::number(100000 + i) + " ??  S   0:00.01 /usr/libexec/some-daemon --with --arguments\n";
    setListing(huge + "  77 ?? S 0:00 /usr/sbin/helpd\n");
    EXPECT_TRUE(start().checkAHVCaches()) << "a listing of megabytes is read whole";
}

TEST_F(HelpCaches, ClearingKillsEachDaemonInLineOrderThenRemovesTheCaches)
{
    QDir(home.home()).mkpath("Library/Caches/com.apple.helpui/x");
    QDir(home.home()).mkpath("Library/Caches/com.apple.helpd");
    for (const char* name : {"com.apple.help.plist", "com.apple.helpviewer.plist", "com.apple.helpX.plist.bak",
                             "com.apple.finder.plist"})
        ASSERT_TRUE(QFile(home.path(QStringLiteral("Library/Preferences/") + name)).open(QIODevice::WriteOnly));
    setListing("  PID TT  STAT      TIME COMMAND\n"
               "  412 ??  S   0:00.4 /usr/sbin/helpd\n"
               "\t \u3000 77 ??  S   0:00.1 /System/Library/helpd --x\n"   // blanks of every kind
               "  300 ??  S   0:00.1 /usr/sbin/notthedaemon\n"
               "    0 ??  S   0:00.1 kernel helpd\n"                           // 0 addresses a group
               "   -1 ??  S   0:00.1 weird helpd\n"
               + QByteArray::number(getpid()) + " ?? S 0:01 quorrel helpd\n"  // never ourselves
               "garbage helpd\n");
    QuorrelAppDelegate& d = start();
    const QString h = home.home();
    d.clearAHVCaches(nullptr);
    const QList<ToolCall> expected{
        listProcesses(),
        call("kill", {"-s", "KILL", "412"}),
        call("kill", {"-s", "KILL", "77"}),
        call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpui"}),
        call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpd"}),
        call("rm", {"-Rf", h + "/Library/Preferences/com.apple.help.plist", h + "/Library/Preferences/com.apple.helpviewer.plist"}),
    };
    EXPECT_EQ(waitForCalls(expected.size()), expected);
    // One second later the button is refreshed from a new listing.
    setListing("  PID TT  STAT      TIME COMMAND\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == expected.size() + 1; }, 3000));
    EXPECT_EQ(calls().last(), listProcesses());
    EXPECT_FALSE(d.outlets.clearAHVCaches.isEnabled());
}

TEST_F(HelpCaches, WithoutADaemonOrMatchingFilesOnlyTheFolderRemovalsRemain)
{
    setListing("  PID TT  STAT      TIME COMMAND\n  1 ??  Ss  0:10 /sbin/launchd\n");
    QuorrelAppDelegate& d = start();
    d.clearAHVCaches(nullptr);
    const QString h = home.home();
    EXPECT_EQ(waitForCalls(3), (QList<ToolCall>{listProcesses(), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpui"}),
                                                call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpd"})}));
}

TEST_F(HelpCaches, NothingIsRemovedOutsideTheUsersLibrary)
{
    setListing("");
    QuorrelAppDelegate& d = start();
    for (const QByteArray& badHome : {QByteArray(), QByteArray("/"), QByteArray("relative/home"), QByteArray("//")}) {
        SCOPED_TRACE(badHome.toStdString());
        home.env().set("HOME", badHome);
        clearCalls();
        d.clearAHVCaches(nullptr);
        EXPECT_EQ(waitForCalls(1), QList<ToolCall>{listProcesses()});
    }
}

TEST_F(HelpCaches, FoldersMovedElsewhereBehindLinksAreStillCleared)
{
    // Caches and Preferences moved to another disk, with links left in their place: the user's
    // own folders still, as the system's rm sees them. A target that is itself a link is passed
    // as the link, which rm removes without following.
    QTemporaryDir otherDisk;
    QDir(otherDisk.path()).mkpath("Caches/com.apple.helpd");
    QDir(otherDisk.path()).mkpath("Preferences");
    QDir(otherDisk.path()).mkpath("decoy");
    ASSERT_TRUE(QFile(otherDisk.path() + "/Preferences/com.apple.help.plist").open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile(otherDisk.path() + "/Preferences/com.apple.finder.plist").open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(otherDisk.path() + "/decoy", otherDisk.path() + "/Caches/com.apple.helpui"));
    ASSERT_TRUE(QFile::link(otherDisk.path() + "/decoy", otherDisk.path() + "/Preferences/com.apple.helpviewer.plist"));
    QDir(home.home() + "/Library").removeRecursively();
    QDir(home.home()).mkpath("Library");
    ASSERT_TRUE(QFile::link(otherDisk.path() + "/Caches", home.path("Library/Caches")));
    ASSERT_TRUE(QFile::link(otherDisk.path() + "/Preferences", home.path("Library/Preferences")));

    setListing("");
    QuorrelAppDelegate& d = start();
    d.clearAHVCaches(nullptr);
    const QString h = home.home();
    const QList<ToolCall> expected{
        listProcesses(),
        call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpui"}),
        call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpd"}),
        call("rm", {"-Rf", h + "/Library/Preferences/com.apple.help.plist", h + "/Library/Preferences/com.apple.helpviewer.plist"}),
    };
    EXPECT_EQ(waitForCalls(expected.size()), expected);

    // The same with the whole Library moved.
    QDir(home.home() + "/Library").removeRecursively();
    QFile::remove(home.path("Library"));
    QDir(otherDisk.path()).mkpath("Library");
    ASSERT_TRUE(QFile::rename(otherDisk.path() + "/Caches", otherDisk.path() + "/Library/Caches"));
    ASSERT_TRUE(QFile::rename(otherDisk.path() + "/Preferences", otherDisk.path() + "/Library/Preferences"));
    ASSERT_TRUE(QFile::link(otherDisk.path() + "/Library", home.path("Library")));
    QTest::qWait(1200); // the button's refresh a second after the first clearing
    clearCalls();
    d.clearAHVCaches(nullptr);
    EXPECT_EQ(waitForCalls(expected.size()), expected);
}

TEST_F(Preferences, TheCheckboxShowsAndStoresTheKeepOpenChoice)
{
    QuorrelAppDelegate& d = start();
    d.showPreferences(nullptr);
    QPointer<PreferencesWindowController> first = d.preferencesWindow;
    ASSERT_TRUE(first);
    auto* checkbox = qobject_cast<QCheckBox*>(first->keepInactiveWindowOpen.widget());
    ASSERT_TRUE(checkbox);
    EXPECT_FALSE(checkbox->isChecked()) << "absent means off";

    QTest::mouseClick(checkbox, Qt::LeftButton);
    EXPECT_TRUE(UserDefaults::standardUserDefaults().boolForKey(QUkeepInactiveWindowOpen));
    EXPECT_EQ(readDefault(UserDefaults::kDomain, QUkeepInactiveWindowOpen), "1\n") << "stored at once";
    d.applicationWillBecomeActive({});
    d.applicationWillResignActive({});
    EXPECT_TRUE(d.window().isVisible());

    // A second window opens beside the first and shows the stored value.
    d.showPreferences(nullptr);
    ASSERT_NE(d.preferencesWindow, first);
    EXPECT_TRUE(first->window()->isVisible());
    auto* second = qobject_cast<QCheckBox*>(d.preferencesWindow->keepInactiveWindowOpen.widget());
    EXPECT_TRUE(second->isChecked());
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_FALSE(UserDefaults::standardUserDefaults().boolForKey(QUkeepInactiveWindowOpen));
    d.applicationWillBecomeActive({});
    d.applicationWillResignActive({});
    EXPECT_FALSE(d.window().isVisible());

    // Closing frees the window and its controller.
    QTest::mouseClick(qobject_cast<QPushButton*>(first->closeButton.widget()), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 2000));
    EXPECT_TRUE(d.preferencesWindow);
}

TEST_F(Preferences, HelpOpensTheProgramsOwnPageAndRefreshesTheButtonASecondLater)
{
    setListing("  PID TT\n  5 ?? /usr/sbin/helpd\n");
    QuorrelAppDelegate& d = start();
    Application application(*qApp, &d);
    d.myShowHelp(nullptr);
    ASSERT_TRUE(application.helpWindow());
    EXPECT_TRUE(application.helpWindow()->isVisible());
    EXPECT_TRUE(application.helpWindow()->toPlainText().contains("Clear Help Caches"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == 1; }, 3000));
    EXPECT_EQ(calls(), QList<ToolCall>{listProcesses()});
}
