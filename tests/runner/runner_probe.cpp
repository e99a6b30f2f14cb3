// A tiny tool the runner tests start as a real child process. The first argument picks what it
// does; each mode reports one thing about how it was started, or behaves badly on purpose.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool writeAll(int fd, const std::string& text) { return writeAll(fd, text.data(), text.size()); }

// Written whole under a temporary name first, so a test polling for the file never sees half of it.
bool writeFile(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".part";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, text);
    ::close(fd);
    return ok && ::rename(temporary.c_str(), path.c_str()) == 0;
}

void sleepMs(int ms) { ::poll(nullptr, 0, ms); }

// The open descriptors, one per line, then what stdout is.
std::string describeDescriptors()
{
    std::vector<int> fds;
#ifdef __APPLE__
    DIR* dir = ::opendir("/dev/fd"); // a Mac lists the caller's own descriptors there
#else
    DIR* dir = ::opendir("/proc/self/fd");
#endif
    if (!dir)
        return "cannot list\n";
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const int fd = std::atoi(entry->d_name);
        if (fd != ::dirfd(dir))
            fds.push_back(fd);
    }
    ::closedir(dir);
    std::sort(fds.begin(), fds.end());
    std::string text;
    for (int fd : fds)
        text += std::to_string(fd) + "\n";

    struct stat out {};
    struct stat null {};
    const bool isNull = ::fstat(1, &out) == 0 && ::stat("/dev/null", &null) == 0 && S_ISCHR(out.st_mode)
        && out.st_rdev == null.st_rdev;
    text += isNull ? "stdout=/dev/null\n" : S_ISFIFO(out.st_mode) ? "stdout=pipe\n"
                                                                  : "stdout=other\n";
    return text;
}

std::string describeSignals()
{
    struct sigaction pipeAction {};
    ::sigaction(SIGPIPE, nullptr, &pipeAction);
    std::string text = "SIGPIPE=";
    text += pipeAction.sa_handler == SIG_IGN ? "ignored" : pipeAction.sa_handler == SIG_DFL ? "default"
                                                                                            : "caught";
    text += "\nblocked=";
    sigset_t blocked;
    sigemptyset(&blocked);
    ::sigprocmask(SIG_BLOCK, nullptr, &blocked);
    std::string list;
    for (int sig = 1; sig < 32; ++sig) {
        if (sigismember(&blocked, sig) == 1)
            list += (list.empty() ? "" : ",") + std::to_string(sig);
    }
    text += (list.empty() ? "none" : list) + "\n";
    return text;
}

