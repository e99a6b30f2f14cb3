// Finder and Dock actions, clearing the help viewer's caches, and the preferences window.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "Classes/MyOSVersion.h"
#include "Classes/PreferencesWindowController.h"
#include "platform/host/UserDefaults.h"
#include "tests/support/ScopedReadLimits.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>

#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;

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
        {"  PID TTY           TIME CMD\n  812 ??         0:00.41 /System/Library/PrivateFrameworks/HelpData.framework/Versions/A/Resources/helpd\n", true},
        {"  PID TT  STAT      TIME COMMAND\n  9 ??  S  0:00 /Applications/x.app/Contents/helpdesk\n", false},
        {"", false},
        {"  PID TT\n  812 ??  0:00.01 \xff\xfe helpd\n", false}, // not UTF-8: no lines at all
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
    setListing(huge + "  77 ?? S 0:00.00 /usr/sbin/helpd\n");
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
               "\t \u3000 77 ??  S   0:00.1 /System/Library/helpd --x\n" // blanks of every kind
               "  300 ??  S   0:00.1 /usr/sbin/notthedaemon\n"
               "    0 ??  S   0:00.1 helpd\n" // 0 addresses a group
               "   -1 ??  S   0:00.1 helpd\n"
               + QByteArray::number(getpid()) + " ?? S 0:01.00 helpd\n" // never ourselves
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

// A help daemon line is one whose command is the program "helpd" itself: the last path component
// of the command's first word. Other programs whose lines merely hold the letters are the user's
// own work (an editor on a file named after a help desk) and must survive a clearing.
TEST_F(HelpCaches, OnlyTheHelpDaemonItselfIsEndedOrEnablesTheButton)
{
    const QByteArray decoys = "  PID TTY           TIME CMD\n"
                              "  501 ttys000    0:00.12 vim /Users/ann/notes/helpdesk-rota.md\n"
                              "  502 ??         0:00.01 /usr/bin/helpdesk\n"
                              "  503 ttys001    0:00.00 grep helpd\n"
                              "  504 ??         0:00.00 /usr/sbin/helpd.old\n"
                              "  505 ??         0:00.00 /Users/ann/helpd/bin/editor helpd\n"
                              "  506 ??         0:00.00 less /usr/sbin/helpd\n"
                              "  507 ??         0:00.00 xhelpd\n"
                              "  508 ??         0:00.00 /usr/sbin/helpd/\n"
                              "  509 ??  helpd\n"
                              "  helpd\n"
                              "  510 helpd 0:00.00 /bin/sh\n";
    setListing(decoys);
    QuorrelAppDelegate& d = start();
    EXPECT_FALSE(d.checkAHVCaches());
    EXPECT_FALSE(d.outlets.clearAHVCaches.isEnabled());
    clearCalls();
    d.clearAHVCaches(nullptr);
    const QString h = home.home();
    EXPECT_EQ(waitForCalls(3), (QList<ToolCall>{listProcesses(), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpui"}), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpd"})}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == 4; }, 5000)) << "the refresh a second later";

    // The daemon among them, in the Mac's own listing format and in the long one.
    setListing(decoys + "  611 ??         0:03.17 /System/Library/PrivateFrameworks/HelpData.framework/Versions/A/Resources/helpd\n"
                        "  612 ??  Ss     0:00.02 helpd -x\n");
    EXPECT_TRUE(d.checkAHVCaches());
    clearCalls();
    d.clearAHVCaches(nullptr);
    EXPECT_EQ(waitForCalls(5), (QList<ToolCall>{listProcesses(), call("kill", {"-s", "KILL", "611"}), call("kill", {"-s", "KILL", "612"}), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpui"}), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpd"})}));
}

