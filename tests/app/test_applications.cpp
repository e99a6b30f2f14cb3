// Applications with languages of their own: the listing, the order of one application moved by
// drag and by keys, adding one from the Applications folder and removing its value, each with the
// exact launches it makes; and what hostile output of the tool does to it.
#include "QuorrelFixture.h"

#include "Classes/ApplicationChooser.h"
#include "Classes/ApplicationLanguages.h"
#include "Classes/LocaleRow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace al = application_languages;

namespace {

TEST(ApplicationLanguagesRead, ClassicAndTodaysArraysAreReadAsPrinted)
{
    const al::LanguagesRead classic = al::parseLanguages(QStringLiteral("(\n    en,\n    de\n)\n"));
    EXPECT_EQ(classic.kind, al::LanguagesRead::Kind::Order);
    EXPECT_EQ(classic.languages, (QStringList{"en", "de"}));
    const al::LanguagesRead today = al::parseLanguages(QStringLiteral("(\n    \"en-GB\",\n    \"zh-Hans-CN\",\n    \"es-419\"\n)\n"));
    EXPECT_EQ(today.kind, al::LanguagesRead::Kind::Order);
    EXPECT_EQ(today.languages, (QStringList{"en-GB", "zh-Hans-CN", "es-419"}));
    EXPECT_EQ(al::parseLanguages(QString()).kind, al::LanguagesRead::Kind::Absent);
    EXPECT_EQ(al::arrayValue(today.languages), QStringLiteral("(en-GB,zh-Hans-CN,es-419)"));
}

TEST(ApplicationLanguagesRead, AnythingButTheToolsOwnArrayIsOdd)
{
    const char* odd[] = {
        "en\n",                                      // a single text
        "(\n    en,\n    de\n",                      // cut short
        "(\n    en,\n    de\n)",                     // no final line break
        "(\n    en\n    de\n)\n",                    // a comma missing
        "(\n  en\n)\n",                              // not the tool's indent
        "(\n    \"d\\351\"\n)\n",                    // the tool's octal escape
        "(\n    \"en GB\"\n)\n",                     // not an identifier
        "(\n    \"en\\\"\"\n)\n",                    // a quote inside
        "(\n    \"-en\"\n)\n",                       // would read as an option
        "(\n)\n",                                    // nothing to order
        "(\n    en,\n    (\n        de\n    )\n)\n", // nested
    };
    for (const char* text : odd) {
        SCOPED_TRACE(text);
        EXPECT_EQ(al::parseLanguages(QString::fromLatin1(text)).kind, al::LanguagesRead::Kind::Odd);
    }
    EXPECT_EQ(al::parseLanguages(std::nullopt).kind, al::LanguagesRead::Kind::Odd) << "not UTF-8";
    EXPECT_FALSE(al::arrayValue({}));
    EXPECT_FALSE(al::arrayValue({"en", "en GB"}));
    EXPECT_FALSE(al::arrayValue({"en", "(de)"}));
}

TEST(ApplicationLanguagesRead, DomainListsAreCheckedNameByName)
{
    const al::DomainList list = al::parseDomains(QStringLiteral(
        "com.apple.TextEdit, -g, /etc/passwd, .GlobalPreferences, NSGlobalDomain, a b, \u00e9t\u00e9, com.apple.TextEdit, org.mozilla.firefox\n"));
    EXPECT_EQ(list.names, (QStringList{"com.apple.TextEdit", "org.mozilla.firefox"}));
    EXPECT_EQ(list.odd, 6);
    EXPECT_FALSE(list.cut);

    QStringList many;
    for (int i = 0; i < 3000; ++i)
        many.append(QStringLiteral("com.example.app%1").arg(i));
    const al::DomainList cut = al::parseDomains(many.join(QStringLiteral(", ")) + QLatin1Char('\n'));
    EXPECT_EQ(cut.names.size(), al::kMaxDomains);
    EXPECT_EQ(cut.names.last(), QStringLiteral("com.example.app999"));
    EXPECT_TRUE(cut.cut);

    EXPECT_TRUE(al::parseDomains(QStringLiteral("com.a\ncom.b\n")).names.isEmpty()) << "two lines";
    EXPECT_TRUE(al::parseDomains(std::nullopt).names.isEmpty()) << "not UTF-8";
    EXPECT_TRUE(al::parseDomains(QString(300, QLatin1Char('a')) + QLatin1Char('\n')).names.isEmpty()) << "too long";
}

class Applications : public QuorrelFixture {
protected:
    void SetUp() override
    {
        writeDomain({"write", "com.apple.TextEdit", "AppleLanguages", "(\"fr-FR\", \"en-GB\", \"zh-Hans-CN\")"});
        writeDomain({"write", "org.mozilla.firefox", "AppleLanguages", "(en, de)"});
        writeDomain({"write", "com.example.NoLanguages", "Colour", "blue"});
    }

