#pragma once
// What tests and benchmarks look at from outside: this process's descriptors, children and memory
// (Linux /proc; on a Mac /dev/fd, sysctl and the task's own counters).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/types.h>
#include <unistd.h>

#ifdef __APPLE__
#include <mach/mach.h>
#include <sys/sysctl.h>
#endif

// The folder listing the calling process's own descriptors.
inline const char* ownDescriptorFolder()
{
#ifdef __APPLE__
    return "/dev/fd";
#else
    return "/proc/self/fd";
#endif
}

// Entries of the descriptor folder, not counting the one used to list them.
inline int openDescriptorCount()
{
    DIR* dir = ::opendir(ownDescriptorFolder());
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
#ifdef __APPLE__
    // Every process, zombies too, as in Apple's QA1123 (the name of three levels).
    int query[] = {CTL_KERN, KERN_PROC, KERN_PROC_ALL};
    std::vector<kinfo_proc> processes;
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::size_t size = 0;
        if (::sysctl(query, 3, nullptr, &size, nullptr, 0) != 0)
            return children;
        size += size / 4; // room for processes started meanwhile
        processes.resize(size / sizeof(kinfo_proc));
        if (::sysctl(query, 3, processes.data(), &size, nullptr, 0) == 0) {
            processes.resize(size / sizeof(kinfo_proc));
            break;
        }
        processes.clear();
        if (errno != ENOMEM)
            return children;
    }
    for (const kinfo_proc& process : processes) {
        if (process.kp_eproc.e_ppid == self)
            children.push_back(process.kp_proc.p_pid);
    }
    return children;
#else
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
#endif
}

// The resident memory of this process in KiB.
inline long residentKiB()
{
#ifdef __APPLE__
    mach_task_basic_info_data_t info{};
    mach_msg_type_number_t count = MACH_TASK_BASIC_INFO_COUNT;
    if (::task_info(mach_task_self(), MACH_TASK_BASIC_INFO, reinterpret_cast<task_info_t>(&info), &count) != KERN_SUCCESS)
        return -1;
    return static_cast<long>(info.resident_size / 1024);
#else
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + std::strlen("VmRSS:"));
    }
    return -1;
#endif
}
