// Start-up, activation, termination and the full refresh, against real tools in a temporary HOME.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "platform/host/UserDefaults.h"

#include <QBackingStore>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <unicode/locid.h>

#include <functional>
#include <optional>

using Startup = QuorrelFixture;

namespace {

// Hands every event of the application to `seen`, for as long as it lives.
class EventWatch : public QObject {
public:
    explicit EventWatch(std::function<void(QObject*, QEvent*)> seen) : seen_(std::move(seen)) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        seen_(watched, event);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> seen_;
};

} // namespace

TEST_F(Startup, WithoutSavedEntriesTheMenuIsEmptyAndStartUpReadsOnlyWhatTheRefreshNeeds)
{
    QuorrelAppDelegate& d = start(true, true);
    EXPECT_EQ(d.outlets.preferredLocalesMenu->numberOfItems(), 0);
    EXPECT_FALSE(d.outlets.preferredLocalesMenu->isEnabled());
    EXPECT_FALSE(d.outlets.removePreferredLocale.isEnabled());
    EXPECT_TRUE(d.outlets.removePreferredLocale.isHidden());
    EXPECT_TRUE(d.outlets.circularProgressIndicator->isHidden());
    ASSERT_TRUE(QuorrelAppDelegate::timer);
    EXPECT_TRUE(QuorrelAppDelegate::timer->isValid());
    EXPECT_DOUBLE_EQ(QuorrelAppDelegate::timer->timeInterval(), 5.0);
    // The refresh: languages, region, fallback menu (no entry, so one read), help daemon listing.
    EXPECT_EQ(calls(), (QList<ToolCall>{readLanguages(), readLocale(), readLanguages(), listProcesses()}));
    EXPECT_EQ(d.languages, (QStringList{"en", "de", "fr"}));
    EXPECT_EQ(d.locales.value(0), "en_US");
}

// While start-up waits out its first pause, before it has read anything, the window is drawn
// once off screen, still hidden (so that its first frame finds fonts and glyphs ready); it is
// drawn on screen only once shown, after the refresh, and start-up launches what it always did.
TEST_F(Startup, TheHiddenWindowIsDrawnOffScreenBeforeTheFirstReadAndOnScreenAfterTheRefresh)
{
    std::optional<qsizetype> launchesAtHiddenPaint;
    std::optional<qsizetype> launchesAtShownPaint;
    const EventWatch watch([&](QObject* object, QEvent* event) {
        const auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() != QEvent::Paint || !widget || widget->window()->objectName() != QLatin1String("MainWindow"))
            return;
        std::optional<qsizetype>& first = widget->window()->isVisible() ? launchesAtShownPaint : launchesAtHiddenPaint;
        if (!first)
            first = calls().size();
    });
    start(true, false);
    ASSERT_TRUE(launchesAtHiddenPaint.has_value()) << "the window was not drawn before it was shown";
    EXPECT_EQ(*launchesAtHiddenPaint, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launchesAtShownPaint.has_value(); }));
    EXPECT_GE(launchesAtShownPaint.value_or(0), 4);
    EXPECT_EQ(calls().mid(0, 4), (QList<ToolCall>{readLanguages(), readLocale(), readLanguages(), listProcesses()}));
}

// By the time the window is shown after the refresh, it has been drawn, still hidden, into the
// very backing store its first frame goes to, at the size it is shown with: the first frame finds
// that memory in place. Start-up launches what it always did.
TEST_F(Startup, TheWindowIsShownWithItsBackingStoreAlreadyDrawnAtItsSize)
{
    std::optional<QSize> storeAtShow;
    std::optional<QSize> windowAtShow;
    const EventWatch watch([&](QObject* object, QEvent* event) {
        const auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() != QEvent::Show || !widget || !widget->isWindow() || widget->objectName() != QLatin1String("MainWindow")
            || storeAtShow)
            return;
        const QBackingStore* store = widget->backingStore();
        storeAtShow = store ? store->size() : QSize();
        windowAtShow = widget->size();
    });
    start(true, false);
    ASSERT_TRUE(storeAtShow.has_value());
    EXPECT_FALSE(storeAtShow->isEmpty()) << "the window was not drawn into its backing store before it was shown";
    EXPECT_EQ(*storeAtShow, *windowAtShow);
    EXPECT_EQ(calls().mid(0, 4), (QList<ToolCall>{readLanguages(), readLocale(), readLanguages(), listProcesses()}));
}