    // Runs the stand-in directly, unrecorded.
    QString writeDomain(const QStringList& arguments)
    {
        QProcess process;
        process.start(buildPath(QStringLiteral("defaults")), arguments);
        EXPECT_TRUE(process.waitForFinished());
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    static ToolCall readOf(const QString& domain) { return call("defaults", {"read", domain, "AppleLanguages"}); }
    static ToolCall writeOf(const QString& domain, const QString& value)
    {
        return call("defaults", {"write", domain, "AppleLanguages", value});
    }

    // Clicks Refresh and returns what it started.
    QList<ToolCall> refresh()
    {
        clearCalls();
        QTest::mouseClick(delegate->outlets.applications.listApplications.widget(), Qt::LeftButton);
        return settledCalls();
    }

    // Refreshes the area and selects the first language of `domain`, with the focus in its table.
    TableView* focusFirstLanguageOf(const QString& domain)
    {
        refresh();
        selectApplication(domain);
        TableView* table = delegate->outlets.applications.applicationLanguagesTable;
        table->setFocus();
        table->selectRowIndexes({0}, false);
        return table;
    }

    void selectApplication(const QString& domain)
    {
        TableView* table = delegate->outlets.applications.applicationsTable;
        const QStringList rows = cells(table);
        const qsizetype row = std::find_if(rows.begin(), rows.end(), [&](const QString& r) { return r.endsWith(" | " + domain); }) - rows.begin();
        ASSERT_LT(row, rows.size()) << domain.toStdString();
        clickRow(table, int(row));
        ASSERT_EQ(selectedRow(table), row);
    }

    QStringList shownOrder() const
    {
        QStringList isos;
        for (const QVariant& row : *delegate->applicationLanguagesTableData->storedData())
            isos.append(LocaleRow::isodesignator(row));
        return isos;
    }

    QString note() const
    {
        const QLabel* label = delegate->outlets.applications.note;
        return label->isHidden() ? QString() : label->text();
    }
};

TEST_F(Applications, NothingIsListedUntilAskedThenTheDomainsAndEachOnesLanguagesAreRead)
{
    QuorrelAppDelegate& d = start(true);
    for (const ToolCall& c : calls())
        EXPECT_FALSE(c.arguments.contains("domains")) << "start-up lists no application";
    EXPECT_TRUE(cells(d.outlets.applications.applicationsTable).isEmpty());
    EXPECT_FALSE(note().isEmpty()) << "the area says how to list them";

    const QStringList domains = al::parseDomains(writeDomain({"domains"})).names;
    ASSERT_TRUE(domains.contains("com.example.NoLanguages"));
    QList<ToolCall> expected = {call("defaults", {"domains"})};
    for (const QString& domain : domains)
        expected.append(readOf(domain));
    EXPECT_EQ(refresh(), expected);
    EXPECT_EQ(cells(d.outlets.applications.applicationsTable),
              (QStringList{"TextEdit | com.apple.TextEdit", "firefox | org.mozilla.firefox"}));
    EXPECT_TRUE(note().isEmpty());

    // Selecting reads nothing; the order is named in the system's first language, English.
    clearCalls();
    selectApplication("com.apple.TextEdit");
    EXPECT_EQ(shownOrder(), (QStringList{"fr-FR", "en-GB", "zh-Hans-CN"}));
    EXPECT_TRUE(cells(d.outlets.applications.applicationLanguagesTable).value(0).startsWith(QStringLiteral("French")));
    selectApplication("org.mozilla.firefox");
    EXPECT_EQ(shownOrder(), (QStringList{"en", "de"}));
    EXPECT_TRUE(settledCalls().isEmpty());

    // The window's own refresh starts nothing more than before.
    clearCalls();
    d.updateUI();
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{readLanguages(), readLocale(), readLanguages(), listProcesses()}));
}

