// Hidden files in the Finder, and restarts of the Finder and the Dock.
#include "QuorrelAppDelegate.h"

#include "MyOSVersion.h"
#include "MyRunUsrCommands.h"

static void writeShowAllFiles(const QString& value)
{
    // 10.9 renamed the domain to lower case and wants a real boolean.
    const QStringList arguments = MyOSVersion::isOlderThanMavericks()
        ? QStringList{QStringLiteral("write"), QStringLiteral("com.apple.Finder"), QStringLiteral("AppleShowAllFiles"), value}
        : QStringList{QStringLiteral("write"), QStringLiteral("com.apple.finder"), QStringLiteral("AppleShowAllFiles"),
                      QStringLiteral("-boolean"), value};
    MyRunUsrCommands::runUsrBin(arguments, QStringLiteral("/usr/bin/defaults"));
}

void QuorrelAppDelegate::hideFiles(QObject* sender)
{
    writeShowAllFiles(QStringLiteral("FALSE"));
    restartFinder(sender);
}

void QuorrelAppDelegate::showFiles(QObject* sender)
{
    writeShowAllFiles(QStringLiteral("TRUE"));
    restartFinder(sender);
}

void QuorrelAppDelegate::restartFinder(QObject*)
{
    MyRunUsrCommands::runUsrBin({QStringLiteral("Finder")}, QStringLiteral("/usr/bin/killall"));
}

void QuorrelAppDelegate::restartDock(QObject*)
{
    MyRunUsrCommands::runUsrBin({QStringLiteral("Dock")}, QStringLiteral("/usr/bin/killall"));
}
