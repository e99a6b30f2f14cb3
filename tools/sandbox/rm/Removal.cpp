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

// A folder being emptied: where it was found, and its names still to remove.
struct Removal::Level {
    dev_t device;
    ino_t inode;
    std::string name; // in the folder above
    std::string path;
    std::vector<std::string> names;
    std::size_t next = 0;
};

// Opens folder NAME in FOLDER, which must still be the folder ENTRY describes, and reads its
// names; a null descriptor after reporting why not.
UniqueFd Removal::enter(int folder, const std::string& name, const std::string& path, const struct stat& entry,
                        Level& level)
{
    // O_NOFOLLOW: a link put in the folder's place since it was looked at is not entered.
    UniqueFd opened(::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat now {};
    if (!opened || ::fstat(opened.get(), &now) != 0) {
        fail(path, errno);
        return UniqueFd();
    }
    if (now.st_dev != entry.st_dev || now.st_ino != entry.st_ino) {
        complain(path, "changed while being removed; left alone");
        failed_ = true;
        return UniqueFd();
    }
    level = Level{now.st_dev, now.st_ino, name, path, {}, 0};
    if (!namesIn(opened.get(), level.names))
        fail(path, errno);
    return opened;
}

void Removal::removeTree(int folder, const std::string& name, const std::string& path, const struct stat& entry)
{
    // Depth first, holding only the folder being emptied open: the way back up is its "..",
    // which must be the folder we came down from. So no depth runs out of descriptors, and a
    // folder moved elsewhere meanwhile stops the walk instead of leading it out.
    std::vector<Level> levels(1);
    UniqueFd current = enter(folder, name, path, entry, levels.back());
    if (!current)
        return;
    for (;;) {
        Level& level = levels.back();
        if (level.next < level.names.size()) {
            const std::string inside = level.names[level.next++];
            const std::string insidePath = joined(level.path, inside);
            struct stat found {};
            if (::fstatat(current.get(), inside.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0) {
                fail(insidePath, errno);
            } else if (!S_ISDIR(found.st_mode)) {
                removeEntry(current.get(), inside, insidePath, 0);
            } else {
                Level below;
                UniqueFd opened = enter(current.get(), inside, insidePath, found, below);
                if (opened) {
                    current = std::move(opened);
                    levels.push_back(std::move(below));
                }
            }
            continue;
        }
        const Level emptied = std::move(levels.back());
        levels.pop_back();
        if (levels.empty()) {
            removeEntry(folder, emptied.name, emptied.path, AT_REMOVEDIR);
            return;
        }
        UniqueFd above(::openat(current.get(), "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat now {};
        if (!above || ::fstat(above.get(), &now) != 0 || now.st_dev != levels.back().device
            || now.st_ino != levels.back().inode) {
            complain(levels.back().path, "changed while being removed; left alone");
            failed_ = true;
            return;
        }
        current = std::move(above);
        removeEntry(current.get(), emptied.name, emptied.path, AT_REMOVEDIR);
    }
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