TEST_F(Applications, KeysAndDropsMoveALanguageOfTheSelectedApplicationOnly)
{
    QuorrelAppDelegate& d = start();
    TableView* table = focusFirstLanguageOf("com.apple.TextEdit");
    clearCalls();
    QTest::keyClick(table, Qt::Key_Down, kMoveModifiers);
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{writeOf("com.apple.TextEdit", "(en-GB,fr-FR,zh-Hans-CN)"), readOf("com.apple.TextEdit")}));
    EXPECT_EQ(readDefault("com.apple.TextEdit", "AppleLanguages"), "(\n    \"en-GB\",\n    \"fr-FR\",\n    \"zh-Hans-CN\"\n)\n");
    EXPECT_EQ(shownOrder(), (QStringList{"en-GB", "fr-FR", "zh-Hans-CN"}));
    EXPECT_EQ(selectedRow(d.outlets.applications.applicationsTable), 0) << "the application stays selected";
    EXPECT_EQ(selectedRow(table), 1) << "and so does the moved language";

    // A drop of the last row at the top, as the table's drag makes it.
    QMimeData mime;
    Pasteboard pasteboard(&mime);
    MyTableData* data = d.applicationLanguagesTableData.get();
    data->writeRowsWithIndexes(table, {2}, pasteboard);
    DraggingInfo info(table, &mime);
    ASSERT_EQ(data->validateDrop(table, info, 0, DropOperation::On), DragOperation::Move);
    clearCalls();
    EXPECT_TRUE(data->acceptDrop(table, info, 0, DropOperation::Above));
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{writeOf("com.apple.TextEdit", "(zh-Hans-CN,en-GB,fr-FR)"), readOf("com.apple.TextEdit")}));
    EXPECT_EQ(shownOrder(), (QStringList{"zh-Hans-CN", "en-GB", "fr-FR"}));

    // Classic values go back as they were read.
    selectApplication("org.mozilla.firefox");
    table->setFocus();
    table->selectRowIndexes({1}, false);
    clearCalls();
    QTest::keyClick(table, Qt::Key_Up, kMoveModifiers);
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{writeOf("org.mozilla.firefox", "(de,en)"), readOf("org.mozilla.firefox")}));

    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    de,\n    fr\n)\n") << "the system's order is not touched";
}

