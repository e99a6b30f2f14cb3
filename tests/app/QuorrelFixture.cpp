#include "QuorrelFixture.h"

#include "Classes/MainInterface.h"
#include "platform/host/UserDefaults.h"
#include "platform/process/ChildProcess.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <limits>
#include <map>
#include <mutex>

void PrintTo(const ToolCall& call, std::ostream* os)
{
    *os << call.tool.toStdString() << " [" << call.arguments.join(QStringLiteral("|")).toStdString() << "]";
}

namespace {

std::mutex& launchesMutex()
{
    static std::mutex mutex;
    return mutex;
}

// The ids of the children the runner started since the last clearCalls(), in launch order.
QList<qint64>& launches()
{
    static QList<qint64> pids;
    return pids;
}

void recordLaunch(pid_t pid)
{
    const std::lock_guard<std::mutex> lock(launchesMutex());
    launches().append(pid);
}

} // namespace

QuorrelFixture::QuorrelFixture()
{
    {
        const std::lock_guard<std::mutex> lock(launchesMutex());
        launches().clear();
    }
    child_process::setLaunchObserver(&recordLaunch);
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
    modelTesters.clear();
    delegate.reset();
    // Fire-and-forget tools end before the temporary HOME goes away.
    settle();
    child_process::setLaunchObserver(nullptr);
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
    modelTesters.clear();
    delegate.reset();
    delegate = loadMainInterface();
    // Every change the tables' models announce is checked against what they then hold; a
    // broken promise aborts the test.
    for (TableView* table : {delegate->outlets.languagesTable, delegate->outlets.regionsTable})
        modelTesters.push_back(std::make_unique<QAbstractItemModelTester>(
            table->model(), QAbstractItemModelTester::FailureReportingMode::Fatal));
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
    // The log is in the order the tools wrote their records, which need not be the order they
    // were started in; the runner told us that order.
    std::map<qint64, QList<qsizetype>> positions; // a pid can come back once its first holder has ended
    {
        const std::lock_guard<std::mutex> lock(launchesMutex());
        for (qsizetype i = 0; i < launches().size(); ++i)
            positions[launches()[i]].append(i);
    }
    QList<std::pair<qsizetype, ToolCall>> ordered;
    for (const ToolCall& call : result) {
        QList<qsizetype>& candidates = positions[call.pid];
        // Unknown to the runner: after every known launch, in the order of the log.
        const qsizetype position = candidates.isEmpty() ? std::numeric_limits<qsizetype>::max() : candidates.takeFirst();
        ordered.append({position, call});
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    result.clear();
    for (const auto& entry : ordered)
        result.append(entry.second);
    return result;
}

bool QuorrelFixture::settle()
{
    const QDeadlineTimer deadline(std::chrono::minutes(1));
    const auto launchCount = [] {
        const std::lock_guard<std::mutex> lock(launchesMutex());
        return launches().size();
    };
    qsizetype before = 0;
    do {
        before = launchCount();
        // Calls already queued (a queued connection, a zero-time single shot) belong to what the
        // test did; timers with a time of their own do not run here.
        QCoreApplication::sendPostedEvents();
        while (child_process::reapFinished() > 0) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(2);
        }
    } while (launchCount() != before);
    return true;
}

QList<ToolCall> QuorrelFixture::waitForCalls(qsizetype count)
{
    EXPECT_TRUE(settle()) << "a tool never ended";
    if (calls().size() < count) {
        // The rest can only come from the event loop (a timer, a queued call): run it until they
        // are there, and let what they started end too.
        EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() >= count; }, 60000)) << ::testing::PrintToString(calls());
        EXPECT_TRUE(settle()) << "a tool never ended";
    }
    return calls();
}

QList<ToolCall> QuorrelFixture::settledCalls()
{
    EXPECT_TRUE(settle()) << "a tool never ended";
    return calls();
}

void QuorrelFixture::clearCalls()
{
    // Whatever is still running records itself now, not into the next count.
    settle();
    QFile::remove(home.path(QStringLiteral("calls.log")));
    const std::lock_guard<std::mutex> lock(launchesMutex());
    launches().clear();
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

void QuorrelFixture::clickRow(TableView* table, int row, Qt::KeyboardModifiers modifiers)
{
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
}

QList<ToolCall> QuorrelFixture::trafficOfDrop(bool regions, qint64 from, qint64 to)
{
    QuorrelAppDelegate& d = start();
    TableView* table = regions ? d.outlets.regionsTable : d.outlets.languagesTable;
    MyTableData* data = regions ? d.regionsTableData.get() : d.languageTableData.get();
    QMimeData mime;
    Pasteboard pasteboard(&mime);
    data->writeRowsWithIndexes(table, {from}, pasteboard);
    DraggingInfo info(table, &mime);
    EXPECT_EQ(data->validateDrop(table, info, to, DropOperation::On), DragOperation::Move);
    EXPECT_TRUE(data->acceptDrop(table, info, to, DropOperation::Above));
    return settledCalls();
}
