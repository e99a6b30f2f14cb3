#include "SandboxHome.h"

#include "Messages.h"
#include "UniqueFd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace sandbox_rm {

namespace {

// The running program's own path, every byte of it.
std::optional<std::string> ownPath()
{
    std::vector<char> buffer(256);
    while (true) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return std::nullopt;
        if (static_cast<size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

// Splits off the last name of PATH into NAME; false when there is none to split off.
bool popName(std::string& path, std::string& name)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return false;
    name = path.substr(slash + 1);
    path.erase(slash);
    return true;
}

bool sameEntry(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

SandboxHome::SandboxHome(std::string path, const struct stat& entry)
    : path_(std::move(path)), device_(entry.st_dev), inode_(entry.st_ino)
{
}

std::optional<SandboxHome> SandboxHome::ofThisProgram(std::string& problem)
{
    const std::optional<std::string> self = ownPath();
    if (!self) {
        problem = std::string("cannot find where this program is: ") + std::strerror(errno);
        return std::nullopt;
    }
    std::string sandbox = *self;
    std::string program, bin, root;
    if (!popName(sandbox, program) || !popName(sandbox, bin) || !popName(sandbox, root) || bin != "bin"
        || root != "root") {
        problem = "not installed in a Quorrel sandbox (SANDBOX/root/bin/rm): " + shown(*self);
        return std::nullopt;
    }
    std::string home = sandbox + "/home";
    struct stat entry {};
    if (::stat(home.c_str(), &entry) != 0 || !S_ISDIR(entry.st_mode)) {
        problem = "the Quorrel sandbox has no home folder: " + shown(home);
        return std::nullopt;
    }
    return SandboxHome(std::move(home), entry);
}

bool SandboxHome::is(const struct stat& entry) const
{
    return entry.st_dev == device_ && entry.st_ino == inode_;
}

bool SandboxHome::holds(int folder) const
{
    UniqueFd current(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    struct stat here {};
    if (!current || ::fstat(current.get(), &here) != 0)
        return false;
    while (!is(here)) {
        UniqueFd parent(::openat(current.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        struct stat above {};
        if (!parent || ::fstat(parent.get(), &above) != 0)
            return false;
        if (sameEntry(above, here)) // "/" is its own parent: the home was not on the way
            return false;
        current = std::move(parent);
        here = above;
    }
    return true;
}

} // namespace sandbox_rm