TEST_F(Applications, AnApplicationFromTheApplicationsFolderStartsWithTheSystemsOrder)
{
    for (const auto& [name, identifier] : {std::pair{"TextEdit", "com.apple.TextEdit"}, std::pair{"Safari", "com.apple.Safari"}}) {
        const QString info = home.path(QStringLiteral("Applications/%1.app/Contents/Info").arg(name));
        QDir().mkpath(QFileInfo(info).absolutePath());
        writeDomain({"write", info, "CFBundleIdentifier", identifier});
    }
    QDir().mkpath(home.path("Applications/Broken.app/Contents")); // no Info.plist: offered nowhere
    writeGlobal("AppleLanguages", "(\"en-GB\", \"de-DE\", \"zh-Hans-CN\")");
    QuorrelAppDelegate& d = start();

    clearCalls();
    QTest::mouseClick(d.outlets.applications.addApplication.widget(), Qt::LeftButton);
    const QString folder = QDir(home.home()).canonicalPath() + QStringLiteral("/Applications/");
    const auto infoRead = [&](const QString& app) {
        return call("defaults", {"read", folder + app + ".app/Contents/Info", "CFBundleIdentifier"});
    };
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{infoRead("Broken"), infoRead("Safari"), infoRead("TextEdit")}));
    ApplicationChooser* chooser = d.window().widget()->findChild<ApplicationChooser*>();
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
    ASSERT_EQ(chooser->list()->count(), 2);
    EXPECT_EQ(chooser->list()->item(0)->text(), QStringLiteral("Safari \u2014 com.apple.Safari"));

    // Safari has no languages of its own: it gets the system's.
    clearCalls();
    chooser->list()->setFocus();
    QTest::keyClick(chooser->list(), Qt::Key_Home);
    QTest::mouseClick(chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{readOf("com.apple.Safari"), writeOf("com.apple.Safari", "(en-GB,de-DE,zh-Hans-CN)"), readOf("com.apple.Safari")}));
    EXPECT_EQ(cells(d.outlets.applications.applicationsTable), (QStringList{"Safari | com.apple.Safari"}));
    EXPECT_EQ(selectedRow(d.outlets.applications.applicationsTable), 0);
    EXPECT_EQ(shownOrder(), (QStringList{"en-GB", "de-DE", "zh-Hans-CN"}));

    // TextEdit has its own already: it is read and shown, never overwritten.
    QTest::mouseClick(d.outlets.applications.addApplication.widget(), Qt::LeftButton);
    chooser = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (ApplicationChooser* c : d.window().widget()->findChildren<ApplicationChooser*>())
            if (c->isVisible())
                chooser = c;
        return chooser != nullptr;
    }));
    chooser->list()->setCurrentRow(1);
    clearCalls();
    QTest::mouseClick(chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{readOf("com.apple.TextEdit")}));
    EXPECT_EQ(shownOrder(), (QStringList{"fr-FR", "en-GB", "zh-Hans-CN"}));
}

TEST_F(Applications, RemovingDeletesTheSelectedApplicationsLanguagesAndNothingElse)
{
    QuorrelAppDelegate& d = start();
    refresh();
    Button remove = d.outlets.applications.removeApplication;
    EXPECT_FALSE(remove.widget()->isEnabled()) << "nothing selected";
    selectApplication("org.mozilla.firefox");
    ASSERT_TRUE(remove.widget()->isEnabled());
    clearCalls();
    QTest::mouseClick(remove.widget(), Qt::LeftButton);
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{call("defaults", {"delete", "org.mozilla.firefox", "AppleLanguages"}), readOf("org.mozilla.firefox")}));
    EXPECT_EQ(cells(d.outlets.applications.applicationsTable), (QStringList{"TextEdit | com.apple.TextEdit"}));
    EXPECT_TRUE(shownOrder().isEmpty());
    EXPECT_TRUE(readDefault("org.mozilla.firefox", "AppleLanguages").isEmpty());
    // The decoys: another application, another key of the same kind, the system's order.
    EXPECT_FALSE(readDefault("com.apple.TextEdit", "AppleLanguages").isEmpty());
    EXPECT_EQ(readDefault("com.example.NoLanguages", "Colour"), "blue\n");
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    de,\n    fr\n)\n");
}

