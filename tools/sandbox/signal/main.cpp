// Signals one process of the Quorrel sandbox, and only the one that was checked:
//   sandbox-signal SIGNAL PID ARGUMENT...
// sends signal number SIGNAL to process PID when its command line is exactly ARGUMENT... (each
// one whole, byte for byte). The check and the signal go through one pidfd, so an id reused by
// another process between the two is never signalled: a signal to the process that was checked
// either arrives or fails because it has ended. Statuses: 0 sent, 1 refused or ended, 2 misuse.
//
// QUORREL_SANDBOX_SIGNAL_HOLD, for the tests only: a folder. Between the check and the signal the
// helper makes the file "held" in it and waits (a minute at most) for a file "go", so that a test
// can end the process and hand its id to another one just there.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool parseNumber(const char* text, long max, long& value)
{
    if (!*text || std::strlen(text) > 10)
        return false;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return false;
    }
    value = std::strtol(text, nullptr, 10);
    return value >= 0 && value <= max && !(text[0] == '0' && text[1]);
}

std::string commandLineOf(long pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void holdForTheTest()
{
    const char* hold = std::getenv("QUORREL_SANDBOX_SIGNAL_HOLD");
    if (!hold || !*hold)
        return;
    const std::string folder = hold;
    const int held = ::open((folder + "/held").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (held >= 0)
        ::close(held);
    for (int waited = 0; waited < 6000 && ::access((folder + "/go").c_str(), F_OK) != 0; ++waited)
        ::usleep(10000);
}

int refuse(const char* pid, const char* why)
{
    std::fprintf(stderr, "sandbox-signal: %s: %s\n", pid, why);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    long signal = 0;
    long pid = 0;
    if (argc < 4 || !parseNumber(argv[1], 64, signal) || !parseNumber(argv[2], 2147483647L, pid) || pid < 1) {
        std::fprintf(stderr, "usage: sandbox-signal SIGNAL PID ARGUMENT...\n");
        return 2;
    }
    std::string expected;
    for (int i = 3; i < argc; ++i)
        expected += std::string(argv[i]) + '\0';

    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
    if (pidfd < 0)
        return refuse(argv[2], std::strerror(errno));
    // The command line is read by id; the process it describes is the pidfd's only if that one
    // is still alive afterwards, since an ended process never comes back.
    const bool matches = commandLineOf(pid) == expected;
    if (::syscall(SYS_pidfd_send_signal, pidfd, 0, nullptr, 0) != 0)
        return refuse(argv[2], "ended");
    if (!matches)
        return refuse(argv[2], "not this sandbox's process");
    holdForTheTest();
    if (::syscall(SYS_pidfd_send_signal, pidfd, static_cast<int>(signal), nullptr, 0) != 0)
        return refuse(argv[2], std::strerror(errno));
    return 0;
}
