// How the `defaults` stand-in's costs grow with the size of a domain, measured with the sizes (and
// the tools compared) taken in turns, round after round, so that a busy machine slows all of them
// alike. Each figure is a median over the rounds; the ratios are what the goals are about.
//
//   bench_store_growth                               the stand-in of this build
//   QUORREL_BASELINE_DEFAULTS=/path/to/old/defaults bench_store_growth
//                                                    the same, with another build in the same turns
//
//   QUORREL_BASELINE_DEFAULTS=... bench_store_growth --benchmark_filter=SmallRead
//                                                    one small read, this build against that one
//
// Counters: <tool>_<size>k_ms (median wall time of one run), <tool>_x2_max (the largest ratio
// between one size and half of it), <tool>_peak_per_file (the peak resident memory of the largest
// write over the size of its file), plistlib_100k_ms and new_over_plistlib (Python's plistlib
// loading the same 100,000-key XML file, its interpreter's start included, as a whole-domain read
// includes the stand-in's).
#include "plist/PlistStore.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const std::vector<int> kSizes{50000, 100000, 200000, 400000};
constexpr int kRounds = 5;

struct Run {
    double ms = 0;
    long maxRssKiB = 0;
    bool ok = false;
};

// One run of a program, its output thrown away; wall time and the child's own peak memory.
Run run(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    Run result;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (::wait4(pid, &status, 0, &usage) == pid) {
            result.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            result.maxRssKiB = usage.ru_maxrss;
            result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string thisDefaults()
{
    char path[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    std::string self(path, n > 0 ? static_cast<size_t>(n) : 0);
    return self.substr(0, self.rfind('/') + 1) + "defaults";
}

// The tools to run in turns: this build's stand-in ("new"), and another build of it ("old") when
// QUORREL_BASELINE_DEFAULTS names one.
std::map<std::string, std::string> tools()
{
    std::map<std::string, std::string> out{{"new", thisDefaults()}};
    if (const char* baseline = std::getenv("QUORREL_BASELINE_DEFAULTS"); baseline && *baseline)
        out["old"] = baseline;
    return out;
}

// A temporary HOME for the whole run.
const std::string& home()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/quorrel-growth-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        const std::string path = made ? made : "";
        ::setenv("HOME", path.c_str(), 1);
        return path;
    }();
    return folder;
}

std::string domainName(const char* kind, int keys)
{
    return std::string("com.example.") + kind + std::to_string(keys / 1000) + "k";
}

// A domain of `keys` keys, each with a short text, and nothing else: as an XML file, the way a
// file written by hand or by another program may come.
std::string xmlDomain(int keys)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n";
    for (int i = 0; i < keys; ++i)
        xml += "\t<key>k" + std::to_string(i) + "</key>\n\t<string>v" + std::to_string(i) + "</string>\n";
    return xml + "</dict>\n</plist>\n";
}

bool writeTextFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return bool(out);
}

long fileSize(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? long(st.st_size) : 0;
}

void reportGrowth(benchmark::State& state, const std::string& tool, const std::map<int, std::vector<double>>& times)
{
    double worst = 0;
    for (size_t i = 0; i < kSizes.size(); ++i) {
        const double ms = median(times.at(kSizes[i]));
        state.counters[tool + "_" + std::to_string(kSizes[i] / 1000) + "k_ms"] = ms;
        if (i > 0)
            worst = std::max(worst, ms / median(times.at(kSizes[i - 1])));
    }
    state.counters[tool + "_x2_max"] = worst;
}

// The interpreter itself, not a wrapper that finds it (pyenv's shims start a shell first).
std::string pythonInterpreter()
{
    FILE* pipe = ::popen("python3 -c 'import sys; print(sys.executable)' 2>/dev/null", "r");
    if (!pipe)
        return {};
    char line[4096] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    ::pclose(pipe);
    std::string path = read ? line : "";
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r'))
        path.pop_back();
    return path;
}

// Removes the temporary HOME and what the runs left in it, at exit.
struct HomeCleanup {
    // Made here, so that the folder's name outlives this object: statics go in the reverse order
    // of their making, and one made later would be gone when the destructor looks.
    HomeCleanup() { home(); }
    ~HomeCleanup()
    {
        std::error_code ignored;
        if (!home().empty())
            std::filesystem::remove_all(home(), ignored);
    }
} cleanup;

// A child's ru_maxrss also counts the memory of the process it started as: posix_spawn shares
// this process's memory until the exec, so a child's peak is never below this process's own.
// Work that would raise it runs in a child of its own, and the peak is set back to what this
// process holds before the runs whose peaks are measured.
bool inChildProcess(const std::function<bool()>& work)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(work() ? 0 : 1);
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// `defaults write DOMAIN k1 -int N` into a binary domain of 50,000 to 400,000 keys.
void BM_WriteOneKeyGrowth(benchmark::State& state)
{
    home();
    const bool made = inChildProcess([] {
        for (const int keys : kSizes) {
            const std::string path = plist_store::domainPath(domainName("write", keys));
            plist_store::Loaded loaded = plist_store::parse(xmlDomain(keys));
            if (loaded.status != plist_store::LoadStatus::Ok
                || plist_store::replaceDomain(path, loaded.dict.release()) != plist_store::WriteStatus::Ok)
                return false;
        }
        return true;
    });
    if (!made) {
        state.SkipWithError("could not make the domains");
        return;
    }
    resetPeakMemory();
    std::map<std::string, std::map<int, std::vector<double>>> times;
    std::map<std::string, long> peakKiB;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            for (const int keys : kSizes) {
                for (const auto& [tool, binary] : tools()) {
                    const Run r = run({binary, "write", domainName("write", keys), "k1", "-int", std::to_string(round)});
                    if (!r.ok) {
                        state.SkipWithError("defaults write failed");
                        return;
                    }
                    times[tool][keys].push_back(r.ms);
                    if (keys == kSizes.back())
                        peakKiB[tool] = std::max(peakKiB[tool], r.maxRssKiB);
                }
            }
        }
    }
    const long largest = fileSize(plist_store::domainPath(domainName("write", kSizes.back())));
    state.counters["file_400k_MB"] = largest / 1e6;
    for (const auto& [tool, byKeys] : times) {
        reportGrowth(state, tool, byKeys);
        state.counters[tool + "_peak_per_file"] = peakKiB[tool] * 1024.0 / double(largest);
    }
}
BENCHMARK(BM_WriteOneKeyGrowth)->Iterations(1)->Unit(benchmark::kSecond);

