#pragma once
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// The one place that starts the system's command-line tools.
class MyRunUsrCommands {
public:
    MyRunUsrCommands() = delete;

    // Runs the tool and returns its whole standard output decoded as UTF-8: the empty text for no
    // output (or a tool that could not be started), no text for output that is not valid UTF-8.
    static std::optional<QString> runUsrBinAndRead(const QStringList& arguments, const QString& path);

    // Starts the tool and returns at once; its output is discarded and the child is reaped later,
    // on the event loop.
    static void runUsrBin(const QStringList& arguments, const QString& path);

    // The path actually started: `path` below $QUORREL_TOOL_ROOT when that is set, else `path`.
    static QString resolvedToolPath(const QString& path);

    // A tool that never closes its output would otherwise freeze the window for good.
    static constexpr std::chrono::milliseconds readTimeLimit{10000};
    // How long a read waits for a pipe still held by a grandchild once the tool itself has ended.
    static constexpr std::chrono::milliseconds readGraceAfterExit{1000};
};
