#include "Target.h"

#include "Messages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace sandbox_rm {

namespace {

UniqueFd openFolder(const std::string& path)
{
    return UniqueFd(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// The folder that holds the last name of PATH, which has no trailing slash.
std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// The nearest folder above PATH that exists, for telling whether a missing one would be inside.
UniqueFd nearestExisting(std::string path)
{
    while (true) {
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        if (path == "/" || path == ".")
            return openFolder(path);
        path = folderOf(path);
        if (UniqueFd folder = openFolder(path); folder || (errno != ENOENT && errno != ENOTDIR))
            return folder;
    }
}

Target refused(std::string why)
{
    Target target;
    target.refusal = std::move(why);
    return target;
}

} // namespace

Target locate(const std::string& operand, const SandboxHome& home)
{
    // Trailing slashes would make a final link count as its target.
    std::string path = operand;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path.empty())
        return refused("an empty name names nothing to remove");
    if (path == "/")
        return refused("\"/\" may not be removed");

    Target target;
    target.name = path.substr(path.rfind('/') + 1);
    if (target.name == "." || target.name == "..")
        return refused("\".\" and \"..\" may not be removed");
    const std::string outside = "outside the Quorrel sandbox's home (" + shown(home.path()) + ")";

    const std::string folderPath = folderOf(path);
    target.folder = openFolder(folderPath);
    if (!target.folder) {
        target.error = errno;
        if (target.error == ENOENT || target.error == ENOTDIR) {
            const UniqueFd existing = nearestExisting(folderPath);
            if (existing && !home.holds(existing.get()))
                return refused(outside);
        }
        return target;
    }

    struct stat entry {};
    if (::fstatat(target.folder.get(), target.name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) == 0 && home.is(entry))
        return refused("the Quorrel sandbox's home itself");
    if (!home.holds(target.folder.get()))
        return refused(outside);
    return target;
}

} // namespace sandbox_rm