// `defaults read DOMAIN` of an XML domain of 50,000 to 400,000 keys, and plistlib on the 100,000.
void BM_ReadXmlGrowth(benchmark::State& state)
{
    home();
    for (const int keys : kSizes) {
        const std::string path = plist_store::domainPath(domainName("xml", keys));
        ::mkdir((home() + "/Library").c_str(), 0700);
        ::mkdir((home() + "/Library/Preferences").c_str(), 0700);
        if (!writeTextFile(path, xmlDomain(keys))) {
            state.SkipWithError("could not write the XML files");
            return;
        }
    }
    const std::string plistlibFile = plist_store::domainPath(domainName("xml", 100000));
    const std::string python = pythonInterpreter();
    if (python.empty()) {
        state.SkipWithError("no python3 to compare with");
        return;
    }
    std::map<std::string, std::map<int, std::vector<double>>> times;
    std::vector<double> plistlib;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            for (const int keys : kSizes) {
                for (const auto& [tool, binary] : tools()) {
                    const Run r = run({binary, "read", domainName("xml", keys)});
                    if (!r.ok) {
                        state.SkipWithError("defaults read failed");
                        return;
                    }
                    times[tool][keys].push_back(r.ms);
                }
            }
            const Run py = run({python, "-c", "import plistlib, sys; plistlib.load(open(sys.argv[1], 'rb'))", plistlibFile});
            if (!py.ok) {
                state.SkipWithError("python3 with plistlib could not load the file");
                return;
            }
            plistlib.push_back(py.ms);
        }
    }
    for (const auto& [tool, byKeys] : times) {
        reportGrowth(state, tool, byKeys);
        state.counters[tool + "_over_plistlib"] = median(byKeys.at(100000)) / median(plistlib);
    }
    state.counters["plistlib_100k_ms"] = median(plistlib);
}
BENCHMARK(BM_ReadXmlGrowth)->Iterations(1)->Unit(benchmark::kSecond);

// The store's load of the same XML files in this process, without starting a tool or printing:
// the reader alone.
void BM_LoadXmlGrowth(benchmark::State& state)
{
    home();
    ::mkdir((home() + "/Library").c_str(), 0700);
    ::mkdir((home() + "/Library/Preferences").c_str(), 0700);
    for (const int keys : kSizes) {
        if (!writeTextFile(plist_store::domainPath(domainName("xml", keys)), xmlDomain(keys))) {
            state.SkipWithError("could not write the XML files");
            return;
        }
    }
    std::map<int, std::vector<double>> times;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            for (const int keys : kSizes) {
                const auto start = std::chrono::steady_clock::now();
                const plist_store::Loaded loaded = plist_store::load(plist_store::domainPath(domainName("xml", keys)));
                times[keys].push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
                if (loaded.status != plist_store::LoadStatus::Ok || plist_dict_get_size(loaded.dict.get()) != uint32_t(keys)) {
                    state.SkipWithError("the file did not load whole");
                    return;
                }
            }
        }
    }
    reportGrowth(state, "load", times);
}
BENCHMARK(BM_LoadXmlGrowth)->Iterations(1)->Unit(benchmark::kSecond);

// One read of a small domain, as the program makes a few times per refresh: mostly starting the
// process. With QUORREL_BASELINE_DEFAULTS naming a build linked against the shared C++ runtime,
// new_over_old is what linking it in saves.
void BM_SmallRead(benchmark::State& state)
{
    home();
    const std::string path = plist_store::domainPath("-g");
    plist_t list = plist_new_array();
    for (const char* language : {"en", "de", "fr"})
        plist_array_append_item(list, plist_new_string(language));
    if (plist_store::writeKey(path, "AppleLanguages", list) != plist_store::WriteStatus::Ok) {
        state.SkipWithError("could not write the domain");
        return;
    }
    std::map<std::string, std::vector<double>> times;
    for (auto _ : state) {
        for (int round = 0; round < 300; ++round) {
            for (const auto& [tool, binary] : tools()) {
                const Run r = run({binary, "read", "-g", "AppleLanguages"});
                if (!r.ok) {
                    state.SkipWithError("defaults read failed");
                    return;
                }
                times[tool].push_back(r.ms);
            }
        }
    }
    for (const auto& [tool, ms] : times)
        state.counters[tool + "_ms"] = median(ms);
    if (times.count("old"))
        state.counters["new_over_old"] = median(times["new"]) / median(times["old"]);
}
BENCHMARK(BM_SmallRead)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