// An application's order and its removal come back with Undo, each after the value is read again,
// and the area shows the application as it is then.
TEST_F(Applications, UndoPutsAnApplicationsOrderBackAndBringsARemovedOneBack)
{
    QuorrelAppDelegate& d = start();
    TableView* table = focusFirstLanguageOf("com.apple.TextEdit");
    QTest::keyClick(table, Qt::Key_Down, kMoveModifiers);
    (void)settledCalls();
    ASSERT_TRUE(d.outlets.undoAction->isEnabled());
    clearCalls();
    d.outlets.undoAction->trigger();
    QList<ToolCall> undone = settledCalls();
    ASSERT_FALSE(undone.isEmpty());
    EXPECT_EQ(undone.first(), readOf("com.apple.TextEdit")) << "the value is read again first";
    EXPECT_TRUE(undone.contains(call("defaults", {"write", "com.apple.TextEdit", "AppleLanguages", "(fr-FR,en-GB,zh-Hans-CN)"})));
    EXPECT_EQ(readDefault("com.apple.TextEdit", "AppleLanguages"), "(\n    \"fr-FR\",\n    \"en-GB\",\n    \"zh-Hans-CN\"\n)\n");
    EXPECT_EQ(shownOrder(), (QStringList{"fr-FR", "en-GB", "zh-Hans-CN"}));

    selectApplication("org.mozilla.firefox");
    QTest::mouseClick(d.outlets.applications.removeApplication.widget(), Qt::LeftButton);
    (void)settledCalls();
    ASSERT_TRUE(readDefault("org.mozilla.firefox", "AppleLanguages").isEmpty());
    d.outlets.undoAction->trigger();
    (void)settledCalls();
    EXPECT_EQ(readDefault("org.mozilla.firefox", "AppleLanguages"), "(\n    en,\n    de\n)\n");
    EXPECT_EQ(cells(d.outlets.applications.applicationsTable),
              (QStringList{"TextEdit | com.apple.TextEdit", "firefox | org.mozilla.firefox"}));
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    de,\n    fr\n)\n") << "the system's order is not touched";
}

TEST_F(Applications, AnOddValueIsShownAsSuchAndNeverWrittenBack)
{
    writeDomain({"write", "com.example.Single", "AppleLanguages", "en"});
    writeDomain({"write", "com.example.Accented", "AppleLanguages", "(en, \"d\u00e9\")"});
    QuorrelAppDelegate& d = start();
    refresh();
    const QStringList rows = cells(d.outlets.applications.applicationsTable);
    EXPECT_TRUE(rows.contains("Single | com.example.Single"));
    EXPECT_TRUE(rows.contains("Accented | com.example.Accented"));
    for (const char* domain : {"com.example.Single", "com.example.Accented"}) {
        SCOPED_TRACE(domain);
        selectApplication(domain);
        EXPECT_TRUE(shownOrder().isEmpty());
        EXPECT_FALSE(note().isEmpty()) << "the area says it cannot read them";
        TableView* table = d.outlets.applications.applicationLanguagesTable;
        table->setFocus();
        clearCalls();
        QTest::keyClick(table, Qt::Key_Down, kMoveModifiers);
        EXPECT_TRUE(settledCalls().isEmpty());
    }
    EXPECT_EQ(readDefault("com.example.Single", "AppleLanguages"), "en\n");
}

TEST_F(Applications, HostileDomainListsStartNoReadOfAnOddName)
{
    QuorrelAppDelegate& d = start();
    const auto domainsPrint = [&](const QByteArray& output) {
        QFile file(toolRoot + QStringLiteral("/defaults-domains"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(output);
    };
    domainsPrint("-g, /Users/x/Library/Preferences/com.apple.TextEdit, com.apple.TextEdit; rm, "
                 ".GlobalPreferences, NSGlobalDomain, "
                 + QByteArray(100000, 'x') + ", com.apple.TextEdit\n");
    EXPECT_EQ(refresh(), (QList<ToolCall>{call("defaults", {"domains"}), readOf("com.apple.TextEdit")}));
    EXPECT_EQ(cells(d.outlets.applications.applicationsTable), (QStringList{"TextEdit | com.apple.TextEdit"}));

    domainsPrint("com.apple.TextEdit, com.\xff\xfe.evil\n");
    EXPECT_EQ(refresh(), (QList<ToolCall>{call("defaults", {"domains"})})) << "not UTF-8: nothing is read";
    EXPECT_TRUE(cells(d.outlets.applications.applicationsTable).isEmpty());

    domainsPrint(QByteArray(4 << 20, 'a') + '\n');
    EXPECT_EQ(refresh(), (QList<ToolCall>{call("defaults", {"domains"})}));
}

} // namespace
