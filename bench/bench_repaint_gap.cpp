// How long the window goes without a repaint while a switch runs. A switch to a saved combination
// with a fallback language pauses half a second before each read of the language order, four
// times over. A plain Qt timer asks the window to repaint every 5 ms, as an animation would; the
// longest gap between two of its paints is set against the whole switch, which is how long the
// window went unpainted while the pauses blocked the event loop. Runs against the `defaults`
// stand-in in a temporary HOME and this machine's own `ps -ax`; not part of the test suite.
#include "Classes/DefaultKeys.h"
#include "Classes/MainInterface.h"
#include "Classes/QuorrelAppDelegate.h"

#include "platform/host/UserDefaults.h"

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <memory>

#include <time.h>

namespace {

// A temporary HOME with the languages en, fr, de, ja, the region en_US and one saved combination
// (de_DE with the fallback language fr), and a tool root with the stand-in `defaults` and `ps`.
struct Sandbox {
    Sandbox()
    {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("QUORREL_TOOL_ROOT", QFile::encodeName(root.path()));
        const QString defaults = QCoreApplication::applicationDirPath() + QStringLiteral("/defaults");
        QDir(root.path()).mkpath(QStringLiteral("usr/bin"));
        QDir(root.path()).mkpath(QStringLiteral("bin"));
        QFile::link(defaults, root.filePath(QStringLiteral("usr/bin/defaults")));
        QFile::link(QStringLiteral("/bin/ps"), root.filePath(QStringLiteral("bin/ps")));
        reset();
        QProcess::execute(defaults, {"write", UserDefaults::kDomain, kPreferredLocalesKey, "(\"de_DE,fr\")"});
    }
    // Back to the order a switch changes.
    void reset() const
    {
        const QString defaults = QCoreApplication::applicationDirPath() + QStringLiteral("/defaults");
        QProcess::execute(defaults, {"write", "-g", "AppleLanguages", "(en,fr,de,ja)"});
        QProcess::execute(defaults, {"write", "-g", "AppleLocale", "en_US"});
    }
    QTemporaryDir home;
    QTemporaryDir root;
};

// The main thread's own processor time in milliseconds: on a machine shared with other work the
// wall-clock gaps stretch by however much of a core the thread gets, this does not.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Counts and times the paints of one widget.
class PaintClock : public QObject {
public:
    explicit PaintClock(QWidget* widget) { widget->installEventFilter(this); }
    void start()
    {
        clock.start();
        last = 0;
        longest = 0;
        lastCpu = threadMilliseconds();
        longestCpu = 0;
        paints = 0;
    }
    double lastCpu = 0;
    double longestCpu = 0; // the longest gap in the thread's processor time
    // Up to `end`: the time after the last paint counts as a gap too.
    double longestGapUntil(double end) const { return std::max(longest, end - last); }
    QElapsedTimer clock;
    double last = 0;
    double longest = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && clock.isValid()) {
            const double now = clock.nsecsElapsed() / 1e6;
            longest = std::max(longest, now - last);
            last = now;
            const double cpu = threadMilliseconds();
            longestCpu = std::max(longestCpu, cpu - lastCpu);
            lastCpu = cpu;
            ++paints;
        }
        return false;
    }
};

void BM_LongestRepaintGapDuringASwitch(benchmark::State& state)
{
    static Sandbox sandbox;
    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    QWidget* window = delegate->window().widget();
    window->show();
    QApplication::processEvents();
    // The table's viewport: a child painted whenever the window is, without the frame.
    QWidget* painted = delegate->outlets.languagesTable->viewport();
    PaintClock paints(painted);
    QTimer asker;
    asker.setInterval(5);
    QObject::connect(&asker, &QTimer::timeout, painted, qOverload<>(&QWidget::update));

    double longestGap = 0;
    double longestCpuGap = 0;
    double longestSwitch = 0;
    int fewestPaints = -1;
    for (auto _ : state) {
        state.PauseTiming();
        sandbox.reset();
        delegate->updateUI();
        asker.start();
        state.ResumeTiming();
        paints.start();
        delegate->changePreferredLocale(delegate->outlets.preferredLocalesMenu);
        const double whole = paints.clock.nsecsElapsed() / 1e6;
        asker.stop();
        longestGap = std::max(longestGap, paints.longestGapUntil(whole));
        longestCpuGap = std::max(longestCpuGap, paints.longestCpu);
        longestSwitch = std::max(longestSwitch, whole);
        fewestPaints = fewestPaints < 0 ? paints.paints : std::min(fewestPaints, paints.paints);
    }
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["longest_gap_cpu_ms"] = longestCpuGap;
    state.counters["switch_ms"] = longestSwitch;
    state.counters["paints_in_switch"] = fewestPaints;
    state.counters["gap_over_switch"] = longestGap / longestSwitch;
    state.SetLabel("goal: longest gap <= 50 ms; before, the whole switch went unpainted");
}
BENCHMARK(BM_LongestRepaintGapDuringASwitch)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarksInQt(argc, argv);
}