// Only ids a process can have reach kill: anything else would address every process (-1 after
// wrapping), the caller's own group (0) or another process than the one listed.
TEST_F(HelpCaches, ProcessIdsOutsideThePlatformsRangeAreNeverPassedOn)
{
    setListing("  PID TTY           TIME CMD\n"
               "4294967295 ??         0:00.00 /usr/sbin/helpd\n"
               "4294967296 ??         0:00.00 /usr/sbin/helpd\n"
               "2147483648 ??         0:00.00 /usr/sbin/helpd\n"
               "18446744073709551615 ??         0:00.00 /usr/sbin/helpd\n"
               "99999999999999999999999 ??         0:00.00 /usr/sbin/helpd\n"
               "  +41 ??         0:00.00 /usr/sbin/helpd\n"
               "  042 ??         0:00.00 /usr/sbin/helpd\n"
               "  43x ??         0:00.00 /usr/sbin/helpd\n"
               "  \u0664\u0664 ??         0:00.00 /usr/sbin/helpd\n" // Arabic-Indic digits
               "2147483647 ??         0:00.00 /usr/sbin/helpd\n");
    QuorrelAppDelegate& d = start();
    d.clearAHVCaches(nullptr);
    const QString h = home.home();
    EXPECT_EQ(waitForCalls(4), (QList<ToolCall>{listProcesses(), call("kill", {"-s", "KILL", "2147483647"}), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpui"}), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpd"})}));
    setListing("  PID TTY           TIME CMD\n4294967295 ??         0:00.00 /usr/sbin/helpd\n");
    EXPECT_FALSE(d.checkAHVCaches()) << "a line no kill can reach does not enable the button";
}

TEST_F(HelpCaches, WithoutADaemonOrMatchingFilesOnlyTheFolderRemovalsRemain)
{
    setListing("  PID TT  STAT      TIME COMMAND\n  1 ??  Ss  0:10 /sbin/launchd\n");
    QuorrelAppDelegate& d = start();
    d.clearAHVCaches(nullptr);
    const QString h = home.home();
    EXPECT_EQ(waitForCalls(3), (QList<ToolCall>{listProcesses(), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpui"}), call("rm", {"-Rf", h + "/Library/Caches/com.apple.helpd"})}));
}

TEST_F(HelpCaches, NothingIsRemovedOutsideTheUsersLibrary)
{
    setListing("");
    QuorrelAppDelegate& d = start();
    ASSERT_TRUE(QFile(home.path("a-file")).open(QIODevice::WriteOnly));
    // Each of these is "/" or no folder at all once resolved; "/.." passes for a folder of its own
    // when only cleaned, and its Library is the system's.
    for (const QByteArray& badHome : {QByteArray(), QByteArray("/"), QByteArray("relative/home"), QByteArray("//"),
                                      QByteArray("/.."), QByteArray("/tmp/../.."), QByteArray("/../../"),
                                      QByteArray("/./"), QFile::encodeName(home.path("missing")),
                                      QFile::encodeName(home.path("a-file"))}) {
        SCOPED_TRACE(badHome.toStdString());
        home.env().set("HOME", badHome);
        clearCalls();
        d.clearAHVCaches(nullptr);
        EXPECT_EQ(waitForCalls(1), QList<ToolCall>{listProcesses()});
        // The refresh a second later, before the next round counts its launches.
        EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == 2; }, 5000));
    }
}

