#include "ChildProcess.h"

#include "plist/UniqueFd.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <mutex>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef __APPLE__
#include <crt_externs.h>
#else
extern char** environ;
#endif

namespace child_process {
namespace {

char** currentEnvironment()
{
#ifdef __APPLE__
    // Apple's environ(7): only a complete program's own code may use environ directly; library
    // code, which this is, asks _NSGetEnviron() for it.
    return *_NSGetEnviron();
#else
    return environ;
#endif
}

std::atomic<LaunchObserver>& launchObserver()
{
    static std::atomic<LaunchObserver> observer{nullptr};
    return observer;
}

using Clock = std::chrono::steady_clock;

// How often a read checks whether the child itself has ended while its pipe is still open.
constexpr std::chrono::milliseconds kExitCheckInterval{25};
// How long to wait for a child to die after SIGKILL before leaving it to reapFinished().
constexpr std::chrono::milliseconds kReapAfterKill{2000};
// A tool normally ends the moment its output closes; one that lingers longer is reaped later.
constexpr std::chrono::milliseconds kExitAfterEndOfFile{50};
// How often a read that takes long hands its caller a turn (the window's repaints), so a
// 60-frames-a-second display misses no more than one. The first turn comes as soon as the tool
// has started: a window shown just before the read is drawn while the tool runs.
constexpr std::chrono::milliseconds kWaitingTurnInterval{10};

using posix::UniqueFd;

// A descriptor below 3 would be overwritten by the dup2s that set up the child's 0 and 1
// (possible when the program was started with a standard descriptor closed).
int moveAboveStandardDescriptors(int fd)
{
    if (fd > 2)
        return fd;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    ::close(fd);
    return moved;
}

bool makePipe(UniqueFd& readEnd, UniqueFd& writeEnd)
{
    int fds[2];
#ifdef __APPLE__
    // macOS has no pipe2. Our own children cannot inherit these ends anyway (they get only what
    // POSIX_SPAWN_CLOEXEC_DEFAULT lets through, below); the flags are for children that others,
    // such as QProcess, start between pipe() and fcntl().
    if (::pipe(fds) != 0)
        return false;
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
#else
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
#endif
    readEnd.reset(moveAboveStandardDescriptors(fds[0]));
    writeEnd.reset(moveAboveStandardDescriptors(fds[1]));
    return readEnd.get() >= 0 && writeEnd.get() >= 0;
}

class SpawnSettings {
public:
    SpawnSettings()
    {
        actionsReady_ = ::posix_spawn_file_actions_init(&actions_) == 0;
        attributesReady_ = ::posix_spawnattr_init(&attributes_) == 0;
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;
    ~SpawnSettings()
    {
        if (actionsReady_)
            ::posix_spawn_file_actions_destroy(&actions_);
        if (attributesReady_)
            ::posix_spawnattr_destroy(&attributes_);
    }

    // stdin from `stdinFd`, stdout to `stdoutFd` (or /dev/null when it is -1), stderr inherited,
    // nothing above 2; every signal at its default and none blocked, whatever this program set.
    // With `ownGroup` the child leads a new process group, whose id is its pid.
    bool prepare(int stdinFd, int stdoutFd, bool ownGroup)
    {
        if (!actionsReady_ || !attributesReady_)
            return false;
        if (::posix_spawn_file_actions_adddup2(&actions_, stdinFd, STDIN_FILENO) != 0)
            return false;
        const int stdoutAction = stdoutFd >= 0
            ? ::posix_spawn_file_actions_adddup2(&actions_, stdoutFd, STDOUT_FILENO)
            : ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        if (stdoutAction != 0)
            return false;
        short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
        if (ownGroup) {
            if (::posix_spawnattr_setpgroup(&attributes_, 0) != 0)
                return false;
            flags |= POSIX_SPAWN_SETPGROUP;
        }
#ifdef __APPLE__
        // macOS has no addclosefrom_np. POSIX_SPAWN_CLOEXEC_DEFAULT closes every descriptor that no
        // file action describes (posix_spawnattr_setflags(3)): 0 and 1 are the dup2 and open
        // above, and stderr is named by an inherit action (posix_spawn_file_actions_addinherit_np).
        if (::posix_spawn_file_actions_addinherit_np(&actions_, STDERR_FILENO) != 0)
            return false;
        flags |= POSIX_SPAWN_CLOEXEC_DEFAULT;
#else
        if (::posix_spawn_file_actions_addclosefrom_np(&actions_, 3) != 0)
            return false;
#endif

        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        return ::posix_spawnattr_setsigdefault(&attributes_, &all) == 0
            && ::posix_spawnattr_setsigmask(&attributes_, &none) == 0
            && ::posix_spawnattr_setflags(&attributes_, flags) == 0;
    }

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
    bool actionsReady_ = false;
    bool attributesReady_ = false;
};

bool containsNul(const std::string& text) { return text.find('\0') != std::string::npos; }

// Starts the child; false when it could not be started (posix_spawn reports a failed exec itself
// and has already reaped the short-lived child in that case).
bool spawn(const std::string& path, const std::vector<std::string>& arguments, int stdoutFd, bool ownGroup, pid_t& pid)
{
    // A NUL cannot travel in argv: refuse rather than pass a silently shortened argument.
    if (path.empty() || containsNul(path) || std::any_of(arguments.begin(), arguments.end(), containsNul))
        return false;

    // The child gets a stdin of its own with no writer left, so a tool that reads it sees end of
    // file at once instead of waiting on whatever this program's stdin is.
    UniqueFd stdinRead;
    UniqueFd stdinWrite;
    if (!makePipe(stdinRead, stdinWrite))
        return false;
    stdinWrite.reset();

    SpawnSettings settings;
    if (!settings.prepare(stdinRead.get(), stdoutFd, ownGroup))
        return false;

    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    if (::posix_spawn(&pid, path.c_str(), settings.actions(), settings.attributes(), argv.data(),
                      currentEnvironment())
        != 0)
        return false;
    if (const LaunchObserver observer = launchObserver())
        observer(pid);
    return true;
}

// True once `pid` is reaped (or was reaped by someone else); never blocks. `status` gets its wait
// status when we reaped it.
bool tryReap(pid_t pid, int* status = nullptr)
{
    for (;;) {
        int waitStatus = 0;
        const pid_t result = ::waitpid(pid, &waitStatus, WNOHANG);
        if (result == pid) {
            if (status)
                *status = waitStatus;
            return true;
        }
        if (result == 0)
            return false;
        if (errno != EINTR)
            return errno == ECHILD;
    }
}

// True once `pid` has ended, without reaping it: until it is reaped its id stays taken, and with
// it the id of the process group it leads, so that group can still be signalled safely.
bool hasEnded(pid_t pid)
{
    for (;;) {
        siginfo_t info{};
        if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0)
            return info.si_pid == pid;
        if (errno != EINTR)
            return errno == ECHILD;
    }
}

// Reaps `pid` once it has ended, polling with a growing pause so that a child which is just
// finishing costs microseconds and a slow one costs little CPU. False if `deadline` came first.
bool reapBy(pid_t pid, Clock::time_point deadline, int* status = nullptr)
{
    std::chrono::microseconds pause{20};
    for (int attempt = 0;; ++attempt) {
        if (tryReap(pid, status))
            return true;
        const auto now = Clock::now();
        if (now >= deadline)
            return false;
        if (attempt < 3) {
            ::sched_yield();
            continue;
        }
        const auto sleepFor = std::min<Clock::duration>(pause, deadline - now);
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(sleepFor);
        const timespec delay{static_cast<time_t>(seconds.count()),
                             static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(sleepFor - seconds).count())};
        ::nanosleep(&delay, nullptr); // an interruption only means an earlier look
        pause = std::min<std::chrono::microseconds>(pause * 2, std::chrono::milliseconds(10));
    }
}

std::mutex& pendingMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<pid_t>& pendingChildren()
{
    static std::vector<pid_t> pids;
    return pids;
}

void addPending(pid_t pid)
{
    const std::lock_guard<std::mutex> lock(pendingMutex());
    pendingChildren().push_back(pid);
}

// Ends the process group that the unreaped child `pid` leads, so that nothing the tool started
// is left behind, and reaps the child. True when it was reaped, with its wait status in `status`.
bool killGroupAndReap(pid_t pid, int& status)
{
    ::killpg(pid, SIGKILL);
    // A child stuck in the kernel may take a while to die even from SIGKILL; don't hang on it.
    if (reapBy(pid, Clock::now() + kReapAfterKill, &status))
        return true;
    addPending(pid);
    return false;
}

int pollTimeout(Clock::time_point now, Clock::time_point until)
{
    if (until <= now)
        return 0;
    // Rounded up, so a wait never turns into a busy loop of zero-length polls.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(until - now).count();
    return static_cast<int>(std::min<long long>(ms, 60000));
}

// Reads a started child's output to its end, or to the first limit it reaches.
class OutputReader {
public:
    OutputReader(int fd, pid_t pid, const ReadLimits& limits, Clock::time_point deadline,
                 const std::function<void()>& whileWaiting)
        : fd_(fd), pid_(pid), limits_(limits), deadline_(deadline), whileWaiting_(whileWaiting),
          nextExitCheck_(Clock::now() + kExitCheckInterval),
          nextTurn_(whileWaiting ? Clock::now() : Clock::time_point::max())
    {
    }

