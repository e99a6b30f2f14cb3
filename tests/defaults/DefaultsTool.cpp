#include "DefaultsTool.h"

#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

QString defaultsUnderTest()
{
    // On a Mac, CI points this at Apple's own tool (tests/defaults/defaults-in-home) so that the
    // same expected bytes check the stand-in against the real thing.
    const QString chosen = qEnvironmentVariable("QUORREL_DEFAULTS_UNDER_TEST");
    return chosen.isEmpty() ? buildPath(QStringLiteral("defaults")) : chosen;
}

std::string withoutLogPrefixes(const std::string& err)
{
    // At the start of the output and of every line: NSLog writes one message per call, and a
    // message may itself span lines.
    static const QRegularExpression prefix(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} defaults\\[\\d+:[0-9a-fA-F]+\\] ?"),
        QRegularExpression::MultilineOption);
    return QString::fromStdString(err).remove(prefix).toStdString();
}

Result finish(QProcess& process)
{
    Result result;
    if (!process.waitForFinished(kChildLimitMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(kChildLimitMs);
        ADD_FAILURE() << "defaults did not finish normally: " << process.readAllStandardError().toStdString();
        return result;
    }
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    result.log = withoutLogPrefixes(result.err);
    return result;
}

Result defaults(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(defaultsUnderTest(), arguments);
    if (!process.waitForStarted(kChildLimitMs)) {
        ADD_FAILURE() << "defaults could not be started";
        return {};
    }
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    return finish(process);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
