// The cost of running a tool through MyRunUsrCommands against the plainest way of doing the same,
// and a long run of reads watching descriptors, children and memory.
//
//   bench_runner                                  everything (the soak takes a while)
//   bench_runner --benchmark_filter='Echo'        one read of a trivial tool, ours against a bare
//                                                 posix_spawn + pipe + read, also in turns (a ratio)
//   bench_runner --benchmark_filter=Soak          20,000 reads with resources before and after
#include "Classes/MyRunUsrCommands.h"
#include "platform/process/ChildProcess.h"
#include "tests/support/Pipes.h"
#include "tests/support/ProcessStats.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char* const kEcho = "/bin/echo";
const char* const kWord = "quorrel";

void BM_EchoThroughRunUsrBinAndRead(benchmark::State& state)
{
    const QStringList arguments{QString::fromLatin1(kWord)};
    const QString path = QString::fromLatin1(kEcho);
    const QString expected = QString::fromLatin1(kWord) + QLatin1Char('\n');
    for (auto _ : state) {
        const std::optional<QString> text = MyRunUsrCommands::runUsrBinAndRead(arguments, path);
        if (text != expected) {
            state.SkipWithError("unexpected output");
            break;
        }
    }
}
BENCHMARK(BM_EchoThroughRunUsrBinAndRead)->Unit(benchmark::kMicrosecond);

// The same tool by hand, started the way the runner starts tools: posix_spawn with the pipe as
// standard output, read to end of file, waitpid. No time limit, no decoding, no descriptor hygiene.
bool bareSpawnRead()
{
    int fds[2];
    if (!closeOnExecPipe(fds))
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    char* const argv[] = {const_cast<char*>(kEcho), const_cast<char*>(kWord), nullptr};
    pid_t pid = -1;
    const bool started = ::posix_spawn(&pid, kEcho, &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    std::string output;
    char buffer[4096];
    ssize_t count;
    while (started && (count = ::read(fds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(count));
    ::close(fds[0]);
    int status = 0;
    if (started)
        ::waitpid(pid, &status, 0);
    return output == std::string(kWord) + '\n';
}

void BM_EchoThroughBareSpawnRead(benchmark::State& state)
{
    for (auto _ : state) {
        if (!bareSpawnRead()) {
            state.SkipWithError("unexpected output");
            break;
        }
    }
}
BENCHMARK(BM_EchoThroughBareSpawnRead)->Unit(benchmark::kMicrosecond);

// The two in turns, read after read, so that both see the same machine: medians and their ratio.
void BM_EchoRunnerOverBareSpawn(benchmark::State& state)
{
    const QStringList arguments{QString::fromLatin1(kWord)};
    const QString path = QString::fromLatin1(kEcho);
    std::vector<double> ours;
    std::vector<double> bare;
    for (auto _ : state) {
        for (int round = 0; round < 500; ++round) {
            auto start = std::chrono::steady_clock::now();
            const bool ok = MyRunUsrCommands::runUsrBinAndRead(arguments, path).has_value();
            ours.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            start = std::chrono::steady_clock::now();
            const bool bareOk = bareSpawnRead();
            bare.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            if (!ok || !bareOk) {
                state.SkipWithError("unexpected output");
                return;
            }
        }
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    state.counters["runner_us"] = median(ours);
    state.counters["bare_spawn_us"] = median(bare);
    state.counters["ratio"] = median(ours) / median(bare);
}
BENCHMARK(BM_EchoRunnerOverBareSpawn)->Iterations(1)->Unit(benchmark::kMillisecond);

// The most a read takes before it gives up on a tool.
constexpr long long k16MiB = 16LL << 20;
const QStringList kHead16MiB{QStringLiteral("-c"), QString::number(k16MiB), QStringLiteral("/dev/zero")};

void BM_Read16MiBThroughChildProcess(benchmark::State& state)
{
    std::vector<std::string> arguments;
    for (const QString& argument : kHead16MiB)
        arguments.push_back(argument.toStdString());
    for (auto _ : state) {
        const auto result = child_process::runAndRead("/usr/bin/head", arguments, MyRunUsrCommands::readLimits());
        if (static_cast<long long>(result.output.size()) != k16MiB) {
            state.SkipWithError("short read");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * k16MiB);
}
BENCHMARK(BM_Read16MiBThroughChildProcess)->Unit(benchmark::kMillisecond);

// Includes decoding 16 MiB of UTF-8 into a QString.
void BM_Read16MiBThroughRunUsrBinAndRead(benchmark::State& state)
{
    for (auto _ : state) {
        const auto text = MyRunUsrCommands::runUsrBinAndRead(kHead16MiB, QStringLiteral("/usr/bin/head"));
        if (!text || text->size() != k16MiB) {
            state.SkipWithError("short read");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * k16MiB);
}
BENCHMARK(BM_Read16MiBThroughRunUsrBinAndRead)->Unit(benchmark::kMillisecond);

void BM_Soak20000Reads(benchmark::State& state)
{
    const QStringList arguments{QString::fromLatin1(kWord)};
    const QString path = QString::fromLatin1(kEcho);
    for (int i = 0; i < 100; ++i) // settle allocator pools and lazily created state first
        MyRunUsrCommands::runUsrBinAndRead(arguments, path);

    const int descriptorsBefore = openDescriptorCount();
    const int childrenBefore = int(childrenOfThisProcess().size());
    const long residentBefore = residentKiB();
    long long failures = 0;
    for (auto _ : state) {
        if (!MyRunUsrCommands::runUsrBinAndRead(arguments, path).value_or(QString()).startsWith(QLatin1String(kWord)))
            ++failures;
    }
    state.counters["fds_before"] = descriptorsBefore;
    state.counters["fds_after"] = openDescriptorCount();
    state.counters["children_before"] = childrenBefore;
    state.counters["children_after"] = int(childrenOfThisProcess().size());
    state.counters["pending_after"] = static_cast<double>(child_process::pendingCount());
    const long residentAfter = residentKiB();
    state.counters["rss_kib_before"] = static_cast<double>(residentBefore);
    state.counters["rss_kib_after"] = static_cast<double>(residentAfter);
    state.counters["rss_kib_growth"] = static_cast<double>(residentAfter - residentBefore);
    state.counters["failed_reads"] = static_cast<double>(failures);
}
BENCHMARK(BM_Soak20000Reads)->Iterations(20000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // The tools are the system's own here, never a stand-in root.
    ::unsetenv("QUORREL_TOOL_ROOT");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
