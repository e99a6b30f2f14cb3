#pragma once
// The sandbox's home folder, and what lies inside it. Folders are told apart by device and
// inode, and "inside" is found by walking up through "..", so no name or link can fake it.
#include <optional>
#include <string>
#include <sys/stat.h>

namespace sandbox_rm {

class SandboxHome {
public:
    // The home of the sandbox this program is installed in (SANDBOX/root/bin/rm). Nothing, and
    // the reason in PROBLEM, when it is not installed in a sandbox or that has no home.
    static std::optional<SandboxHome> ofThisProgram(std::string& problem);

    const std::string& path() const { return path_; }
    bool is(const struct stat& entry) const;
    // Whether the folder open as FOLDER is the home or lies anywhere below it.
    bool holds(int folder) const;

private:
    SandboxHome(std::string path, const struct stat& entry);

    std::string path_;
    dev_t device_;
    ino_t inode_;
};

} // namespace sandbox_rm
