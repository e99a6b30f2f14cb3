// How tools are started: what a child gets, what a failed start leaves behind, how reads end,
// and how fire-and-forget children are reaped.
#include "Classes/MyRunUsrCommands.h"
#include "RunnerSupport.h"
#include "platform/process/ChildProcess.h"
#include "tests/support/Pipes.h"
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <csignal>

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

std::string local(const QString& text) { return QFile::encodeName(text).toStdString(); }

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

using ChildSetup = RunnerTest;
using ReadEnding = RunnerTest;
using FireAndForget = RunnerTest;

// ---------------------------------------------------------------------------------------------
// Programs that cannot be started

enum class Unstartable { Missing,
                         NotExecutable,
                         Directory };

const char* nameOf(Unstartable kind)
{
    switch (kind) {
    case Unstartable::Missing:
        return "Missing";
    case Unstartable::NotExecutable:
        return "NotExecutable";
    case Unstartable::Directory:
        return "Directory";
    }
    return "Unknown";
}

void PrintTo(Unstartable kind, std::ostream* os) { *os << nameOf(kind); }

class StartFailure : public RunnerTest, public ::testing::WithParamInterface<Unstartable> {
protected:
    void SetUp() override
    {
        RunnerTest::SetUp();
        if (HasFatalFailure())
            return;
        // Thousands of expected failures would otherwise flood the log.
        QLoggingCategory::setFilterRules(QStringLiteral("quorrel.tools.warning=false"));
        switch (GetParam()) {
        case Unstartable::Missing:
            path = home.path(QStringLiteral("no-such-tool"));
            break;
        case Unstartable::NotExecutable: {
            path = home.path(QStringLiteral("not-executable"));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\necho should not run\n");
            file.close();
            ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            break;
        }
        case Unstartable::Directory:
            path = home.path(QStringLiteral("a-directory"));
            ASSERT_TRUE(QDir().mkpath(path));
            break;
        }
    }
    void TearDown() override { QLoggingCategory::setFilterRules(QString()); }

    QString path;
};

TEST_P(StartFailure, LeavesNoDescriptorNoChildAndReadsAsEmptyText)
{
    EXPECT_FALSE(child_process::runAndRead(local(path), {}).started);
    EXPECT_FALSE(child_process::start(local(path), {}));

    const int descriptorsBefore = openDescriptorCount();
    for (int i = 0; i < 1024; ++i) {
        const std::optional<QString> text = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("x")}, path);
        ASSERT_TRUE(text.has_value());
        ASSERT_TRUE(text->isEmpty());
        ASSERT_FALSE(text->isNull());
    }
    EXPECT_EQ(openDescriptorCount(), descriptorsBefore);

    for (int i = 0; i < 1024; ++i)
        MyRunUsrCommands::runUsrBin({QStringLiteral("x")}, path);
    EXPECT_EQ(openDescriptorCount(), descriptorsBefore);
    EXPECT_EQ(child_process::pendingCount(), 0u);
    EXPECT_TRUE(childrenOfThisProcess().empty());
}

INSTANTIATE_TEST_SUITE_P(, StartFailure,
                         ::testing::Values(Unstartable::Missing, Unstartable::NotExecutable, Unstartable::Directory),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

TEST_F(ChildSetup, ArgumentWithNulByteIsRefusedRatherThanCut)
{
    const std::string probe = local(probePath());
    ASSERT_TRUE(child_process::runAndRead(probe, {"args", "fine"}).started);
    EXPECT_FALSE(child_process::runAndRead(probe, {"args", std::string("cut\0off", 7)}).started);
    EXPECT_FALSE(child_process::start(probe, {"args", std::string("cut\0off", 7)}));
    EXPECT_EQ(child_process::pendingCount(), 0u);
}

// ---------------------------------------------------------------------------------------------
// What the child gets from us

TEST_F(ChildSetup, SeesOnlyStandardDescriptors)
{
    // A descriptor this program forgot to mark close-on-exec must still not reach the tool.
    const int leaky = ::open("/dev/null", O_RDONLY);
    ASSERT_GT(leaky, 2);

    EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("fds")}, probePath()),
              QStringLiteral("0\n1\n2\nstdout=pipe\n"));

    const QString report = home.path(QStringLiteral("fds.txt"));
    MyRunUsrCommands::runUsrBin({QStringLiteral("fds"), report}, probePath());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(report); }, 10000));
    EXPECT_EQ(readWhole(report), QByteArray("0\n1\n2\nstdout=/dev/null\n"));

    ::close(leaky);
}

