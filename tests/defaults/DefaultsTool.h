#pragma once
// The `defaults` stand-in as a real child process, and the files it works on.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// Generous limit so a stuck child fails the test instead of hanging it; not a timing check.
constexpr int kChildLimitMs = 60000;

// Waits for a started child and collects what it printed; a child that did not exit normally
// (a crash, an abort) is a test failure.
Result finish(QProcess& process);

// Runs `defaults` with these arguments to its end.
Result defaults(const QStringList& arguments);

QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
