// `defaults write` and `defaults read` of long arrays, and every verb on a large domain: the stand-in started as a child process in
// a temporary HOME, the way the program starts it. Doubling the list should at most double the
// time (plus a little): every walk over an array is linear.
//
//   bench_defaults                                   all of them
//   bench_defaults --benchmark_filter=Read           the reads only
#include "platform/process/ChildProcess.h"

#include "plist/PlistStore.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

// Generous: a benchmark that stalls should say so, not hang.
const child_process::ReadLimits kLimits{std::chrono::milliseconds(60000), std::chrono::milliseconds(60000), 64 << 20};
const char kDomain[] = "com.example.bench";
const char kKey[] = "list";

std::string toolPath()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/defaults";
}

// A temporary HOME for the whole run.
struct Home {
    Home() { qputenv("HOME", QFile::encodeName(dir.path())); }
    QTemporaryDir dir;
};

Home& home()
{
    static Home instance;
    return instance;
}

std::vector<std::string> items(int64_t count)
{
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        out.push_back("l" + std::to_string(i));
    return out;
}

size_t storedCount()
{
    const plist_store::Loaded loaded = plist_store::load(plist_store::domainPath(kDomain));
    plist_t list = loaded.dict ? plist_dict_get_item(loaded.dict.get(), kKey) : nullptr;
    return list ? plist_array_get_size(list) : 0;
}

// One `defaults write DOMAIN list -array l0 l1 ...` per iteration; the value is replaced each time.
void BM_DefaultsWriteArray(benchmark::State& state)
{
    home();
    std::vector<std::string> arguments{"write", kDomain, kKey, "-array"};
    for (std::string& item : items(state.range(0)))
        arguments.push_back(std::move(item));
    for (auto _ : state) {
        const child_process::ReadResult result = child_process::runAndRead(toolPath(), arguments, kLimits);
        if (!result.complete()) {
            state.SkipWithError("defaults write did not run to its end");
            break;
        }
    }
    if (storedCount() != static_cast<size_t>(state.range(0)))
        state.SkipWithError("the array was not stored whole");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DefaultsWriteArray)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();