    ReadEnd readAll(std::string& output)
    {
        for (;;) {
            const auto now = Clock::now();
            if (const auto end = limitReached(now))
                return *end;
            if (noticeExit(now))
                continue; // the grace starts now: look at the clocks again
            if (takeTurn(now))
                continue;
            if (const auto end = waitAndRead(now, output))
                return *end;
        }
    }

private:
    std::optional<ReadEnd> limitReached(Clock::time_point now) const
    {
        if (now >= deadline_)
            return ReadEnd::TimeLimit;
        if (exited_ && now >= graceEnd_)
            return ReadEnd::PipeHeldAfterExit;
        return std::nullopt;
    }

    // Looks now and then whether the child itself has ended while its pipe is still open; true
    // when that is seen just now.
    bool noticeExit(Clock::time_point now)
    {
        if (exited_ || now < nextExitCheck_)
            return false;
        if (hasEnded(pid_)) {
            exited_ = true;
            graceEnd_ = now + limits_.graceAfterExit;
            return true;
        }
        nextExitCheck_ = now + kExitCheckInterval;
        return false;
    }

    // Hands the caller its turn when one is due; true when it took one.
    bool takeTurn(Clock::time_point now)
    {
        if (now < nextTurn_)
            return false;
        whileWaiting_();
        nextTurn_ = Clock::now() + kWaitingTurnInterval;
        return true;
    }

