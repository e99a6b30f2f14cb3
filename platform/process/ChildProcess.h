#pragma once
// Starting system tools as child processes: the stand-in for NSTask and NSPipe.
// Children are started directly with posix_spawn (no shell), see ARCHITECTURE.md.
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace child_process {

// Bounds on one read, so that no tool can freeze the window or exhaust memory.
struct ReadLimits {
    std::chrono::milliseconds time{10000};          // the whole read, start to end
    std::chrono::milliseconds graceAfterExit{1000}; // a pipe still held by a grandchild once the tool has ended
    std::size_t outputBytes = 16 << 20;             // more output than any listing or setting we read
};

enum class ReadEnd {
    EndOfFile,         // every writer closed the pipe
    PipeHeldAfterExit, // the tool ended, a background process of its own kept the pipe; it was killed
    TimeLimit,         // the tool was killed
    OutputLimit,       // the tool was killed
    ReadFailed,        // the pipe could not be read; the tool was killed
};

struct ReadResult {
    bool started = false; // false when the program could not be started at all
    ReadEnd end = ReadEnd::EndOfFile;
    bool diedBySignal = false; // seen when the tool's end was seen, which a lingering tool's is not
    int exitStatus = -1;       // the tool's exit status when it was seen to exit, else -1
    std::string output;        // what the child wrote to its standard output (dropped past the output limit)

    // Whether `output` is all the tool had to say: only a read that reached end of file is. A tool
    // cut short, dying by a signal or leaving its pipe to another process may have printed only a
    // part, which must not pass for the whole.
    bool complete() const { return started && !diedBySignal && end == ReadEnd::EndOfFile; }
};

// Starts `path` with exactly `arguments` (argv[0] is `path`), stdin and stdout on pipes of their
// own (nothing is written to stdin, which is closed at once), stderr, environment and working
// directory inherited, no other descriptor of the program inherited, signal dispositions reset,
// in a process group of its own. Reads stdout until end of file. A tool that has not ended
// shortly after closing its output is left to reapFinished(), like a fire-and-forget child. When
// a limit is reached, or the tool has ended and its pipe is still held after the grace, its whole
// process group is killed and the tool reaped.
// A path or argument containing a NUL byte cannot be passed on exactly and is not started.
// `whileWaiting`, when given, is called once the tool has started and then every few
// milliseconds while the read lasts.
ReadResult runAndRead(const std::string& path, const std::vector<std::string>& arguments, const ReadLimits& limits = {},
                      const std::function<void()>& whileWaiting = {});

// Starts the child the same way with stdout on /dev/null and returns at once without waiting.
// The child is remembered and reaped later by reapFinished(). Returns false when it could not be
// started.
bool start(const std::string& path, const std::vector<std::string>& arguments);

// Reaps every child started by start() that has ended; never blocks. Returns how many remain.
std::size_t reapFinished();

// Children started by start() and not yet reaped.
std::size_t pendingCount();

// Called with the id of every child started, in the order they were started, right after each
// start and on the starting thread. Nothing is installed by default; tests install one to know
// the launch order, which the children's own records cannot tell.
using LaunchObserver = void (*)(pid_t);
void setLaunchObserver(LaunchObserver observer);

} // namespace child_process