TEST_F(Startup, SelectsTheSavedEntryOfTheCurrentRegionTheLastOneWhenSeveralMatch)
{
    writeGlobal("AppleLocale", "fr_FR");
    writeOwnDefault(kPreferredLocalesKey, "(de_DE, fr_FR)");
    QuorrelAppDelegate& d = start(true);
    EXPECT_EQ(d.outlets.preferredLocalesMenu->itemTitles(), (QStringList{"de_DE", "fr_FR"}));
    EXPECT_EQ(d.outlets.preferredLocalesMenu->indexOfSelectedItem(), 1);
    EXPECT_TRUE(d.outlets.preferredLocalesMenu->isEnabled());
    EXPECT_TRUE(d.outlets.removePreferredLocale.isEnabled());
    EXPECT_FALSE(d.outlets.removePreferredLocale.isHidden());
    // Start-up reads the region once itself before the refresh.
    EXPECT_EQ(calls(), (QList<ToolCall>{readLocale(), readLanguages(), readLocale(), readLanguages(), listProcesses()}));

    writeOwnDefault(kPreferredLocalesKey, "(\"fr_FR,de\", de_DE, fr_FR, en_GB)");
    EXPECT_EQ(start().outlets.preferredLocalesMenu->indexOfSelectedItem(), 2);
    writeOwnDefault(kPreferredLocalesKey, "(de_DE, en_GB)");
    EXPECT_EQ(start().outlets.preferredLocalesMenu->indexOfSelectedItem(), 0);
}