// One `defaults read DOMAIN list` per iteration, of an array of binary-file strings.
void BM_DefaultsReadArray(benchmark::State& state)
{
    home();
    plist_t list = plist_new_array();
    for (const std::string& item : items(state.range(0)))
        plist_array_append_item(list, plist_new_string(item.c_str()));
    if (plist_store::writeKey(plist_store::domainPath(kDomain), kKey, list) != plist_store::WriteStatus::Ok) {
        state.SkipWithError("could not store the array");
        return;
    }
    const std::vector<std::string> arguments{"read", kDomain, kKey};
    const size_t lines = static_cast<size_t>(state.range(0)) + 2;
    for (auto _ : state) {
        const child_process::ReadResult result = child_process::runAndRead(toolPath(), arguments, kLimits);
        if (!result.complete()
            || static_cast<size_t>(std::count(result.output.begin(), result.output.end(), '\n')) != lines) {
            state.SkipWithError("defaults read did not print the whole array");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DefaultsReadArray)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A domain of `count` keys, each with a short text, plus one dictionary and one array of `count`
// entries: the size every verb below walks.
void storeLargeDomain(int64_t count)
{
    plist_t dict = plist_new_dict();
    plist_t sub = plist_new_dict();
    plist_t list = plist_new_array();
    for (int64_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        plist_dict_set_item(dict, ("k" + n).c_str(), plist_new_string(("v" + n).c_str()));
        plist_dict_set_item(sub, ("s" + n).c_str(), plist_new_uint(static_cast<uint64_t>(i)));
        plist_array_append_item(list, plist_new_string(("a" + n).c_str()));
    }
    plist_dict_set_item(dict, "sub", sub);
    plist_dict_set_item(dict, "list", list);
    plist_store::replaceDomain(plist_store::domainPath(kDomain), dict);
}

// One verb per iteration on a domain of 3 x range(0) entries. Verbs that write leave the domain
// the size it was, so every iteration sees the same domain.
void runVerb(benchmark::State& state, std::vector<std::vector<std::string>> rounds)
{
    home();
    storeLargeDomain(state.range(0));
    size_t round = 0;
    for (auto _ : state) {
        const child_process::ReadResult result = child_process::runAndRead(toolPath(), rounds[round], kLimits);
        round = (round + 1) % rounds.size();
        if (!result.complete()) {
            state.SkipWithError("defaults did not run to its end");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 3);
}

void BM_DefaultsWriteKeyInLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"write", kDomain, "k1", "-int", "1"}});
}
void BM_DefaultsRenameInLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"rename", kDomain, "k1", "k1x"}, {"rename", kDomain, "k1x", "k1"}});
}
void BM_DefaultsDictAddInLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"write", kDomain, "sub", "-dict-add", "s1", "-int", "7"}});
}
void BM_DefaultsDeleteInLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"delete", kDomain, "k1"}, {"write", kDomain, "k1", "v1"}});
}
void BM_DefaultsReadTypeInLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"read-type", kDomain, "sub"}});
}
void BM_DefaultsFindInLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"find", "v1"}});
}
void BM_DefaultsExportLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"export", kDomain, "-"}});
}
void BM_DefaultsReadLargeDomain(benchmark::State& state)
{
    runVerb(state, {{"read", kDomain}});
}
BENCHMARK(BM_DefaultsWriteKeyInLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultsRenameInLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultsDictAddInLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultsDeleteInLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultsReadTypeInLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultsFindInLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultsExportLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultsReadLargeDomain)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The refresh's one-key reads of the global domain, of a domain holding AppleLanguages with
// 100,000 texts against a domain holding two, in turns, 40 rounds: the medians, their ratio and
// the time beyond. Reading one key should cost little more than the file: no node, copy or page
// per item.
void BM_OneKeyReadLargeOverSmallDomain(benchmark::State& state, const char* key)
{
    home();
    const auto store = [](const char* domain, int64_t count) {
        plist_t dict = plist_new_dict();
        plist_t languages = plist_new_array();
        for (const std::string& item : items(count))
            plist_array_append_item(languages, plist_new_string(item.c_str()));
        plist_dict_set_item(dict, "AppleLanguages", languages);
        plist_dict_set_item(dict, "AppleLocale", plist_new_string("en_US"));
        return plist_store::replaceDomain(plist_store::domainPath(domain), dict) == plist_store::WriteStatus::Ok;
    };
    if (!store("com.example.large", 100000) || !store("com.example.small", 2)) {
        state.SkipWithError("could not store the domains");
        return;
    }
    const auto timedRead = [key](const char* domain, size_t& lines) {
        const auto start = std::chrono::steady_clock::now();
        const child_process::ReadResult result = child_process::runAndRead(toolPath(), {"read", domain, key}, kLimits);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        lines = result.complete() ? static_cast<size_t>(std::count(result.output.begin(), result.output.end(), '\n')) : 0;
        return ms;
    };
    const bool list = std::string(key) == "AppleLanguages";
    std::vector<double> large;
    std::vector<double> small;
    for (auto _ : state) {
        for (int round = 0; round < 40; ++round) {
            size_t largeLines = 0;
            size_t smallLines = 0;
            large.push_back(timedRead("com.example.large", largeLines));
            small.push_back(timedRead("com.example.small", smallLines));
            if (largeLines != (list ? 100002u : 1u) || smallLines != (list ? 4u : 1u)) {
                state.SkipWithError("defaults read did not print the whole value");
                return;
            }
        }
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    state.counters["large_ms"] = median(large);
    state.counters["small_ms"] = median(small);
    state.counters["ratio"] = median(large) / median(small);
    state.counters["beyond_ms"] = median(large) - median(small);
}
BENCHMARK_CAPTURE(BM_OneKeyReadLargeOverSmallDomain, AppleLocale, "AppleLocale")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OneKeyReadLargeOverSmallDomain, AppleLanguages, "AppleLanguages")->Iterations(1)->Unit(benchmark::kMillisecond);

// Linux caps the arguments of a new program at a quarter of the stack limit (8 MiB gives 2 MiB);
// 200,000 items with their pointers need about 3.2 MiB.
void allowLargeArgumentLists()
{
    constexpr rlim_t kWanted = rlim_t(64) << 20;
    rlimit limit{};
    if (::getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= kWanted)
        return;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? kWanted : std::min(kWanted, limit.rlim_max);
    ::setrlimit(RLIMIT_STACK, &limit);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    allowLargeArgumentLists();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
