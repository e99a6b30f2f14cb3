#pragma once
// Starting system tools as child processes: the stand-in for NSTask and NSPipe.
// Children are started directly with posix_spawn (no shell), see ARCHITECTURE.md.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace child_process {

struct ReadResult {
    bool started = false;   // false when the program could not be started at all
    bool timedOut = false;  // the time limit ended the read; a child still running was killed and reaped
                            // (or, should it not die within moments, left to reapFinished())
    std::string output;     // every byte the child wrote to its standard output
};

// Starts `path` with exactly `arguments` (argv[0] is `path`), stdin and stdout on pipes of their
// own (nothing is written to stdin, which is closed at once), stderr, environment and working
// directory inherited, no other descriptor of the program inherited, signal dispositions reset.
// Reads stdout until end of file and reaps the child. Stops waiting once `limit` has passed, or
// `grace` after the direct child has exited while some other process still holds the pipe.
// A path or argument containing a NUL byte cannot be passed on exactly and is not started.
ReadResult runAndRead(const std::string& path, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds limit, std::chrono::milliseconds grace);

// Starts the child the same way with stdout on /dev/null and returns at once without waiting.
// The child is remembered and reaped later by reapFinished(). Returns false when it could not be
// started.
bool start(const std::string& path, const std::vector<std::string>& arguments);

// Reaps every child started by start() that has ended; never blocks. Returns how many remain.
std::size_t reapFinished();

// Children started by start() and not yet reaped.
std::size_t pendingCount();

} // namespace child_process
