#pragma once
#include "Classes/QuorrelAppDelegate.h"
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <vector>

class QAbstractItemModelTester;

// The modifiers of the keys that move a table row: Option+Command on a Mac, Alt elsewhere.
#ifdef Q_OS_MACOS
constexpr Qt::KeyboardModifiers kMoveModifiers = Qt::AltModifier | Qt::ControlModifier;
#else
constexpr Qt::KeyboardModifiers kMoveModifiers = Qt::AltModifier;
#endif

// One launch of a system tool, as the recording tool root saw it.
struct ToolCall {
    qint64 pid = 0;
    QString tool; // defaults, ps, kill, rm, killall
    QStringList arguments;
    bool operator==(const ToolCall& other) const { return tool == other.tool && arguments == other.arguments; }
};
void PrintTo(const ToolCall& call, std::ostream* os);

// A temporary HOME and a tool root whose tools record every launch; "defaults" then runs the real
// stand-in against the temporary HOME, "ps" prints what the test put in psOutput, and kill, rm and
// killall do nothing at all.
class QuorrelFixture : public ::testing::Test {
protected:
    QuorrelFixture();
    ~QuorrelFixture() override;

    // Writes a global preference directly with the stand-in, unrecorded.
    void writeGlobal(const QString& key, const QString& value);
    QString readGlobal(const QString& key);
    static QString readDefault(const QString& domain, const QString& key);
    void writeOwnDefault(const QString& key, const QString& value);
    void setListing(const QByteArray& psOutput);
    // From now on every `defaults` prints `partialOutput` and hangs with its output open; an
    // empty text ends that.
    void stallDefaults(const QByteArray& partialOutput);

    // Builds the main window and runs start-up, then forgets the launches start-up made. The
    // 5-second timer is stopped unless asked for, so that it cannot add launches to a count.
    QuorrelAppDelegate& start(bool keepStartupCalls = false, bool keepTimer = false);

    // Every launch recorded so far, in the order the runner started the tools.
    QList<ToolCall> calls();
    // Delivers the calls already queued and waits, without running the event loop's timers (so
    // that none can start anything meanwhile), until every tool the runner started has ended and
    // been reaped. Each tool records itself
    // before it ends, so then nothing started so far is missing from calls(). False when a tool
    // was still running after a minute.
    bool settle();
    // Every launch so far, once settled.
    QList<ToolCall> settledCalls();
    // The same, for launches that come from the event loop: when fewer than `count` have been
    // started once settled, runs the event loop until there are `count`, then settles again.
    // What the program started at once is all there, and nothing a later timer starts.
    QList<ToolCall> waitForCalls(qsizetype count);
    // Settles, then forgets every launch so far.
    void clearCalls();

    static ToolCall call(const QString& tool, const QStringList& arguments) { return {0, tool, arguments}; }
    static ToolCall readLanguages();
    static ToolCall readLocale();
    static ToolCall writeLanguages(const QString& value);
    static ToolCall writeLocale(const QString& value);
    static ToolCall listProcesses();
    // What one full refresh launches while the selected saved entry names a fallback language:
    // languages, region, the fallback menu with its second read of the languages, the listing.
    static QList<ToolCall> refreshWithFallbackEntry();

    // Cell texts of a table, row by row, columns joined by " | ".
    static QStringList cells(TableView* table);
    static int selectedRow(TableView* table);
    // What a drop of row `from` at `to` of the languages or the regions starts, from a fresh start.
    QList<ToolCall> trafficOfDrop(bool regions, qint64 from, qint64 to);
    // Clicks a row of a table with the mouse, with the modifiers given.
    static void clickRow(TableView* table, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    TestHome home;
    QString toolRoot;
    std::unique_ptr<QuorrelAppDelegate> delegate;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> modelTesters; // on the window's tables
};
