#pragma once
#include <QString>
#include <QStringList>

#include "platform/process/ChildProcess.h"

#include <optional>

// The one place that starts the system's command-line tools.
class MyRunUsrCommands {
public:
    MyRunUsrCommands() = delete;

    // Runs the tool and returns its whole standard output decoded as UTF-8: the empty text for no
    // output (or a tool that could not be started); no text for output that is not valid UTF-8,
    // and for a read that did not reach end of file (a limit reached, the tool killed by a signal,
    // its pipe still held by another process after it ended). `end`, when given, receives how the
    // read ended; `exitStatus`, when given, the tool's exit status (-1 when it was not seen to exit).
    static std::optional<QString> runUsrBinAndRead(const QStringList& arguments, const QString& path,
                                                   child_process::ReadEnd* end = nullptr, int* exitStatus = nullptr);

    // Starts the tool and returns at once; its output is discarded and the child is reaped later,
    // on the event loop.
    static void runUsrBin(const QStringList& arguments, const QString& path);

    // The path actually started: `path` below $QUORREL_TOOL_ROOT when that is set, else `path`.
    static QString resolvedToolPath(const QString& path);

    // The resolved paths of the system tools the program starts that are not there to start.
    static QStringList missingTools();

    // The bounds of every read: a tool that never closes its output or never stops writing would
    // otherwise freeze the window or exhaust memory. Tests lower them.
    static child_process::ReadLimits& readLimits();
};