TEST_F(ChildSetup, StartsWithDefaultSignalsAndNoneBlocked)
{
    // Programs commonly ignore SIGPIPE for themselves; a tool inheriting that would not die when
    // its reader goes away.
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &previous), 0);
    sigset_t block;
    sigset_t previousMask;
    sigemptyset(&block);
    sigaddset(&block, SIGUSR1);
    ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &block, &previousMask), 0);

    const auto read = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("signals")}, probePath());

    ::pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    ::sigaction(SIGPIPE, &previous, nullptr);
    EXPECT_EQ(read, QStringLiteral("SIGPIPE=default\nblocked=none\n"));
}

TEST_F(ChildSetup, ReadingStdinSeesEndOfFileAtOnce)
{
    // Our own stdin is a pipe nobody will ever write to or close: a child inheriting it would sit
    // there until the time limit and return nothing.
    int ours[2];
    ASSERT_TRUE(closeOnExecPipe(ours));
    std::optional<QString> read;
    {
        RedirectedDescriptor stdinRedirect(STDIN_FILENO, ours[0]);
        read = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("stdin")}, probePath());
    }
    ::close(ours[0]);
    ::close(ours[1]);
    EXPECT_EQ(read, QStringLiteral("read 0 bytes\n"));
}

TEST_F(ChildSetup, LargeOutputIsReadWholeWhileStderrGoesToOurs)
{
    const int size = int(MyRunUsrCommands::readLimits().outputBytes);
    // Our stderr goes to a file for the moment, to see that the child's stderr is ours and not a
    // pipe left unread (the tool writes more to it than a pipe can hold).
    const QString errors = home.path(QStringLiteral("stderr.txt"));
    const int errorFile = ::open(QFile::encodeName(errors).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(errorFile, 0);
    std::optional<QString> read;
    {
        RedirectedDescriptor stderrRedirect(STDERR_FILENO, errorFile);
        read = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("flood"), QString::number(size)}, probePath());
    }
    ::close(errorFile);

    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), size);
    QString expected(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        expected[i] = QLatin1Char(static_cast<char>('a' + i % 26));
    EXPECT_TRUE(*read == expected);
    EXPECT_EQ(QFileInfo(errors).size(), (size >> 20) * 4096);
}

// The caller's turn (the window's repaints) comes as soon as the tool has started, not only once a
// read has taken long: a window shown just before a read is drawn while the tool runs.
TEST_F(ReadEnding, EvenAQuickReadHandsItsCallerATurnWhileTheToolRuns)
{
    int turns = 0;
    const auto result = child_process::runAndRead(local(probePath()), {"args", "quick"}, {}, [&] { ++turns; });
    EXPECT_TRUE(result.complete());
    EXPECT_GE(turns, 1);
}

// ---------------------------------------------------------------------------------------------
// Reads that would not end on their own

TEST_F(ReadEnding, BackgroundGrandchildHoldingStdoutEndsTheReadWithoutText)
{
    // The grandchild would hold the pipe for 30 s; the grace after the tool's own exit ends the
    // read, and what came before it is only a part: (en, de) of (en, de, fr) written back would
    // drop French from the system.
    const auto result = child_process::runAndRead(local(probePath()), {"grandchild-finishes", "30000"});
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.end, child_process::ReadEnd::PipeHeldAfterExit);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("grandchild")}, probePath()), std::nullopt);
    EXPECT_TRUE(QTest::qWaitFor([] { return child_process::pendingCount() == 0; }, 10000));
    EXPECT_TRUE(childrenOfThisProcess().empty());
}

TEST_F(ReadEnding, GrandchildThatClosesWithinTheGraceGivesTheWholeAnswer)
{
    const ScopedReadLimits limits({60s, 50s, 1 << 20});
    EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("grandchild-finishes"), QStringLiteral("200")}, probePath()),
              QStringLiteral("(\n    en,\n    de,\n    fr\n)\n"));
}

TEST_F(ReadEnding, EndsAtEndOfFileWithoutWaitingForTheToolToExit)
{
    // The tool has said all it has to say; waiting for it to exit would only hold up the window.
    const auto read = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("linger-closed"), QStringLiteral("3000")},
                                                         probePath());
    EXPECT_EQ(read, QStringLiteral("complete\n"));
    EXPECT_FALSE(childrenOfThisProcess().empty()) << "the read waited for the tool's exit";

    // No further call: the event loop reaps it once it has ended, like a fire-and-forget tool.
    EXPECT_TRUE(QTest::qWaitFor([] { return child_process::pendingCount() == 0; }, 20000));
    EXPECT_TRUE(childrenOfThisProcess().empty());
}

