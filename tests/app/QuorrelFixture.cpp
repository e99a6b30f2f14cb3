#include "QuorrelFixture.h"

#include "platform/process/ChildProcess.h"
#include "Classes/MainInterface.h"
#include "platform/host/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <algorithm>

void PrintTo(const ToolCall& call, std::ostream* os)
{
    *os << call.tool.toStdString() << " [" << call.arguments.join(QStringLiteral("|")).toStdString() << "]";
}

QuorrelFixture::QuorrelFixture()
{
    toolRoot = home.path(QStringLiteral("toolroot"));
    const QString recorder = QStringLiteral(QUORREL_TOOL_RECORDER);
    for (const char* tool : {"usr/bin/defaults", "usr/bin/killall", "bin/ps", "bin/kill", "bin/rm"}) {
        const QString path = toolRoot + QLatin1Char('/') + QLatin1String(tool);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::link(recorder, path);
    }
    home.env().set("QUORREL_TOOL_ROOT", QFile::encodeName(toolRoot));
    home.env().set("QUORREL_TEST_LOG", QFile::encodeName(home.path(QStringLiteral("calls.log"))));
    home.env().set("QUORREL_TEST_DEFAULTS", QFile::encodeName(buildPath(QStringLiteral("defaults"))));
    home.env().set("QUORREL_CF_VERSION", "1299.0");
    home.env().set("QUORREL_APPKIT_VERSION", "2487.0");
    writeGlobal(QStringLiteral("AppleLanguages"), QStringLiteral("(en,de,fr)"));
    writeGlobal(QStringLiteral("AppleLocale"), QStringLiteral("en_US"));
}

QuorrelFixture::~QuorrelFixture()
{
    delegate.reset();
    // Let fire-and-forget tools finish before the temporary HOME goes away.
    QTest::qWait(50);
}

static QString runDefaults(const QStringList& arguments)
{
    QProcess process;
    process.start(buildPath(QStringLiteral("defaults")), arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void QuorrelFixture::writeGlobal(const QString& key, const QString& value)
{
    runDefaults({QStringLiteral("write"), QStringLiteral(".GlobalPreferences"), key, value});
}

QString QuorrelFixture::readGlobal(const QString& key)
{
    return readDefault(QStringLiteral(".GlobalPreferences"), key);
}

QString QuorrelFixture::readDefault(const QString& domain, const QString& key)
{
    return runDefaults({QStringLiteral("read"), domain, key});
}

void QuorrelFixture::writeOwnDefault(const QString& key, const QString& value)
{
    runDefaults({QStringLiteral("write"), UserDefaults::kDomain, key, value});
}

void QuorrelFixture::setListing(const QByteArray& psOutput)
{
    QFile file(toolRoot + QStringLiteral("/ps-output"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(psOutput);
}

void QuorrelFixture::stallDefaults(const QByteArray& partialOutput)
{
    const QString path = toolRoot + QStringLiteral("/defaults-stall");
    if (partialOutput.isEmpty()) {
        QFile::remove(path);
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(partialOutput);
}

QuorrelAppDelegate& QuorrelFixture::start(bool keepStartupCalls, bool keepTimer)
{
    UserDefaults::standardUserDefaults().synchronize();
    delegate.reset();
    delegate = loadMainInterface();
    if (!keepTimer)
        QuorrelAppDelegate::timer->invalidate();
    if (!keepStartupCalls)
        clearCalls();
    return *delegate;
}

QList<ToolCall> QuorrelFixture::calls()
{
    QFile file(home.path(QStringLiteral("calls.log")));
    QList<ToolCall> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QList<QByteArray> records = file.readAll().split('\x1e');
    for (const QByteArray& record : records) {
        if (record.isEmpty())
            continue;
        const QList<QByteArray> fields = record.split('\x1f');
        ToolCall call;
        call.pid = fields.value(0).toLongLong();
        call.tool = QString::fromUtf8(fields.value(1));
        for (qsizetype i = 2; i < fields.size(); ++i)
            call.arguments.append(QString::fromUtf8(fields[i]));
        result.append(call);
    }
    // Process ids rise in the order the tools were started, but wrap around at pid_max (32768 on
    // many machines, soon reached while other tests spawn thousands of children): sort, then start
    // the sequence after the widest gap between neighbouring ids on the circle.
    std::stable_sort(result.begin(), result.end(), [](const ToolCall& a, const ToolCall& b) { return a.pid < b.pid; });
    if (result.size() > 1) {
#ifdef __APPLE__
        const qint64 pidMax = 99999; // XNU's PID_MAX; a Mac has no setting for it
#else
        QFile pidMaxFile(QStringLiteral("/proc/sys/kernel/pid_max"));
        const qint64 pidMax = pidMaxFile.open(QIODevice::ReadOnly) ? pidMaxFile.readAll().trimmed().toLongLong() : 4194304;
#endif
        qsizetype startAt = 0;
        qint64 widest = result.first().pid + pidMax - result.last().pid;
        for (qsizetype i = 1; i < result.size(); ++i) {
            if (result[i].pid - result[i - 1].pid > widest) {
                widest = result[i].pid - result[i - 1].pid;
                startAt = i;
            }
        }
        std::rotate(result.begin(), result.begin() + startAt, result.end());
    }
    return result;
}

QList<ToolCall> QuorrelFixture::waitForCalls(qsizetype count)
{
    (void)QTest::qWaitFor([&] { return calls().size() >= count; }, 5000);
    QTest::qWait(150);
    return calls();
}

QList<ToolCall> QuorrelFixture::settledCalls()
{
    EXPECT_TRUE(QTest::qWaitFor([] { return child_process::reapFinished() == 0; }, 60000)) << "a tool never ended";
    return calls();
}

void QuorrelFixture::clearCalls()
{
    QFile::remove(home.path(QStringLiteral("calls.log")));
}

ToolCall QuorrelFixture::readLanguages()
{
    return call(QStringLiteral("defaults"), {"read", ".GlobalPreferences", "AppleLanguages"});
}

ToolCall QuorrelFixture::readLocale()
{
    return call(QStringLiteral("defaults"), {"read", ".GlobalPreferences", "AppleLocale"});
}

ToolCall QuorrelFixture::writeLanguages(const QString& value)
{
    return call(QStringLiteral("defaults"), {"write", ".GlobalPreferences", "AppleLanguages", value});
}

ToolCall QuorrelFixture::writeLocale(const QString& value)
{
    return call(QStringLiteral("defaults"), {"write", ".GlobalPreferences", "AppleLocale", value});
}

ToolCall QuorrelFixture::listProcesses()
{
    return call(QStringLiteral("ps"), {"-ax"});
}

QList<ToolCall> QuorrelFixture::refreshWithFallbackEntry()
{
    return {readLanguages(), readLocale(), readLanguages(), readLanguages(), listProcesses()};
}

QStringList QuorrelFixture::cells(TableView* table)
{
    QStringList rows;
    QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList columns;
        for (int column = 0; column < model->columnCount(); ++column)
            columns.append(model->index(row, column).data().toString());
        rows.append(columns.join(QStringLiteral(" | ")));
    }
    return rows;
}

int QuorrelFixture::selectedRow(TableView* table)
{
    const IndexSet rows = table->selectedRowIndexes();
    return rows.empty() ? -1 : int(*rows.begin());
}
