#pragma once
// The `defaults` under test as a real child process, and the files it works on.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

struct Result {
    int status = -1;
    std::string out;
    std::string err;
    // Standard error with NSLog's "2024-01-02 03:04:05.678 defaults[123:456] " taken off the
    // front of each message: the part a transcript of the Mac's tool can be compared with.
    std::string log;
};

// Generous limit so a stuck child fails the test instead of hanging it; not a timing check.
constexpr int kChildLimitMs = 60000;

// The program the tests run: the stand-in built here. This is the one place that chooses it.
QString defaultsUnderTest();

// Waits for a started child and collects what it printed; a child that did not exit normally
// (a crash, an abort) is a test failure.
Result finish(QProcess& process);

// Runs `defaults` with these arguments to its end, with `input` on its standard input.
Result defaults(const QStringList& arguments, const QByteArray& input = QByteArray());

// Takes NSLog's prefix off each message in `err`.
std::string withoutLogPrefixes(const std::string& err);

QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
