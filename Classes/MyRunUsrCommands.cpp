#include "MyRunUsrCommands.h"

#include "platform/LiveWait.h"
#include "platform/process/ChildProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QPointer>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>

#include <string>
#include <vector>

#include <unistd.h>

// Tool failures are not reported to the user and stay quiet by default; turn them on with
// QT_LOGGING_RULES="quorrel.tools.warning=true" when looking into a problem.
Q_LOGGING_CATEGORY(lcTools, "quorrel.tools", QtCriticalMsg)

namespace {

// Fire-and-forget children are short tools; reaping them a few times a second keeps zombies rare
// without the event loop noticing.
constexpr std::chrono::milliseconds kReapInterval{150};

std::string toolPath(const QString& path)
{
    return QFile::encodeName(MyRunUsrCommands::resolvedToolPath(path)).toStdString();
}

std::vector<std::string> toolArguments(const QStringList& arguments)
{
    std::vector<std::string> encoded;
    encoded.reserve(static_cast<std::size_t>(arguments.size()));
    for (const QString& argument : arguments)
        encoded.push_back(argument.toUtf8().toStdString());
    return encoded;
}

// Reaps what has finished and, while children are left, looks again shortly from the event loop.
// The timer only runs while something is pending.
void reapAndReschedule()
{
    if (child_process::reapFinished() == 0)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return;                    // no event loop to use: the next call reaps instead
    static QPointer<QTimer> timer; // owned by the application, gone with it
    if (!timer) {
        timer = new QTimer(app);
        timer->setSingleShot(true);
        timer->setInterval(kReapInterval);
        QObject::connect(timer, &QTimer::timeout, app, &reapAndReschedule);
    }
    if (!timer->isActive())
        timer->start();
}

} // namespace

std::optional<QString> MyRunUsrCommands::runUsrBinAndRead(const QStringList& arguments, const QString& path,
                                                          child_process::ReadEnd* end, int* exitStatus)
{
    // The window keeps painting while a slow tool answers (see LiveWait.h).
    const child_process::ReadResult result = child_process::runAndRead(toolPath(path), toolArguments(arguments), readLimits(), [] { live_wait::turn(); });
    if (end)
        *end = result.end;
    if (exitStatus)
        *exitStatus = result.exitStatus;
    // A tool that lingered after closing its output is reaped from the event loop.
    reapAndReschedule();
    if (!result.started) {
        qCWarning(lcTools) << "could not start" << resolvedToolPath(path);
    } else if (!result.complete()) {
        qCWarning(lcTools) << resolvedToolPath(path) << "gave no whole answer:" << int(result.end)
                           << (result.diedBySignal ? "(died by a signal)" : "");
        return std::nullopt;
    }

    // Stateless: output cut off inside a character is an error, not something to wait for.
    // A leading byte order mark is part of what the tool wrote, so it is kept.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(QByteArrayView(result.output.data(), static_cast<qsizetype>(result.output.size())));
    if (decoder.hasError())
        return std::nullopt;
    if (text.isNull())
        text = QStringLiteral(""); // no output is the empty text, which callers tell apart from no text
    return text;
}

void MyRunUsrCommands::runUsrBin(const QStringList& arguments, const QString& path)
{
    if (!child_process::start(toolPath(path), toolArguments(arguments)))
        qCWarning(lcTools) << "could not start" << resolvedToolPath(path);
    reapAndReschedule();
}

child_process::ReadLimits& MyRunUsrCommands::readLimits()
{
    static child_process::ReadLimits limits;
    return limits;
}

QStringList MyRunUsrCommands::missingTools()
{
    QStringList missing;
    for (const char* tool : {"/usr/bin/defaults", "/bin/ps", "/bin/kill", "/bin/rm", "/usr/bin/killall"}) {
        const QString path = resolvedToolPath(QLatin1String(tool));
        if (::access(QFile::encodeName(path).constData(), X_OK) != 0)
            missing.append(path);
    }
    return missing;
}

QString MyRunUsrCommands::resolvedToolPath(const QString& path)
{
    // Read on every call so that tests (and the sandbox) can point the program at stand-in tools.
    const QString root = qEnvironmentVariable("QUORREL_TOOL_ROOT");
    return root.isEmpty() ? path : root + path;
}
