// The controller's costs: one full refresh beyond its pauses, and the memory after start-up.
// Runs against the `defaults` stand-in in a temporary HOME; not part of the test suite.
#include "MainInterface.h"
#include "ProcessStats.h"
#include "QuorrelAppDelegate.h"

#include "platform/PlistStore.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace {

// A temporary HOME seeded with en, de, fr and en_US, and a tool root holding the stand-in
// `defaults` and a `ps` that lists nothing.
struct Sandbox {
    Sandbox()
    {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("QUORREL_TOOL_ROOT", QFile::encodeName(root.path()));
        qputenv("QUORREL_CF_VERSION", "1299");
        const QString defaults = QCoreApplication::applicationDirPath() + QStringLiteral("/defaults");
        QDir(root.path()).mkpath(QStringLiteral("usr/bin"));
        QDir(root.path()).mkpath(QStringLiteral("bin"));
        QFile::link(defaults, root.filePath(QStringLiteral("usr/bin/defaults")));
        QFile::link(QStringLiteral("/usr/bin/true"), root.filePath(QStringLiteral("bin/ps"))); // where a Mac has it too
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

void BM_UpdateUIBeyondPauses(benchmark::State& state)
{
    sandbox();
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        delegate->updateUI();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9 - kPausesPerRefresh);
    }
    state.SetLabel("time of one updateUI minus its 1.0 s of specified pauses");
}
BENCHMARK(BM_UpdateUIBeyondPauses)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

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

// A refresh with a long language list (written as a Mac writes it, in a binary file): the reads,
// the names and the table all grow with the list, and only linearly.
void BM_UpdateUIWithALongLanguageList(benchmark::State& state)
{
    sandbox();
    const auto storeLanguages = [](plist_t list) {
        return plist_store::writeKey(plist_store::domainPath("-g"), "AppleLanguages", list) == plist_store::WriteStatus::Ok;
    };
    plist_t list = plist_new_array();
    for (int64_t i = 0; i < state.range(0); ++i)
        plist_array_append_item(list, plist_new_string(("l" + std::to_string(i)).c_str()));
    if (!storeLanguages(list)) {
        state.SkipWithError("could not store the languages");
        return;
    }
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        delegate->updateUI();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9 - kPausesPerRefresh);
        if (delegate->languages.size() != state.range(0)) {
            state.SkipWithError("the list was not read whole");
            break;
        }
    }
    state.SetLabel("one updateUI minus its 1.0 s of pauses");
    delegate.reset();
    plist_t usual = plist_new_array();
    for (const char* language : {"en", "de", "fr"})
        plist_array_append_item(usual, plist_new_string(language));
    storeLanguages(usual);
}
BENCHMARK(BM_UpdateUIWithALongLanguageList)
    ->Arg(50000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
