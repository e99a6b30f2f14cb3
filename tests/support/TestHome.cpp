#include "TestHome.h"

#include <QDir>

#include <cstdlib>

ScopedEnv::~ScopedEnv()
{
    for (const auto& [name, value] : saved_) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

void ScopedEnv::remember(const char* name)
{
    if (saved_.count(name))
        return;
    saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt;
}

void ScopedEnv::set(const char* name, const QByteArray& value)
{
    remember(name);
    qputenv(name, value);
}

void ScopedEnv::unset(const char* name)
{
    remember(name);
    qunsetenv(name);
}

TestHome::TestHome()
{
    env_.set("HOME", QFile::encodeName(dir_.path()));
    env_.unset("QUORREL_TOOL_ROOT");
    QDir(dir_.path()).mkpath("Library/Preferences");
}

QString buildPath(const QString& relative)
{
    return QDir(QStringLiteral(QUORREL_BUILD_DIR)).filePath(relative);
}

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
