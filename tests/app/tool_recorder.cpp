// Stands in for every system tool in a test's tool root: appends its argument vector to the log
// named by QUORREL_TEST_LOG in one write, then behaves as the test arranged:
//  - as "defaults", runs the real `defaults` stand-in named by QUORREL_TEST_DEFAULTS, unless the
//    tool root holds a file "defaults-stall": then it prints that file and hangs with stdout open,
//    like a tool stuck halfway through its answer; when it holds "defaults-domains", `defaults
//    domains` prints that file instead of the real list;
//  - as "ps", prints the file "ps-output" of the tool root ($QUORREL_TOOL_ROOT), if any; when the
//    tool root holds "ps-stall", prints that instead and hangs with stdout open;
//  - anything else (kill, rm, killall) does nothing at all.
// Records: pid, tool name and arguments separated by 0x1f, ended by 0x1e.
// QUORREL_TEST_TOOL_DELAY_MS, when set, makes every tool wait that long before anything else: a
// machine so loaded that each tool takes that long, to check that the tests' waits hold on it.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

static void copyFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        (void)!write(STDOUT_FILENO, buffer, size_t(n));
    close(fd);
}

static std::string inToolRoot(const char* name)
{
    const char* root = std::getenv("QUORREL_TOOL_ROOT");
    return std::string(root ? root : ".") + "/" + name;
}

static void record(int argc, char** argv, const std::string& tool)
{
    const char* log = std::getenv("QUORREL_TEST_LOG");
    if (!log)
        return;
    std::string entry = std::to_string(getpid()) + '\x1f' + tool;
    for (int i = 1; i < argc; ++i)
        entry += '\x1f' + std::string(argv[i]);
    entry += '\x1e';
    const int fd = open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    (void)!write(fd, entry.data(), entry.size());
    close(fd);
}

int main(int argc, char** argv)
{
    const char* slash = std::strrchr(argv[0], '/');
    const std::string tool = slash ? slash + 1 : argv[0];
    if (const char* delay = std::getenv("QUORREL_TEST_TOOL_DELAY_MS"))
        usleep(useconds_t(std::strtoul(delay, nullptr, 10) * 1000));
    record(argc, argv, tool);
    if (tool == "defaults") {
        if (access(inToolRoot("defaults-stall").c_str(), F_OK) == 0) {
            copyFile(inToolRoot("defaults-stall"));
            sleep(30);
            return 0;
        }
        if (argc == 2 && std::strcmp(argv[1], "domains") == 0 && access(inToolRoot("defaults-domains").c_str(), F_OK) == 0) {
            copyFile(inToolRoot("defaults-domains"));
            return 0;
        }
        const char* real = std::getenv("QUORREL_TEST_DEFAULTS");
        if (real) {
            argv[0] = const_cast<char*>(real);
            execv(real, argv);
        }
        return 127;
    }
    if (tool == "ps") {
        if (access(inToolRoot("ps-stall").c_str(), F_OK) == 0) {
            copyFile(inToolRoot("ps-stall"));
            sleep(30);
            return 0;
        }
        copyFile(inToolRoot("ps-output"));
    }
    return 0;
}
