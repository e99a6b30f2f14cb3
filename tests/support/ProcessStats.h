#pragma once
// What tests and benchmarks look at from outside: this process's descriptors, children and memory
// (Linux /proc).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/types.h>
#include <unistd.h>

// Entries of /proc/self/fd, not counting the one used to list them.
inline int openDescriptorCount()
{
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir)
        return -1;
    int count = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != ::dirfd(dir))
            ++count;
    }
    ::closedir(dir);
    return count;
}

// Every process whose parent is this one, zombies included.
inline std::vector<pid_t> childrenOfThisProcess()
{
    std::vector<pid_t> children;
    const pid_t self = ::getpid();
    DIR* dir = ::opendir("/proc");
    if (!dir)
        return children;
    while (const dirent* entry = ::readdir(dir)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            continue; // gone meanwhile
        // "pid (comm) state ppid ...": comm may hold blanks and parentheses, so start after the last ')'.
        const auto close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        long ppid = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &ppid) == 2 && ppid == self)
            children.push_back(static_cast<pid_t>(pid));
    }
    ::closedir(dir);
    return children;
}

// VmRSS of this process in KiB.
inline long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + std::strlen("VmRSS:"));
    }
    return -1;
}
