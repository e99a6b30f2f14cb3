#pragma once
// A pipe whose two ends are closed on exec, made with pipe2 where there is one (Linux) and with
// pipe and fcntl where there is none (a Mac).
#include <fcntl.h>
#include <unistd.h>

inline bool closeOnExecPipe(int fds[2])
{
#ifdef __APPLE__
    if (::pipe(fds) != 0)
        return false;
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    return true;
#else
    return ::pipe2(fds, O_CLOEXEC) == 0;
#endif
}
