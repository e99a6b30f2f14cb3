// The program's own settings: changes made from outside are seen where they are read, and a
// value that could not be stored is neither lost nor passed off as stored.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "platform/host/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

namespace {

using OwnSettings = QuorrelFixture;

QString ownFile(const TestHome& home)
{
    return home.path(QStringLiteral("Library/Preferences/") + UserDefaults::kDomain + QStringLiteral(".plist"));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST_F(OwnSettings, AKeepOpenChoiceWrittenFromATerminalCountsAtTheNextDeactivation)
{
    QuorrelAppDelegate& d = start();
    d.applicationWillBecomeActive({});
    d.applicationWillResignActive({});
    EXPECT_FALSE(d.window().isVisible()) << "absent: the window hides";

    // `defaults write org.quorrel.Quorrel QUkeepInactiveWindowOpen -bool true` while Quorrel runs.
    writeOwnDefault(QUkeepInactiveWindowOpen, QStringLiteral("1"));
    for (const char* value : {"true", "false", "YES"}) {
        SCOPED_TRACE(value);
        QProcess::execute(buildPath(QStringLiteral("defaults")),
                          {"write", UserDefaults::kDomain, QUkeepInactiveWindowOpen, "-bool", value});
        d.applicationWillBecomeActive({});
        d.applicationWillResignActive({});
        EXPECT_EQ(d.window().isVisible(), QByteArray(value) != "false");
    }
    QProcess::execute(buildPath(QStringLiteral("defaults")), {"delete", UserDefaults::kDomain, QUkeepInactiveWindowOpen});
    d.applicationWillBecomeActive({});
    d.applicationWillResignActive({});
    EXPECT_FALSE(d.window().isVisible()) << "deleted: hidden again";
}

TEST_F(OwnSettings, AValueThatCannotBeStoredIsKeptAndStoredOnceItCanBe)
{
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.synchronize();
    // A file the store will not rewrite: not a property list at all.
    QDir().mkpath(home.path("Library/Preferences"));
    {
        QFile file(ownFile(home));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a property list, and not ours to replace");
    }
    const QByteArray garbage = bytesOf(ownFile(home));

    EXPECT_FALSE(defaults.setObject(QStringList{"de_DE"}, kPreferredLocalesKey));
    EXPECT_EQ(defaults.stringArrayForKey(kPreferredLocalesKey), QStringList{"de_DE"}) << "the session keeps it";
    EXPECT_FALSE(defaults.synchronize()) << "nothing stored, and synchronize says so";
    EXPECT_EQ(defaults.stringArrayForKey(kPreferredLocalesKey), QStringList{"de_DE"}) << "not lost by synchronize";
    EXPECT_EQ(bytesOf(ownFile(home)), garbage) << "the file is never rewritten";

    // Once the file is out of the way the value reaches the store.
    QFile::remove(ownFile(home));
    EXPECT_TRUE(defaults.synchronize());
    EXPECT_EQ(readDefault(UserDefaults::kDomain, kPreferredLocalesKey), "(\n    \"de_DE\"\n)\n");

    // A folder in the way of the file, and a value with no property-list form.
    QFile::remove(ownFile(home));
    ASSERT_TRUE(QDir().mkpath(ownFile(home)));
    EXPECT_FALSE(defaults.setBool(true, QUkeepInactiveWindowOpen));
    EXPECT_TRUE(defaults.boolForKey(QUkeepInactiveWindowOpen));
    ASSERT_TRUE(QDir(ownFile(home)).removeRecursively());
    EXPECT_FALSE(defaults.setObject(QVariant::fromValue(QPoint(1, 2)), QStringLiteral("Odd")));
    EXPECT_TRUE(defaults.synchronize()) << "the boolean is stored now, the odd value is refused for good";
    EXPECT_EQ(readDefault(UserDefaults::kDomain, QUkeepInactiveWindowOpen), "1\n");
    EXPECT_FALSE(defaults.objectForKey(QStringLiteral("Odd")).isValid());
}

TEST_F(OwnSettings, AnEntryAddedWhileTheStoreIsUnwritableIsNotLost)
{
    writeGlobal("AppleLanguages", "(de, en)");
    writeGlobal("AppleLocale", "de_DE");
    QuorrelAppDelegate& d = start();
    QDir().mkpath(home.path("Library/Preferences"));
    ASSERT_TRUE(QDir().mkpath(ownFile(home))); // a folder where the file would go

    d.addPreferredLocale(nullptr); // stores and synchronizes at once
    EXPECT_EQ(d.outlets.preferredLocalesMenu->itemTitles(), QStringList{"de_DE"});
    EXPECT_EQ(UserDefaults::standardUserDefaults().stringArrayForKey(kPreferredLocalesKey), QStringList{"de_DE"})
        << "the failed store did not drop the entry";

    ASSERT_TRUE(QDir(ownFile(home)).removeRecursively());
    EXPECT_TRUE(UserDefaults::standardUserDefaults().synchronize());
    EXPECT_EQ(readDefault(UserDefaults::kDomain, kPreferredLocalesKey), "(\n    \"de_DE\"\n)\n");
}

TEST_F(OwnSettings, AFifoInPlaceOfTheSettingsFileNeitherHangsStartUpNorIsReplaced)
{
    QDir().mkpath(home.path("Library/Preferences"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ownFile(home)).constData(), 0600), 0);
    QuorrelAppDelegate& d = start(); // reads the settings: would wait for a writer for ever
    d.applicationWillBecomeActive({});
    d.applicationWillResignActive({});
    EXPECT_FALSE(d.window().isVisible());
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    EXPECT_FALSE(defaults.setBool(true, QUkeepInactiveWindowOpen)) << "nothing is stored in place of a FIFO";
    EXPECT_TRUE(defaults.boolForKey(QUkeepInactiveWindowOpen)) << "the session keeps it";
    EXPECT_TRUE(QFileInfo(ownFile(home)).isFile() == false && QFileInfo::exists(ownFile(home)));
}

// HOME's bytes name the folder; a byte that is not UTF-8 must not turn it into another one.
TEST_F(OwnSettings, AHomeNotInUtf8NeverLeadsTheSettingsIntoAnotherFolder)
{
    const QByteArray parent = QFile::encodeName(home.path(QStringLiteral("homes")));
    const QByteArray odd = parent + "/ann\xff";
    const QByteArray lookalike = parent + "/ann\xef\xbf\xbd"; // U+FFFD, what a lossy decoding makes of it
    for (const QByteArray& folder : {parent, odd, lookalike})
        ASSERT_EQ(::mkdir(folder.constData(), 0700), 0) << folder.toStdString();
    home.env().set("HOME", odd);
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setBool(true, QUkeepInactiveWindowOpen);
    defaults.synchronize();
    struct stat st {};
    EXPECT_NE(::stat((lookalike + "/Library").constData(), &st), 0)
        << "the settings went to a folder HOME does not name";
    EXPECT_EQ(::stat((odd + "/Library/Preferences/org.quorrel.Quorrel.plist").constData(), &st), 0)
        << "the settings are stored where HOME says";
    // A name the temporary folder's own clean-up can reach.
    EXPECT_EQ(::rename(odd.constData(), (parent + "/ann-odd").constData()), 0);
}

} // namespace
