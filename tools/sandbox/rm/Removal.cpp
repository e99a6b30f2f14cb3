#include "Removal.h"

#include "Messages.h"
#include "UniqueFd.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace sandbox_rm {

namespace {

std::string joined(const std::string& path, const std::string& name)
{
    return path.empty() || path.back() == '/' ? path + name : path + "/" + name;
}

// The names in the folder open as FOLDER, read whole before anything in it is removed.
bool namesIn(int folder, std::vector<std::string>& names)
{
    DIR* listing = ::fdopendir(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!listing)
        return false;
    errno = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    const int error = errno;
    ::closedir(listing);
    errno = error;
    return error == 0;
}

} // namespace

void Removal::remove(int folder, const std::string& name, const std::string& path)
{
    struct stat entry {};
    if (::fstatat(folder, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        fail(path, errno);
        return;
    }
    if (!S_ISDIR(entry.st_mode)) {
        removeEntry(folder, name, path, 0);
    } else if (options_.recursive) {
        removeTree(folder, name, path, entry);
    } else if (options_.emptyFolders) {
        removeEntry(folder, name, path, AT_REMOVEDIR);
    } else {
        complain(path, "is a directory");
        failed_ = true;
    }
}

void Removal::removeTree(int folder, const std::string& name, const std::string& path, const struct stat& entry)
{
    // O_NOFOLLOW: a link put in the folder's place since it was looked at is not entered.
    const UniqueFd tree(::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (!tree || ::fstat(tree.get(), &opened) != 0) {
        fail(path, errno);
        return;
    }
    if (opened.st_dev != entry.st_dev || opened.st_ino != entry.st_ino) {
        complain(path, "changed while being removed; left alone");
        failed_ = true;
        return;
    }
    std::vector<std::string> names;
    if (!namesIn(tree.get(), names))
        fail(path, errno);
    for (const std::string& inside : names)
        remove(tree.get(), inside, joined(path, inside));
    removeEntry(folder, name, path, AT_REMOVEDIR);
}

void Removal::removeEntry(int folder, const std::string& name, const std::string& path, int flags)
{
    if (::unlinkat(folder, name.c_str(), flags) != 0) {
        fail(path, errno);
        return;
    }
    if (options_.verbose) {
        std::fwrite(path.data(), 1, path.size(), stdout);
        std::fputc('\n', stdout);
    }
}

void Removal::fail(const std::string& path, int error)
{
    if (options_.force && error == ENOENT)
        return;
    complainOfError(path, error);
    failed_ = true;
}

} // namespace sandbox_rm
