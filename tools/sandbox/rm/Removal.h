#pragma once
// Removes entries by name inside an open folder, as the Mac's rm does: a folder only with -R
// (its contents first) or, when empty, with -d; a link always as the link itself, never what it
// leads to, at any depth.
#include "UniqueFd.h"

#include <string>
#include <sys/stat.h>

namespace sandbox_rm {

struct Options {
    bool force = false;        // -f: a missing entry is no error
    bool recursive = false;    // -R, -r
    bool emptyFolders = false; // -d
    bool verbose = false;      // -v: print each path removed
};

class Removal {
public:
    explicit Removal(const Options& options) : options_(options) {}

    // Removes NAME in the folder open as FOLDER; PATH is how messages and -v name it.
    void remove(int folder, const std::string& name, const std::string& path);
    // Reports that PATH could not be reached (ERROR is errno), as a removal of it would.
    void unreachable(const std::string& path, int error) { fail(path, error); }
    bool failed() const { return failed_; }

private:
    struct Level;
    UniqueFd enter(int folder, const std::string& name, const std::string& path, const struct stat& entry, Level& level);
    void removeTree(int folder, const std::string& name, const std::string& path, const struct stat& entry);
    void removeEntry(int folder, const std::string& name, const std::string& path, int flags);
    void fail(const std::string& path, int error);

    Options options_;
    bool failed_ = false;
};

} // namespace sandbox_rm
