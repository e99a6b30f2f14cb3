// Clearing the help viewer's caches, and the button that follows whether its daemon runs.
#include "QuorrelAppDelegate.h"

#include "MyRunUsrCommands.h"

#include <QDir>

#include <limits>

#include <unistd.h>

static const QString kHelpDaemonMark = QStringLiteral("helpd");

// The process listing split into lines; none when the listing could not be read as text.
static QStringList processListing()
{
    const std::optional<QString> listing = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("-ax")}, QStringLiteral("/bin/ps"));
    return listing ? listing->split(QLatin1Char('\n')) : QStringList();
}

// The blanks of Unicode category Zs and the tab.
static bool isBlank(QChar c)
{
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

// The process id at the start of a listing line: an optional sign and the digits after it.
static qint64 leadingProcessId(const QString& line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && isBlank(line[start]))
        ++start;
    while (end > start && isBlank(line[end - 1]))
        --end;
    qsizetype i = start;
    bool negative = false;
    if (i < end && (line[i] == QLatin1Char('+') || line[i] == QLatin1Char('-')))
        negative = line[i++] == QLatin1Char('-');
    qint64 value = 0;
    for (; i < end && line[i] >= QLatin1Char('0') && line[i] <= QLatin1Char('9'); ++i) {
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            return 0; // too large to be a process id
        value = value * 10 + (line[i].unicode() - '0');
    }
    return negative ? -value : value;
}

// The home folder, when it is one a removal can safely start from.
static std::optional<QString> safeHome()
{
    const QString home = QDir::cleanPath(qEnvironmentVariable("HOME"));
    if (home.isEmpty() || home == QLatin1String("/") || !QDir::isAbsolutePath(home) || home == QLatin1String("."))
        return std::nullopt;
    return home;
}

bool QuorrelAppDelegate::checkAHVCaches()
{
    for (const QString& line : processListing())
        if (line.contains(kHelpDaemonMark))
            return true;
    return false;
}

void QuorrelAppDelegate::updateAHVCacheButton()
{
    outlets.clearAHVCaches.setEnabled(checkAHVCaches());
}

void QuorrelAppDelegate::updateClearAHVCachesButton()
{
    performAfterDelay(this, 1.0, [this] { updateAHVCacheButton(); });
}

void QuorrelAppDelegate::clearAHVCaches(QObject*)
{
    const qint64 ownProcess = getpid();
    for (const QString& line : processListing()) {
        if (!line.contains(kHelpDaemonMark))
            continue;
        const qint64 pid = leadingProcessId(line);
        // 0 and negative numbers address process groups, and we never end ourselves.
        if (pid <= 0 || pid == ownProcess)
            continue;
        MyRunUsrCommands::runUsrBin({QStringLiteral("-s"), QStringLiteral("KILL"), QString::number(pid)},
                                    QStringLiteral("/bin/kill"));
    }

    // The folders above the targets are the user's own wherever links put them (a Caches moved to
    // another disk), so they are followed, as rm itself does; a target that is a link is passed
    // as the link, which rm removes without following.
    if (const std::optional<QString> home = safeHome()) {
        const QString rm = QStringLiteral("/bin/rm");
        for (const QString& folder : {QStringLiteral("/Library/Caches/com.apple.helpui"), QStringLiteral("/Library/Caches/com.apple.helpd")})
            MyRunUsrCommands::runUsrBin({QStringLiteral("-Rf"), *home + folder}, rm);

        const QDir preferences(*home + QStringLiteral("/Library/Preferences"));
        const QStringList names = preferences.entryList({QStringLiteral("com.apple.help*.plist")},
                                                        QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden
                                                            | QDir::NoDotAndDotDot | QDir::CaseSensitive,
                                                        QDir::Name);
        QStringList arguments{QStringLiteral("-Rf")};
        for (const QString& name : names)
            arguments.append(preferences.filePath(name));
        if (arguments.size() > 1)
            MyRunUsrCommands::runUsrBin(arguments, rm);
    }
    updateClearAHVCachesButton();
}

void QuorrelAppDelegate::myShowHelp(QObject* sender)
{
    if (Application* application = Application::shared())
        application->showHelp(sender);
    updateClearAHVCachesButton();
}
