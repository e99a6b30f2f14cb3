#include "RunnerSupport.h"

#include "platform/process/ChildProcess.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

QString probePath()
{
    return QFile::decodeName(RUNNER_PROBE);
}

bool settlePendingChildren()
{
    return QTest::qWaitFor([] { return child_process::pendingCount() == 0; }, 10000);
}

RedirectedDescriptor::RedirectedDescriptor(int fd, int replacement)
    : fd_(fd), saved_(::fcntl(fd, F_DUPFD_CLOEXEC, 3))
{
    ::dup2(replacement, fd);
}

RedirectedDescriptor::~RedirectedDescriptor()
{
    if (saved_ >= 0) {
        ::dup2(saved_, fd_);
        ::close(saved_);
    } else {
        ::close(fd_);
    }
}
