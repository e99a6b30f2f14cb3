// Clearing the help viewer's caches, and the button that follows whether its daemon runs.
#include "QuorrelAppDelegate.h"

#include "MyRunUsrCommands.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <limits>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kHelpDaemon = QStringLiteral("helpd");

// The periodic refresh skips at most this many ticks (a minute) after listings that timed out.
constexpr int kMostTicksToSkip = 12;

struct Listing {
    QStringList lines; // none when the listing could not be read as text
    bool timedOut = false;
};

// The process listing split into lines.
Listing processListing()
{
    child_process::ReadEnd end = child_process::ReadEnd::EndOfFile;
    const std::optional<QString> listing = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("-ax")}, QStringLiteral("/bin/ps"), &end);
    return {listing ? listing->split(QLatin1Char('\n')) : QStringList(), end == child_process::ReadEnd::TimeLimit};
}

// The blanks of Unicode category Zs and the tab.
bool isBlank(QChar c)
{
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

QStringList wordsOf(const QString& line)
{
    QStringList words;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.append(line.mid(start, i - start));
    }
    return words;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A process id as ps prints it: decimal digits without sign or leading zero, within what the
// platform's pid_t holds. Anything else could address a group or every process once converted.
std::optional<pid_t> processId(const QString& word)
{
    if (word.isEmpty() || word.size() > 10 || word[0] == QLatin1Char('0')
        || !std::all_of(word.cbegin(), word.cend(), isAsciiDigit))
        return std::nullopt;
    const qint64 value = word.toLongLong();
    if (value < 1 || value > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    return static_cast<pid_t>(value);
}

// The TIME column: minutes and seconds ("0:03.17", "12:05.00"), or with hours and days in
// other listings ("1-02:03:04").
bool isCpuTime(const QString& word)
{
    static const QRegularExpression time(QStringLiteral("^[0-9]+(-[0-9]+)?(:[0-9]{2}){1,2}(\\.[0-9]+)?$"));
    return time.match(word).hasMatch();
}

// The id of the help daemon on a line of `ps -ax`, none for every other line. The Mac prints
// "PID TTY TIME CMD" (other ps versions put STAT before TIME); a help daemon line is one whose
// command's program, the last path component of the command's first word, is exactly "helpd".
// Words that merely hold the letters (an editor on "helpdesk-rota.md", "grep helpd") are other
// programs, which a clearing must never end.
std::optional<pid_t> helpDaemonId(const QString& line)
{
    const QStringList words = wordsOf(line);
    if (words.size() < 4)
        return std::nullopt;
    for (qsizetype time = 2; time <= 3 && time + 1 < words.size(); ++time) {
        if (!isCpuTime(words[time]))
            continue;
        const QString& program = words[time + 1];
        if (program.section(QLatin1Char('/'), -1) != kHelpDaemon)
            return std::nullopt;
        return processId(words[0]);
    }
    return std::nullopt;
}

// The home folder, when it is one a removal can safely start from: HOME's bytes resolved once,
// an existing folder other than "/", whose path the tools can be given exactly (the runner hands
// them UTF-8).
std::optional<QString> safeHome()
{
    const QByteArray home = qgetenv("HOME");
    if (home.isEmpty() || !home.startsWith('/'))
        return std::nullopt;
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(home.constData(), nullptr), &std::free);
    if (!resolved)
        return std::nullopt;
    const QByteArray physical(resolved.get());
    struct stat st {};
    if (physical == "/" || ::stat(physical.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    const QString text = QString::fromUtf8(physical);
    if (text.toUtf8() != physical)
        return std::nullopt;
    return text;
}

} // namespace

bool QuorrelAppDelegate::checkAHVCaches()
{
    const Listing listing = processListing();
    ahvListingTimedOut_ = listing.timedOut;
    return std::any_of(listing.lines.cbegin(), listing.lines.cend(),
                       [](const QString& line) { return helpDaemonId(line).has_value(); });
}

void QuorrelAppDelegate::updateAHVCacheButton()
{
    outlets.clearAHVCaches.setEnabled(checkAHVCaches());
}

void QuorrelAppDelegate::periodicAHVCacheRefresh()
{
    // A listing that timed out held the window for the whole limit; starting the next one at the
    // next tick would keep it frozen. Skip ticks, twice as many after each further time-out.
    if (ahvTicksToSkip_ > 0) {
        --ahvTicksToSkip_;
        return;
    }
    updateAHVCacheButton();
    if (ahvListingTimedOut_) {
        ahvTicksToSkip_ = ahvTicksToSkipNext_;
        ahvTicksToSkipNext_ = std::min(ahvTicksToSkipNext_ * 2, kMostTicksToSkip);
    } else {
        ahvTicksToSkipNext_ = 1;
    }
}

void QuorrelAppDelegate::updateClearAHVCachesButton()
{
    performAfterDelay(this, 1.0, [this] { updateAHVCacheButton(); });
}

void QuorrelAppDelegate::clearAHVCaches(QObject*)
{
    const pid_t ownProcess = getpid();
    const Listing listing = processListing();
    ahvListingTimedOut_ = listing.timedOut;
    for (const QString& line : listing.lines) {
        const std::optional<pid_t> pid = helpDaemonId(line);
        if (!pid || *pid == ownProcess)
            continue;
        MyRunUsrCommands::runUsrBin({QStringLiteral("-s"), QStringLiteral("KILL"), QString::number(*pid)},
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
        for (const QString& name : names) {
            // A name that is not UTF-8 comes back with U+FFFD in it and would name another file.
            if (!name.contains(QChar::ReplacementCharacter))
                arguments.append(preferences.filePath(name));
        }
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