TEST_F(Startup, HandEditedSavedEntriesLoadWithoutLossOrCrash)
{
    const QString preferences = home.path("Library/Preferences/org.quorrel.Quorrel.plist");
    auto storedBytes = [&] {
        QFile file(preferences);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const struct {
        const char* stored;
        QStringList loaded;
    } cases[] = {
        {"hello", {}},             // not a list
        {"(de_DE, (nested))", {}}, // a list holding a non-text
        {"{ a = b; }", {}},        // a dictionary
        {"(\"\", d, \"de_DE,,,x\", \"fr_FR,en,ja,zh\")", {"", "d", "de_DE,,,x", "fr_FR,en,ja,zh"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        writeOwnDefault(kPreferredLocalesKey, c.stored);
        const QByteArray before = storedBytes();
        QuorrelAppDelegate& d = start();
        EXPECT_EQ(d.myPreferredLocales, c.loaded);
        EXPECT_EQ(d.outlets.preferredLocalesMenu->numberOfItems(), c.loaded.size());
        EXPECT_EQ(storedBytes(), before) << "merely starting must store nothing";
    }
}

TEST_F(Startup, TheAddButtonNeedsTheRegionsLanguageFirst)
{
    const struct {
        const char* languages;
        const char* locale;
        bool enabled;
    } cases[] = {
        {"(de, en)", "de_DE", true},
        {"(en-GB, de)", "en_GB", true},
        {"(pt, en)", "pt_BR", true},
        {"(en, de)", "de_DE", false},
        {"(e, de)", "e", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        writeGlobal("AppleLanguages", c.languages);
        writeGlobal("AppleLocale", c.locale);
        EXPECT_EQ(start().outlets.addPreferredLocale.isEnabled(), c.enabled);
    }
}

TEST_F(Startup, AMissingRegionOrLanguageOrderStillGivesAWorkingWindow)
{
    QFile::remove(home.path("Library/Preferences/.GlobalPreferences.plist"));
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(d.languages, QStringList{""});
    EXPECT_EQ(d.locales, QStringList{""});
    EXPECT_FALSE(d.outlets.addPreferredLocale.isEnabled()) << "an empty region can never be saved";
    EXPECT_EQ(d.outlets.languagesTable->model()->rowCount(), 1);

    // No tool at all: nothing but empty reads.
    QDir(toolRoot).removeRecursively();
    QuorrelAppDelegate& bare = start();
    EXPECT_EQ(bare.languages, QStringList{""});
    EXPECT_FALSE(bare.outlets.clearAHVCaches.isEnabled());
}

TEST_F(Startup, TheWindowHidesWhenInactiveUnlessTheUserKeepsItOpen)
{
    QuorrelAppDelegate& d = start();
    QWidget* window = d.window().widget();
    d.applicationWillBecomeActive({});
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(d.isActive());
    EXPECT_TRUE(d.applicationShouldTerminateAfterLastWindowClosed(nullptr));

    d.applicationWillResignActive({});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(d.isActive());
    EXPECT_FALSE(d.applicationShouldTerminateAfterLastWindowClosed(nullptr));
    d.applicationWillBecomeActive({});
    EXPECT_TRUE(window->isVisible());

    UserDefaults::standardUserDefaults().setBool(true, QUkeepInactiveWindowOpen);
    d.applicationWillResignActive({});
    EXPECT_TRUE(window->isVisible());
    // Each activation change refreshes the help-cache button, and only that.
    EXPECT_EQ(waitForCalls(4), (QList<ToolCall>{listProcesses(), listProcesses(), listProcesses(), listProcesses()}));
}

TEST_F(Startup, ALocaleChangeRefreshesEverythingAndTerminationStopsObserving)
{
    QuorrelAppDelegate& d = start();
    writeGlobal("AppleLanguages", "(fr, en)");
    NotificationCenter::defaultCenter().postNotificationName(kCurrentLocaleDidChangeNotification, nullptr);
    EXPECT_EQ(d.languages, (QStringList{"fr", "en"}));
    EXPECT_EQ(calls().size(), 4);

    d.applicationWillTerminate({});
    EXPECT_FALSE(d.languageTableData);
    EXPECT_TRUE(d.myPreferredLocales.isEmpty());
    clearCalls();
    for (const QString& name : {kCurrentLocaleDidChangeNotification, kMyNotificationLanguagesHaveBeenUpdated,
                                kMyNotificationLocalesHaveBeenUpdated})
        NotificationCenter::defaultCenter().postNotificationName(name, nullptr);
    EXPECT_TRUE(settledCalls().isEmpty());
}

TEST_F(Startup, TheTimerRefreshesTheHelpCacheButton)
{
    setListing("  PID TTY   TIME CMD\n  42 ??  0:00.1 /usr/sbin/helpd\n");
    QuorrelAppDelegate& d = start(false, true);
    EXPECT_TRUE(d.outlets.clearAHVCaches.isEnabled());
    setListing("  PID TTY   TIME CMD\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d.outlets.clearAHVCaches.isEnabled(); }, 8000));
    EXPECT_EQ(calls().value(0), listProcesses());
}

// Whatever Qt keeps for a program (settings, caches, its runtime folder, temporary files) goes to
// the test program's own folders inside the build, never to the real home or to /tmp.
TEST(TestFolders, WhatQtKeepsGoesToTheTestProgramsOwnFolders)
{
    const QString scratch = QDir(QStringLiteral(QUORREL_TEST_SCRATCH)).canonicalPath();
    ASSERT_FALSE(scratch.isEmpty());
    const QString own = QDir(qEnvironmentVariable("HOME") + QStringLiteral("/..")).canonicalPath();
    EXPECT_TRUE(own.startsWith(scratch + QStringLiteral("/tmp/quorrel-test-"))) << own.toStdString();
    for (const char* name : {"HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const QString path = QDir(qEnvironmentVariable(name)).canonicalPath();
        EXPECT_TRUE(!own.isEmpty() && path.startsWith(own + QLatin1Char('/'))) << name << ": " << path.toStdString();
    }
    for (const auto location : {QStandardPaths::CacheLocation, QStandardPaths::GenericCacheLocation,
                                QStandardPaths::ConfigLocation, QStandardPaths::GenericConfigLocation,
                                QStandardPaths::AppDataLocation, QStandardPaths::RuntimeLocation,
                                QStandardPaths::TempLocation}) {
        const QString path = QStandardPaths::writableLocation(location);
        EXPECT_TRUE(!own.isEmpty() && path.startsWith(own + QLatin1Char('/'))) << int(location) << ": " << path.toStdString();
    }
}

// The machine's own locale reaches no test: not Qt, not ICU's default, not the tools a test starts.
TEST(TestFolders, TheMachinesLocaleReachesNoTest)
{
    EXPECT_EQ(qgetenv("LC_ALL"), QByteArray("C.UTF-8"));
    EXPECT_EQ(qgetenv("LANG"), QByteArray("C.UTF-8"));
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("LANGUAGE"));
    EXPECT_STREQ(icu::Locale::getDefault().getName(), "en_US_POSIX");
    EXPECT_EQ(QLocale().name(), QStringLiteral("C"));
}

// Started without the tools it works with (straight from the build rather than through
// scripts/run), Quorrel says so on stderr and in one line at the top of its window, naming
// scripts/run. A Mac always has its tools.
TEST_F(Startup, WithoutItsToolsQuorrelSaysSoAndPointsAtScriptsRun)
{
#ifdef Q_OS_MACOS
    GTEST_SKIP() << "a Mac has its tools";
#endif
    QWidget* window = start().window().widget();
    EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("toolsMissing"))) << "with every tool there";

    const QString noTools = home.path(QStringLiteral("no-tools"));
    ASSERT_TRUE(QDir().mkpath(noTools));
    home.env().set("QUORREL_TOOL_ROOT", QFile::encodeName(noTools));
    QTranslator english; // as the program loads it at launch
    ASSERT_TRUE(english.load(QStringLiteral("quorrel_en"), QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&english);
    window = start().window().widget();
    QCoreApplication::removeTranslator(&english);
    const QLabel* line = window->findChild<QLabel*>(QStringLiteral("toolsMissing"));
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->isVisibleTo(window));
    EXPECT_TRUE(line->text().contains(QStringLiteral("scripts/run"))) << line->text().toStdString();

    // The program itself, as a newcomer starts it.
    QProcess quorrel;
    quorrel.start(buildPath(QStringLiteral("quorrel")), {});
    ASSERT_TRUE(quorrel.waitForStarted());
    QByteArray said;
    const bool told = QTest::qWaitFor([&] {
        said += quorrel.readAllStandardError();
        return said.contains("scripts/run") || quorrel.state() == QProcess::NotRunning;
    },
                                      60000);
    quorrel.kill();
    quorrel.waitForFinished();
    EXPECT_TRUE(told && said.contains("scripts/run")) << said.toStdString();
    EXPECT_TRUE(said.contains(QFile::encodeName(noTools) + "/usr/bin/defaults")) << said.toStdString();
}
