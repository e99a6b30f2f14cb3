#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <ostream>

// Sets environment variables for the life of one object and puts the old values back afterwards.
class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv();
    void set(const char* name, const QByteArray& value);
    void unset(const char* name);

private:
    void remember(const char* name);
    std::map<QByteArray, std::optional<QByteArray>> saved_;
};

// A temporary HOME for one test: nothing a test does reaches the real home folder.
// QUORREL_TOOL_ROOT is unset; tests that need tools set it themselves.
class TestHome {
public:
    TestHome();
    QString home() const { return dir_.path(); }
    QString path(const QString& relative) const { return dir_.filePath(relative); }
    ScopedEnv& env() { return env_; }

private:
    QTemporaryDir dir_;
    ScopedEnv env_;
};

// Readable QString values in test failures.
void PrintTo(const QString& text, std::ostream* os);

// Paths of what the build made.
QString buildPath(const QString& relative);