// HOME is taken as the bytes it is and resolved once: what rm is given is the folder HOME names.
TEST_F(HelpCaches, TheHomeFolderIsTheOneHomesBytesName)
{
    setListing("");
    QuorrelAppDelegate& d = start();
    const QByteArray parent = QFile::encodeName(home.path(QStringLiteral("homes")));
    const QByteArray odd = parent + "/ann\xff";
    const QByteArray lookalike = parent + "/ann\xef\xbf\xbd"; // what a lossy decoding makes of it
    for (const QByteArray& folder : {parent, odd, lookalike, lookalike + "/Library", lookalike + "/Library/Caches",
                                     lookalike + "/Library/Caches/com.apple.helpui"})
        ASSERT_EQ(::mkdir(folder.constData(), 0700), 0) << folder.toStdString();
    home.env().set("HOME", odd);
    clearCalls();
    d.clearAHVCaches(nullptr);
    EXPECT_EQ(waitForCalls(1), QList<ToolCall>{listProcesses()}) << "no path can name that folder exactly";
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == 2; }, 5000)) << "the refresh a second later";
    ASSERT_EQ(::rename(odd.constData(), (parent + "/ann-odd").constData()), 0); // for the clean-up

    // A link as HOME: the folder it leads to, resolved once.
    const QString real = home.path(QStringLiteral("real-home"));
    ASSERT_TRUE(QDir().mkpath(real + QStringLiteral("/Library/Preferences")));
    ASSERT_TRUE(QFile(real + QStringLiteral("/Library/Preferences/com.apple.help.plist")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(real, home.path(QStringLiteral("home-link"))));
    home.env().set("HOME", QFile::encodeName(home.path(QStringLiteral("home-link")) + QStringLiteral("/")));
    clearCalls();
    d.clearAHVCaches(nullptr);
    const QString resolved = QFileInfo(real).canonicalFilePath();
    EXPECT_EQ(waitForCalls(4), (QList<ToolCall>{listProcesses(), call("rm", {"-Rf", resolved + "/Library/Caches/com.apple.helpui"}), call("rm", {"-Rf", resolved + "/Library/Caches/com.apple.helpd"}), call("rm", {"-Rf", resolved + "/Library/Preferences/com.apple.help.plist"})}));
}

// A listing that ends by the time limit took the whole limit; the next tick must not start
// another one at once, or a hanging ps freezes the window for good.
TEST_F(HelpCaches, AListingThatTimesOutMakesThePeriodicRefreshBackOff)
{
    setListing("  PID TTY           TIME CMD\n  5 ??         0:00.00 /usr/sbin/helpd\n");
    QuorrelAppDelegate& d = start();
    const ScopedReadLimits limits({1500ms, 1s, 1 << 20});
    {
        QFile stall(toolRoot + QStringLiteral("/ps-stall"));
        ASSERT_TRUE(stall.open(QIODevice::WriteOnly));
        stall.write("  PID TTY           TIME CMD\n");
    }
    const auto listings = [&] {
        const QList<ToolCall> all = calls();
        return std::count_if(all.begin(), all.end(), [](const ToolCall& c) { return c.tool == "ps"; });
    };
    clearCalls();
    const int ticks = 20;
    for (int tick = 0; tick < ticks; ++tick)
        d.periodicAHVCacheRefresh();
    EXPECT_FALSE(d.outlets.clearAHVCaches.isEnabled());
    EXPECT_GE(listings(), 2) << "it keeps trying";
    EXPECT_LE(listings(), ticks / 3) << "every tick started a listing that was bound to hang";

    // Once ps answers again, the refresh finds it within a minute of ticks and is back to every tick.
    QFile::remove(toolRoot + QStringLiteral("/ps-stall"));
    for (int tick = 0; tick < 13 && !d.outlets.clearAHVCaches.isEnabled(); ++tick)
        d.periodicAHVCacheRefresh();
    EXPECT_TRUE(d.outlets.clearAHVCaches.isEnabled());
    clearCalls();
    for (int tick = 0; tick < 3; ++tick)
        d.periodicAHVCacheRefresh();
    EXPECT_EQ(listings(), 3);
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
    // The button's refresh a second after the first clearing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == expected.size() + 1; }, 60000));
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
    setListing("  PID TT\n  5 ?? 0:00.00 /usr/sbin/helpd\n");
    QuorrelAppDelegate& d = start();
    Application application(*qApp, &d);
    d.myShowHelp(nullptr);
    ASSERT_TRUE(application.helpWindow());
    EXPECT_TRUE(application.helpWindow()->isVisible());
    EXPECT_TRUE(application.helpWindow()->toPlainText().contains("Clear Help Caches"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == 1; }, 3000));
    EXPECT_EQ(calls(), QList<ToolCall>{listProcesses()});
}
