// The controller's costs: one full refresh beyond its pauses (with the layout and the paint it
// leads to), long language lists, the first frame against a bare window, and the memory after
// start-up. Runs against the `defaults` stand-in in a temporary HOME and this machine's real
// `ps -ax` listing; not part of the test suite. Figures meant as goals are ratios of two costs
// measured in turns in one run, so that a busy machine slows both alike.
#include "BareWindow.h"
#include "Classes/MainInterface.h"
#include "Classes/MyRunUsrCommands.h"
#include "Classes/QuorrelAppDelegate.h"
#include "tests/support/ProcessStats.h"

#include "platform/Locale.h"
#include "plist/PlistStore.h"

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// A temporary HOME seeded with en, de, fr and en_US, and a tool root holding the stand-in
// `defaults` and the system's own `ps`, which lists this machine's processes as a Mac's does, and
// `/bin/false` in the place of the tools no benchmark starts.
// The version numbers are the program's own default (a current macOS) unless a benchmark says.
struct Sandbox {
    Sandbox()
    {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("QUORREL_TOOL_ROOT", QFile::encodeName(root.path()));
        qunsetenv("QUORREL_CF_VERSION");
        const QString defaults = QCoreApplication::applicationDirPath() + QStringLiteral("/defaults");
        QDir(root.path()).mkpath(QStringLiteral("usr/bin"));
        QDir(root.path()).mkpath(QStringLiteral("bin"));
        QFile::link(defaults, root.filePath(QStringLiteral("usr/bin/defaults")));
        QFile::link(QStringLiteral("/bin/ps"), root.filePath(QStringLiteral("bin/ps"))); // where a Mac has it too
        // Never started here, but present: without them the window would carry a note on the
        // missing tools and not be the window a user gets.
        for (const char* tool : {"bin/kill", "bin/rm", "usr/bin/killall"})
            QFile::link(QStringLiteral("/bin/false"), root.filePath(QLatin1String(tool)));
        QProcess::execute(defaults, {"write", "-g", "AppleLanguages", "(en,de,fr)"});
        QProcess::execute(defaults, {"write", "-g", "AppleLocale", "en_US"});
    }
    QTemporaryDir home;
    QTemporaryDir root;
};

Sandbox& sandbox()
{
    static Sandbox instance;
    return instance;
}

// updateUI pauses 0.5 s before each of its two reads of the language order (no saved entry).
constexpr double kPausesPerRefresh = 1.0;

// Registered first, so that it measures a process that has started once and done nothing else.
void BM_ResidentMemoryAfterStartUp(benchmark::State& state)
{
    sandbox();
    std::unique_ptr<QuorrelAppDelegate> delegate;
    for (auto _ : state) {
        delegate = loadMainInterface();
        delegate->window().widget()->show();
        QApplication::processEvents();
    }
    state.counters["rss_MB"] = residentKiB() / 1024.0;
}
BENCHMARK(BM_ResidentMemoryAfterStartUp)->Iterations(1)->Unit(benchmark::kMillisecond);

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// One refresh as the user gets it, in milliseconds beyond its pauses: updateUI, then the layout
// Qt defers to the event loop, then a paint of the shown window.
double refreshLaidOutAndPainted(QuorrelAppDelegate& delegate)
{
    QWidget* window = delegate.window().widget();
    QElapsedTimer clock;
    clock.start();
    delegate.updateUI();
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
    window->repaint();
    return clock.nsecsElapsed() / 1e6 - kPausesPerRefresh * 1000;
}

// The version numbers of an older macOS, whose refresh reads the language order without
// "AppleLocale" (three `defaults` reads instead of five), for the benchmark's lifetime.
struct OlderSystem {
    explicit OlderSystem(bool older)
    {
        if (older)
            qputenv("QUORREL_CF_VERSION", "1299");
    }
    ~OlderSystem() { qunsetenv("QUORREL_CF_VERSION"); }
};

