#include "DefaultsTool.h"

#include "TestHome.h"

#include <gtest/gtest.h>

#include <QFile>

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
    return result;
}

Result defaults(const QStringList& arguments)
{
    QProcess process;
    process.start(defaultsUnderTest(), arguments);
    if (!process.waitForStarted(kChildLimitMs)) {
        ADD_FAILURE() << "defaults could not be started";
        return {};
    }
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