TEST_F(ReadEnding, TimeLimitStopsTheToolAndTheReadCountsAsFailed)
{
    const auto result = child_process::runAndRead(local(probePath()), {"hang-open"}, {300ms, 1s, 1 << 20});
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.end, child_process::ReadEnd::TimeLimit);
    EXPECT_FALSE(result.complete());
    EXPECT_TRUE(childrenOfThisProcess().empty());
    EXPECT_EQ(child_process::pendingCount(), 0u);

    // What a stalled tool printed so far is not an answer: two of three languages written back
    // would drop the third from the system.
    const ScopedReadLimits limits({300ms, 1s, 1 << 20});
    EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("hang-open")}, probePath()), std::nullopt);
    EXPECT_TRUE(childrenOfThisProcess().empty());
}

// The tool's own children go with it: a listing that hangs every 5 s must not leave one process
// behind each time.
TEST_F(ReadEnding, TimeLimitEndsTheToolsChildrenToo)
{
    const QString pidFile = home.path(QStringLiteral("child.pid"));
    const auto result = child_process::runAndRead(local(probePath()), {"hang-open-with-child", local(pidFile)},
                                                  {500ms, 1s, 1 << 20});
    EXPECT_EQ(result.end, child_process::ReadEnd::TimeLimit);
    EXPECT_FALSE(result.complete());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pidFile); }, 10000));
    const pid_t child = readWhole(pidFile).toInt();
    ASSERT_GT(child, 1);
    // Gone, or a zombie waiting for whoever adopted it.
    const auto ended = [&] {
#ifdef __APPLE__
        return ::kill(child, 0) != 0 && errno == ESRCH;
#else
        const QByteArray stat = readWhole(QStringLiteral("/proc/%1/stat").arg(child));
        return stat == "(missing)" || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
#endif
    };
    EXPECT_TRUE(QTest::qWaitFor(ended, 10000)) << "the tool's child outlived the limit";
    EXPECT_TRUE(childrenOfThisProcess().empty());
}

TEST_F(ReadEnding, ToolDyingBySignalAfterPrintingGivesNoText)
{
    for (const int signal : {SIGKILL, SIGTERM, SIGSEGV}) {
        SCOPED_TRACE(signal);
        EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("die"), QString::number(signal)}, probePath()),
                  std::nullopt);
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return child_process::pendingCount() == 0; }, 10000));
    EXPECT_TRUE(childrenOfThisProcess().empty());
}

TEST_F(ReadEnding, OutputBeyondTheCapGivesNoTextAndStopsTheTool)
{
    const std::size_t cap = MyRunUsrCommands::readLimits().outputBytes;
    ASSERT_GE(cap, std::size_t(1) << 20) << "a cap that real listings could reach";

    const auto atCap = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("flood"), QString::number(cap)}, probePath());
    ASSERT_TRUE(atCap.has_value());
    EXPECT_EQ(std::size_t(atCap->size()), cap);

    EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("flood"), QString::number(cap + 1)}, probePath()),
              std::nullopt);
    EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("forever")}, probePath()), std::nullopt);
    EXPECT_TRUE(QTest::qWaitFor([] { return child_process::pendingCount() == 0; }, 10000));
    EXPECT_TRUE(childrenOfThisProcess().empty());
}

// ---------------------------------------------------------------------------------------------
// Fire and forget

TEST_F(FireAndForget, ThousandStartsLeaveNoChildOnceTheEventLoopHasRun)
{
    const int descriptorsBefore = openDescriptorCount();
    for (int i = 0; i < 1000; ++i)
        MyRunUsrCommands::runUsrBin({}, probePath());

    // No further calls: only the event loop can reap the last ones.
    EXPECT_TRUE(QTest::qWaitFor([] { return child_process::pendingCount() == 0; }, 30000));
    EXPECT_TRUE(childrenOfThisProcess().empty());
    EXPECT_EQ(openDescriptorCount(), descriptorsBefore);
}

TEST_F(FireAndForget, StartsDoNotWaitForEachOther)
{
    // The first tool waits for a marker that only the second one creates. Were a start to wait for
    // its child, the first would give up after 5 s and report so.
    const QString marker = home.path(QStringLiteral("second-ran"));
    const QString verdict = home.path(QStringLiteral("verdict"));
    MyRunUsrCommands::runUsrBin({QStringLiteral("await"), marker, verdict, QStringLiteral("5000")}, probePath());
    MyRunUsrCommands::runUsrBin({QStringLiteral("touch"), marker}, probePath());

    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(verdict); }, 20000));
    EXPECT_EQ(readWhole(verdict), QByteArray("saw"));
    EXPECT_TRUE(QTest::qWaitFor([] { return child_process::pendingCount() == 0; }, 10000));
}

} // namespace