// Arg 0: a current macOS (the program's default): five `defaults` reads and one `ps -ax`.
// Arg 1: an older one: three reads and one `ps -ax`.
void BM_UpdateUIBeyondPauses(benchmark::State& state)
{
    sandbox();
    const OlderSystem version(state.range(0) == 1);
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    delegate->window().widget()->show();
    QApplication::processEvents();
    for (auto _ : state)
        state.SetIterationTime(refreshLaidOutAndPainted(*delegate) / 1000);
    state.SetLabel(state.range(0) == 1 ? "older macOS: 3 reads + ps -ax, layout and paint, minus 1.0 s of pauses"
                                       : "current macOS: 5 reads + ps -ax, layout and paint, minus 1.0 s of pauses");
}
BENCHMARK(BM_UpdateUIBeyondPauses)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The parts of a refresh without pauses: where its time goes.
void BM_UpdateRegions(benchmark::State& state)
{
    sandbox();
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    for (auto _ : state)
        delegate->updateRegions();
}
BENCHMARK(BM_UpdateRegions)->Unit(benchmark::kMillisecond);

void BM_UpdateLanguagesFromPreferredLocale(benchmark::State& state)
{
    sandbox();
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    for (auto _ : state)
        delegate->updateLanguagesFromPreferredLocale();
}
BENCHMARK(BM_UpdateLanguagesFromPreferredLocale)->Unit(benchmark::kMillisecond);

void BM_CheckHelpCaches(benchmark::State& state)
{
    sandbox();
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    for (auto _ : state)
        benchmark::DoNotOptimize(delegate->checkAHVCaches());
}
BENCHMARK(BM_CheckHelpCaches)->Unit(benchmark::kMillisecond);

// `count` languages, or en, de, fr for 3 or fewer. `lastMovedSecond`: the last of them moved to
// second place, as a drag in the table would move it.
bool storeLanguages(int64_t count, bool lastMovedSecond = false)
{
    plist_t list = plist_new_array();
    if (count <= 3) {
        for (const char* language : {"en", "de", "fr"})
            plist_array_append_item(list, plist_new_string(language));
    } else {
        for (int64_t i = 0; i < count; ++i) {
            const int64_t at = !lastMovedSecond || i == 0 ? i : i == 1 ? count - 1
                                                                       : i - 1;
            plist_array_append_item(list, plist_new_string(("l" + std::to_string(at)).c_str()));
        }
    }
    return plist_store::writeKey(plist_store::domainPath("-g"), "AppleLanguages", list) == plist_store::WriteStatus::Ok;
}