    // Waits for output until the next clock falls due, and reads what came.
    std::optional<ReadEnd> waitAndRead(Clock::time_point now, std::string& output)
    {
        pollfd watched{fd_, POLLIN, 0};
        const int ready = ::poll(&watched, 1, pollTimeout(now, std::min({deadline_, exited_ ? graceEnd_ : nextExitCheck_, nextTurn_})));
        if (ready < 0 && errno == EINTR)
            return std::nullopt;
        if (ready < 0 || (ready > 0 && (watched.revents & POLLNVAL)))
            return ReadEnd::ReadFailed;
        if (ready == 0)
            return std::nullopt;
        return readAvailable(output);
    }

    std::optional<ReadEnd> readAvailable(std::string& output)
    {
        char buffer[64 * 1024];
        const ssize_t count = ::read(fd_, buffer, sizeof buffer);
        if (count > 0) {
            if (output.size() + static_cast<std::size_t>(count) > limits_.outputBytes) {
                output = std::string(); // frees it: none of it will be used
                return ReadEnd::OutputLimit;
            }
            output.append(buffer, static_cast<std::size_t>(count));
            return std::nullopt;
        }
        if (count == 0)
            return ReadEnd::EndOfFile;
        if (errno != EINTR && errno != EAGAIN)
            return ReadEnd::ReadFailed;
        return std::nullopt;
    }

    const int fd_;
    const pid_t pid_;
    const ReadLimits& limits_;
    const Clock::time_point deadline_;
    const std::function<void()>& whileWaiting_;
    bool exited_ = false; // seen ended, not reaped yet
    Clock::time_point graceEnd_{};
    Clock::time_point nextExitCheck_;
    Clock::time_point nextTurn_;
};

// Reaps the child once its read has ended; true when it was reaped, with its wait status in
// `status`.
bool reapAfterRead(pid_t pid, ReadEnd end, int& status)
{
    if (end == ReadEnd::EndOfFile) {
        // Its output is whole. Look at how it ended when that comes at once; a tool that
        // lingers is not waited for.
        const bool reaped = reapBy(pid, Clock::now() + kExitAfterEndOfFile, &status);
        if (!reaped)
            addPending(pid);
        return reaped;
    }
    // A limit, or the tool gone while something of its own still holds the pipe: whatever is
    // left of it in its group goes too, rather than lingering once per failed read.
    return killGroupAndReap(pid, status);
}

} // namespace

ReadResult runAndRead(const std::string& path, const std::vector<std::string>& arguments, const ReadLimits& limits,
                      const std::function<void()>& whileWaiting)
{
    ReadResult result;
    const auto deadline = Clock::now() + limits.time;

    UniqueFd outputRead;
    UniqueFd outputWrite;
    if (!makePipe(outputRead, outputWrite))
        return result;
    pid_t pid = -1;
    if (!spawn(path, arguments, outputWrite.get(), true, pid))
        return result;
    result.started = true;
    // From here on only the child (and whatever it starts) holds the write end: end of file
    // means every writer is gone.
    outputWrite.reset();

    result.end = OutputReader(outputRead.get(), pid, limits, deadline, whileWaiting).readAll(result.output);

    // Closing our end first means a child still writing gets EPIPE instead of blocking.
    outputRead.reset();
    int status = 0;
    const bool reaped = reapAfterRead(pid, result.end, status);
    result.diedBySignal = reaped && WIFSIGNALED(status);
    if (reaped && WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    return result;
}

bool start(const std::string& path, const std::vector<std::string>& arguments)
{
    pid_t pid = -1;
    if (!spawn(path, arguments, -1, false, pid))
        return false;
    addPending(pid);
    return true;
}

std::size_t reapFinished()
{
    const std::lock_guard<std::mutex> lock(pendingMutex());
    auto& pids = pendingChildren();
    // Only our own pids, one by one: a waitpid(-1) would steal children that QProcess and others
    // are waiting for.
    pids.erase(std::remove_if(pids.begin(), pids.end(), [](pid_t pid) { return tryReap(pid); }), pids.end());
    return pids.size();
}

void setLaunchObserver(LaunchObserver observer)
{
    launchObserver() = observer;
}

std::size_t pendingCount()
{
    const std::lock_guard<std::mutex> lock(pendingMutex());
    return pendingChildren().size();
}

} // namespace child_process