int fromHex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";

    if (mode.empty())
        return 0;

    if (mode == "args") { // argv[0], then every argument after the mode, each ended by a NUL
        std::string text = std::string(argv[0]) + '\0';
        for (int i = 2; i < argc; ++i)
            text += std::string(argv[i]) + '\0';
        return writeAll(1, text) ? 0 : 1;
    }

    if (mode == "fds") // fds [file]: to stdout, or to a file when stdout is not ours to read
        return (argc > 2 ? writeFile(argv[2], describeDescriptors()) : writeAll(1, describeDescriptors())) ? 0 : 1;

    if (mode == "signals")
        return writeAll(1, describeSignals()) ? 0 : 1;

    if (mode == "stdin") { // reads stdin to its end
        char buffer[4096];
        long long total = 0;
        for (;;) {
            const ssize_t count = ::read(0, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                break;
            total += count;
        }
        return writeAll(1, "read " + std::to_string(total) + " bytes\n") ? 0 : 1;
    }

    if (mode == "hex" && argc > 2) { // hex <lowercase hex>: exactly those bytes
        const std::string hex = argv[2];
        std::string bytes;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            bytes += static_cast<char>(fromHex(hex[i]) * 16 + fromHex(hex[i + 1]));
        return writeAll(1, bytes) ? 0 : 1;
    }

    if (mode == "flood" && argc > 2) {
        // flood <bytes>: byte i of stdout is 'a' + i % 26; after each MiB a 4 KiB line on stderr.
        // For 32 MiB that is more than a pipe holds, so a stderr nobody reads would stall it.
        const long long total = std::atoll(argv[2]);
        const std::size_t mebibyte = 1 << 20;
        std::string pattern(mebibyte + 26, '\0');
        for (std::size_t i = 0; i < pattern.size(); ++i)
            pattern[i] = static_cast<char>('a' + i % 26);
        const std::string noise = std::string(4095, '.') + '\n';
        long long written = 0;
        while (written < total) {
            const std::size_t size = static_cast<std::size_t>(std::min<long long>(total - written, mebibyte));
            if (!writeAll(1, pattern.data() + written % 26, size) || !writeAll(2, noise))
                return 1;
            written += static_cast<long long>(size);
        }
        return 0;
    }

    if (mode == "grandchild") { // leaves a background process holding stdout until nobody reads it
        writeAll(1, "before\n");
        const pid_t pid = ::fork();
        if (pid == 0) {
            pollfd out{1, 0, 0}; // a pipe's write end reports POLLERR once the reader is gone
            ::poll(&out, 1, 30000);
            ::_exit(0);
        }
        return pid > 0 ? 0 : 1;
    }

    if (mode == "hang-open-with-child" && argc > 2) {
        // hang-open-with-child <pid file>: like hang-open, with a child of its own that also
        // holds stdout and whose pid goes to the file.
        const pid_t pid = ::fork();
        if (pid == 0) {
            writeFile(argv[2], std::to_string(::getpid()));
            sleepMs(30000);
            ::_exit(0);
        }
        writeAll(1, "partial\n");
        sleepMs(30000);
        return 0;
    }

    if (mode == "grandchild-finishes" && argc > 2) {
        // grandchild-finishes <ms>: ends at once, leaving a child that writes the rest of the
        // answer after <ms> and then closes stdout.
        writeAll(1, "(\n    en,\n    de,\n");
        const pid_t pid = ::fork();
        if (pid == 0) {
            sleepMs(std::atoi(argv[2]));
            writeAll(1, "    fr\n)\n");
            ::_exit(0);
        }
        return pid > 0 ? 0 : 1;
    }

    if (mode == "hang-open") { // never ends on its own and never closes stdout
        writeAll(1, "partial\n");
        sleepMs(30000);
        return 0;
    }

    if (mode == "linger-closed" && argc > 2) { // prints, closes stdout, lingers <ms>, ends normally
        writeAll(1, "complete\n");
        ::close(1);
        sleepMs(std::atoi(argv[2]));
        return 0;
    }

    if (mode == "die" && argc > 2) { // die <signal number>: prints a part, then dies by that signal
        writeAll(1, "(\n    en,\n    de,\n");
        const rlimit noCore{0, 0}; // a crash on purpose leaves no core file behind
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::signal(std::atoi(argv[2]), SIG_DFL);
        ::raise(std::atoi(argv[2]));
        sleepMs(30000);
        return 0;
    }

    if (mode == "forever") { // writes until its reader goes away
        const std::string block(64 * 1024, 'x');
        while (writeAll(1, block)) {
        }
        return 1;
    }

    if (mode == "touch" && argc > 2)
        return writeFile(argv[2], "") ? 0 : 1;

    if (mode == "await" && argc > 4) { // await <marker> <result> <ms>: did the marker appear in time?
        const int limit = std::atoi(argv[4]);
        bool seen = false;
        for (int waited = 0; waited <= limit && !seen; waited += 10) {
            seen = ::access(argv[2], F_OK) == 0;
            if (!seen)
                sleepMs(10);
        }
        return writeFile(argv[3], seen ? "saw" : "timeout") ? 0 : 1;
    }

    std::fprintf(stderr, "runner_probe: unknown mode '%s'\n", mode.c_str());
    return 2;
}