// A refresh with a long language list (written as a Mac writes it, in a binary file): the reads,
// the names and the table all grow with the list, and only linearly.
void BM_UpdateUIWithALongLanguageList(benchmark::State& state)
{
    sandbox();
    if (!storeLanguages(state.range(0))) {
        state.SkipWithError("could not store the languages");
        return;
    }
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    delegate->window().widget()->show();
    for (auto _ : state) {
        state.SetIterationTime(refreshLaidOutAndPainted(*delegate) / 1000);
        if (delegate->languages.size() != state.range(0)) {
            state.SkipWithError("the list was not read whole");
            break;
        }
    }
    state.SetLabel("one updateUI with its layout and paint, minus its 1.0 s of pauses");
    delegate.reset();
    storeLanguages(3);
}
BENCHMARK(BM_UpdateUIWithALongLanguageList)
    ->Arg(50000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// 100 against 100,000 languages in turns, each a refresh with its layout and paint, and the ICU
// naming of 100,000 identifiers alone (what each row costs in any case). The goal: the long
// refresh within 2x of the short one plus that naming ("long_over_short_plus_names"). The refresh
// measured first follows one of the same list, as most refreshes do (each activation starts one);
// the one measured next ("..._changed") follows a move of the last language to second place.
void BM_LongListOverShortList(benchmark::State& state)
{
    sandbox();
    constexpr int64_t kShort = 100;
    constexpr int64_t kLong = 100000;
    std::vector<double> shortMs, longMs, namesMs, shortChangedMs, longChangedMs;
    QStringList identifiers;
    for (int64_t i = 0; i < kLong; ++i)
        identifiers.append(QStringLiteral("l%1").arg(i));
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            for (const int64_t count : {kShort, kLong}) {
                if (!storeLanguages(count)) {
                    state.SkipWithError("could not store the languages");
                    return;
                }
                std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
                delegate->window().widget()->show();
                QApplication::processEvents();
                (count == kShort ? shortMs : longMs).push_back(refreshLaidOutAndPainted(*delegate));
                if (!storeLanguages(count, true)) {
                    state.SkipWithError("could not store the languages");
                    return;
                }
                (count == kShort ? shortChangedMs : longChangedMs).push_back(refreshLaidOutAndPainted(*delegate));
                if (delegate->languages.size() != count || delegate->languages.value(1) != QStringLiteral("l%1").arg(count - 1)) {
                    state.SkipWithError("the list was not read whole");
                    return;
                }
            }
            QElapsedTimer clock;
            clock.start();
            const Locale english(QStringLiteral("en"));
            for (const QString& identifier : std::as_const(identifiers))
                benchmark::DoNotOptimize(english.displayNameForIdentifier(identifier));
            namesMs.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    storeLanguages(3);
    state.counters["short_100_ms"] = medianOf(shortMs);
    state.counters["long_100k_ms"] = medianOf(longMs);
    state.counters["names_100k_ms"] = medianOf(namesMs);
    state.counters["long_over_short_plus_names"] = medianOf(longMs) / (medianOf(shortMs) + medianOf(namesMs));
    state.counters["short_changed_ms"] = medianOf(shortChangedMs);
    state.counters["long_changed_ms"] = medianOf(longChangedMs);
    state.counters["changed_over_short_plus_names"] = medianOf(longChangedMs)
        / (medianOf(shortChangedMs) + medianOf(namesMs));
}
BENCHMARK(BM_LongListOverShortList)->Iterations(1)->Unit(benchmark::kSecond);

// A bare Qt window of two tables, shown and painted: what any window of this kind costs.
double bareFirstFrame()
{
    QElapsedTimer clock;
    clock.start();
    BareWindow bare;
    bare.window.show();
    QApplication::processEvents();
    bare.window.repaint();
    return clock.nsecsElapsed() / 1e6;
}

// Quorrel's window from its layout to its first paint, including the start-up refresh, minus that
// refresh's pauses.
double quorrelFirstFrame()
{
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    QWidget* window = delegate->window().widget();
    window->show();
    QApplication::processEvents();
    window->repaint();
    return clock.nsecsElapsed() / 1e6 - kPausesPerRefresh * 1000;
}

// The two in turns. Quorrel's figure includes the tool launches of its start-up refresh; the
// `launches_ms` counter is one refresh's launches alone (a refresh beyond its pauses, without
// layout and paint, on the window already made), to set beside the difference.
void BM_FirstFrameOverBareWindow(benchmark::State& state)
{
    sandbox();
    std::vector<double> bare, quorrel, launches;
    for (auto _ : state) {
        for (int round = 0; round < 5; ++round) {
            bare.push_back(bareFirstFrame());
            quorrel.push_back(quorrelFirstFrame());
        }
        std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer clock;
            clock.start();
            delegate->updateUI();
            launches.push_back(clock.nsecsElapsed() / 1e6 - kPausesPerRefresh * 1000);
        }
    }
    state.counters["bare_ms"] = medianOf(bare);
    state.counters["quorrel_ms"] = medianOf(quorrel);
    state.counters["refresh_ms"] = medianOf(launches);
    state.counters["quorrel_over_bare"] = medianOf(quorrel) / medianOf(bare);
    state.counters["beyond_refresh_over_bare"] = (medianOf(quorrel) - medianOf(launches)) / medianOf(bare);
}
BENCHMARK(BM_FirstFrameOverBareWindow)->Iterations(1)->Unit(benchmark::kSecond);

// ---- Start-up from exec ----

// Milliseconds from starting a program to its first frame: the first "Flushing" line Qt's widget
// painting log writes to stderr, when the backing store of a window goes out. The program is
// then killed (it is this benchmark's own child). Negative when no frame came.
double execToFirstFrame(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting.info=true"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    // Only the new output and the few bytes before it are searched: the log runs to hundreds of
    // lines, and searching it all at each line would load the machine the programs run on.
    const QByteArray mark = "Flushing";
    QByteArray tail;
    double ms = -1;
    while (ms < 0 && process.waitForReadyRead(60000)) {
        tail += process.readAllStandardError();
        if (tail.contains(mark))
            ms = clock.nsecsElapsed() / 1e6;
        tail = tail.right(mark.size() - 1);
    }
    process.kill();
    process.waitForFinished();
    return ms;
}

// What the start-up refresh's tool launches cost alone, through the program's own runner: the
// five `defaults` reads and the `ps -ax` listing of a current macOS's refresh.
double startUpLaunches()
{
    QElapsedTimer clock;
    clock.start();
    const QString defaults = QStringLiteral("/usr/bin/defaults");
    for (const char* key : {"AppleLanguages", "AppleLanguages", "AppleLanguages", "AppleLocale", "AppleLocale"})
        (void)MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("read"), QStringLiteral(".GlobalPreferences"), key},
                                                 defaults);
    (void)MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("-ax")}, QStringLiteral("/bin/ps"));
    return clock.nsecsElapsed() / 1e6;
}

// Quorrel, the bare window and Quorrel's own window built empty from its layout, from exec to
// first frame, and the launches alone, in turns. The goal: Quorrel beyond its start-up pauses and
// launches within 1.3x of the bare window. With QUORREL_BENCH_EARLIER naming another build of
// Quorrel, that one runs in the same turns too.
void BM_ExecToFirstFrameOverBareWindow(benchmark::State& state)
{
    sandbox();
    const QString bareWindow = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_bare_window");
    const QString sameWindow = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_same_window");
    const QString quorrel = QCoreApplication::applicationDirPath() + QStringLiteral("/quorrel");
    const QString earlier = qEnvironmentVariable("QUORREL_BENCH_EARLIER");
    std::vector<double> bare, same, ours, launches, earlierOnes;
    for (auto _ : state) {
        for (int round = 0; round < 15; ++round) {
            bare.push_back(execToFirstFrame(bareWindow, {}));
            same.push_back(execToFirstFrame(sameWindow, {}));
            ours.push_back(execToFirstFrame(quorrel, {}));
            launches.push_back(startUpLaunches());
            if (!earlier.isEmpty())
                earlierOnes.push_back(execToFirstFrame(earlier, {}));
            if (bare.back() < 0 || same.back() < 0 || ours.back() < 0 || (!earlierOnes.empty() && earlierOnes.back() < 0)) {
                state.SkipWithError("a program showed no frame");
                return;
            }
        }
    }
    const auto beyond = [&](const std::vector<double>& program) {
        return medianOf(program) - kPausesPerRefresh * 1000 - medianOf(launches);
    };
    state.counters["bare_ms"] = medianOf(bare);
    state.counters["quorrel_ms"] = medianOf(ours);
    state.counters["launches_ms"] = medianOf(launches);
    state.counters["beyond_pauses_and_launches_ms"] = beyond(ours);
    state.counters["beyond_over_bare"] = beyond(ours) / medianOf(bare);
    // How much of that is the window itself: the same window, empty, in a program of its own.
    state.counters["same_window_ms"] = medianOf(same);
    state.counters["beyond_over_same_window"] = beyond(ours) / medianOf(same);
    if (!earlierOnes.empty())
        state.counters["earlier_beyond_over_bare"] = beyond(earlierOnes) / medianOf(bare);
}
BENCHMARK(BM_ExecToFirstFrameOverBareWindow)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarksInQt(argc, argv);
}
