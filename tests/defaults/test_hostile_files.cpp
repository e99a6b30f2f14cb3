// Preference files that are odd but possible, domain names that point elsewhere, writers that die
// half-way and values the store cannot keep: the `defaults` stand-in as a real child process in a
// temporary HOME, and the store read in-process the way the program reads its own settings.
// These are the stand-in's own refusals, not forms of Apple's output: they rest on no transcript
// (docs/defaults.md, "Where the stand-in differs from Apple's tool").
#include "DefaultsTool.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/TestHome.h"

#include "platform/host/PlistVariant.h"
#include "plist/PlistCompat.h"
#include "plist/PlistStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class StoreFiles : public ::testing::Test {
protected:
    QString preferences() const { return home_.path(QStringLiteral("Library/Preferences")); }
    QString plistPath(const QString& domain) const { return preferences() + '/' + domain + QStringLiteral(".plist"); }

    QStringList preferenceFiles() const
    {
        return QDir(preferences()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    // The file is refused by every command and by the in-process loader, with `reason` in the
    // message, and is still byte for byte what it was.
    void expectRefusedEverywhere(const std::string& file, const std::string& reason)
    {
        SCOPED_TRACE(reason);
        const QString domain = QStringLiteral("com.example.odd");
        const QString path = plistPath(domain);
        writeFile(path, bytes(file));

        for (const QStringList& args : std::vector<QStringList>{{"read", domain},
                                                                {"read", domain, "k"},
                                                                {"write", domain, "other", "x"},
                                                                {"write", domain, "other", "-array", "x"},
                                                                {"write", domain, "other", "-array-add", "x"},
                                                                {"write", domain, "other", "-bool", "yes"},
                                                                {"delete", domain, "k"}}) {
            const Result r = defaults(args);
            EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
            EXPECT_EQ(r.out, "") << args.join(' ').toStdString();
            EXPECT_TRUE(contains(r.err, reason)) << args.join(' ').toStdString() << ": " << r.err;
            EXPECT_TRUE(contains(r.err, path.toStdString())) << r.err;
        }

        const plist_store::Loaded loaded = plist_store::load(path.toStdString());
        EXPECT_EQ(loaded.status, plist_store::LoadStatus::Unparsable);
        EXPECT_EQ(loaded.dict, nullptr);
        EXPECT_TRUE(contains(loaded.reason, reason)) << loaded.reason;
        std::string why;
        EXPECT_EQ(plist_store::writeKey(path.toStdString(), "other", plist_new_string("x"), &why),
                  plist_store::WriteStatus::Unparsable);
        EXPECT_TRUE(contains(why, reason)) << why;

        EXPECT_EQ(fileBytes(path), bytes(file));
    }

    TestHome home_;
};

using HostileFiles = StoreFiles;

TEST_F(HostileFiles, TextsHoldingNulAreRefusedAndLeftByteForByte)
{
    // libplist would abort in an assertion on the first read of either.
    expectRefusedEverywhere(hostile::utf16NulValue(), "NUL");
    expectRefusedEverywhere(hostile::utf16NulKey(), "NUL");
}

TEST_F(HostileFiles, TextsThatAreNotValidUnicodeAreRefused)
{
    // Each of these reads, but the next write would lose or garble the text, or the whole file.
    expectRefusedEverywhere(hostile::asciiHighByte(), "marked as ASCII");
    expectRefusedEverywhere(hostile::utf16LoneSurrogate(), "surrogate");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<string>a&#xD800;b</string>\n"), "surrogate");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<string>Ren\xE9</string>\n"), "UTF-8");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<string>x</string>\n", "Shift_JIS"), "Shift_JIS");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<string>a&;b</string>\n"), "entity");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<string>a&#0;b</string>\n"), "NUL");
}

TEST_F(HostileFiles, Latin1XmlKeepsItsAccentsAcrossAnUnrelatedWrite)
{
    const QString path = plistPath("com.example.latin1");
    writeFile(path, bytes(hostile::latin1Xml()));
    EXPECT_EQ(defaults({"read", "com.example.latin1", "k"}).out, "Ren\\351\n");

    const Result write = defaults({"write", "com.example.latin1", "other", "x"});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(defaults({"read", "com.example.latin1", "k"}).out, "Ren\\351\n");
    const plist_store::Loaded loaded = plist_store::load(path.toStdString());
    ASSERT_EQ(loaded.status, plist_store::LoadStatus::Ok) << loaded.reason;
    EXPECT_EQ(plist_variant::toVariant(loaded.dict.get()).toMap().value("k").toString(), QString::fromUtf8("René"));
}

// Caps a child's address space so that a file which expands without bound ends the child instead
// of exhausting the machine. Not under AddressSanitizer, which reserves far more address space.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kCanCapMemory = false;
#else
constexpr bool kCanCapMemory = true;
#endif

Result defaultsWithin1GiB(const QStringList& arguments)
{
    QProcess process;
    process.setChildProcessModifier([] {
        if (kCanCapMemory) {
            const rlimit limit{1UL << 30, 1UL << 30};
            ::setrlimit(RLIMIT_AS, &limit);
        }
    });
    process.start(buildPath(QStringLiteral("defaults")), arguments); // refusals only the stand-in makes
    if (!process.waitForStarted(kChildLimitMs)) {
        ADD_FAILURE() << "defaults could not be started";
        return {};
    }
    return finish(process);
}

TEST_F(HostileFiles, SharedCollectionsThatExpandBeyondTheFileAndCyclesAreRefused)
{
    // 146 bytes that libplist would expand into 2^24 leaves (14 s and 4 GiB).
    const std::string dag = hostile::sharedDag(24);
    EXPECT_EQ(dag.size(), 146u);
    writeFile(plistPath("com.example.dag"), bytes(dag));
    const Result read = defaultsWithin1GiB({"read", "com.example.dag"});
    EXPECT_EQ(read.status, 1);
    // Stop here otherwise: the uncapped reads below would take the machine's memory.
    ASSERT_TRUE(contains(read.err, "expand")) << read.err;

    expectRefusedEverywhere(dag, "expand");
    expectRefusedEverywhere(hostile::selfReference(), "contains itself");
}

TEST_F(HostileFiles, ALongTextSharedFarMoreOftenThanTheFileHoldsIsRefused)
{
    // Few nodes, but many MiB of text once libplist copies the one text at every use: `uses` of a
    // 64 KiB text, as it is, inside a shared one-item list, or as UTF-16 (up to three UTF-8 bytes
    // a unit). Fewer uses stay within what a file of its size may hold.
    const auto sharing = [](size_t uses, bool inList, bool utf16) {
        hostile::BinaryPlist file;
        size_t item = utf16 ? file.utf16(std::u16string(size_t(32) << 10, u'\u00e9'))
                            : file.ascii(std::string(size_t(64) << 10, 'x'));
        if (inList)
            item = file.array({item});
        return file.bytes(file.dict({{file.ascii("k"), file.array(std::vector<size_t>(uses, item))}}));
    };
    expectRefusedEverywhere(sharing(1000, false, false), "expand");
    expectRefusedEverywhere(sharing(1000, true, false), "expand");
    expectRefusedEverywhere(sharing(400, false, true), "expand");

    for (const std::string& file : {sharing(100, false, false), sharing(100, true, false), sharing(100, false, true)}) {
        writeFile(plistPath("com.example.fewer"), bytes(file));
        const Result fewer = defaults({"read-type", "com.example.fewer", "k"});
        EXPECT_EQ(fewer.status, 0) << fewer.err;
        EXPECT_EQ(fewer.out, "Type is array\n");
    }
}

TEST_F(HostileFiles, ACollectionSharedDeeperDownCountsItsLevelsThere)
{
    static_assert(plist_store::kMaxNesting == 256, "the tests below count on it");
    // The domain holds k = (C, chain): C ten lists deep, first met at level 3, and again at the
    // bottom of `chain` lists, where its last level is 12 + chain.
    const auto sharedDeeper = [](int chain) {
        hostile::BinaryPlist file;
        size_t shared = file.array({});
        for (int i = 1; i < 10; ++i)
            shared = file.array({shared});
        size_t outer = file.array({shared});
        for (int i = 1; i < chain; ++i)
            outer = file.array({outer});
        return file.bytes(file.dict({{file.ascii("k"), file.array({shared, outer})}}));
    };
    expectRefusedEverywhere(sharedDeeper(245), "nests collections deeper than 256 levels");

    writeFile(plistPath("com.example.deep"), bytes(sharedDeeper(244)));
    const Result read = defaults({"read-type", "com.example.deep", "k"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, "Type is array\n");
}

TEST_F(HostileFiles, SharedTextsAndSmallSharedCollectionsReadAsUsual)
{
    // Apple's writer stores equal texts once; a small shared collection stays within the file's size.
    hostile::BinaryPlist file;
    const size_t en = file.ascii("en");
    std::vector<size_t> many(1000, en);
    writeFile(plistPath("com.example.shared"),
              bytes(file.bytes(file.dict({{file.ascii("k"), file.array(many)}}))));
    const Result shared = defaults({"read", "com.example.shared", "k"});
    EXPECT_EQ(shared.status, 0) << shared.err;
    EXPECT_EQ(std::count(shared.out.begin(), shared.out.end(), '\n'), 1002);

    writeFile(plistPath("com.example.small"), bytes(hostile::sharedDag(3)));
    const Result small = defaults({"read", "com.example.small", "k"});
    EXPECT_EQ(small.status, 0) << small.err;
    EXPECT_EQ(std::count(small.out.begin(), small.out.end(), 'x'), 8);
}

TEST_F(HostileFiles, NestingDeeperThanTheLimitIsRefusedBeforeAnythingRecurses)
{
    static_assert(plist_store::kMaxNesting == 256, "the tests below count on it");
    // The domain's own dictionary is the first level.
    expectRefusedEverywhere(hostile::deepXml(100000), "nests collections deeper than 256 levels");
    expectRefusedEverywhere(hostile::deepBinary(100000), "nests collections deeper than 256 levels");
    expectRefusedEverywhere(hostile::deepXml(256), "nests collections deeper than 256 levels");
    expectRefusedEverywhere(hostile::deepBinary(256), "nests collections deeper than 256 levels");

    for (const std::string& file : {hostile::deepXml(255), hostile::deepBinary(255)}) {
        writeFile(plistPath("com.example.deep"), bytes(file));
        const Result read = defaults({"read", "com.example.deep", "k"});
        EXPECT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(std::count(read.out.begin(), read.out.end(), '('), 255);
        const Result write = defaults({"write", "com.example.deep", "other", "x"});
        EXPECT_EQ(write.status, 0) << write.err;
        const plist_store::Loaded loaded = plist_store::load(plistPath("com.example.deep").toStdString());
        ASSERT_EQ(loaded.status, plist_store::LoadStatus::Ok) << loaded.reason;
        EXPECT_TRUE(plist_variant::toVariant(loaded.dict.get()).toMap().contains("k"));
    }
}

TEST_F(HostileFiles, ValuesTheStoreCannotKeepExactlyAreRefused)
{
    // libplist 2.2 keeps dates as 32-bit seconds from 2001 and integers in 64 bits: anything else
    // would silently change at the next write.
    for (const hostile::Seed& seed : hostile::fileSeeds()) {
        if (seed.name == "date-2100.plist" || seed.name == "xml-date-2100.xml.plist")
            expectRefusedEverywhere(seed.bytes, "date");
        if (seed.name == "integer-128-bit.plist" || seed.name == "xml-integer-overflow.xml.plist")
            expectRefusedEverywhere(seed.bytes, "integer");
        if (seed.name == "xml-bad-base64.xml.plist")
            expectRefusedEverywhere(seed.bytes, "base64");
        if (seed.name == "set.plist")
            expectRefusedEverywhere(seed.bytes, "set");
        if (seed.name == "null.plist")
            expectRefusedEverywhere(seed.bytes, "null");
        if (seed.name == "duplicate-keys.plist")
            expectRefusedEverywhere(seed.bytes, "twice");
    }
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<integer>010</integer>\n"), "integer");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<real>1.5abc</real>\n"), "real");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<date>2024-01-02</date>\n"), "date");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<integer/>\n"), "empty");

    // A key twice in XML reads as its last value, as on a Mac; libplist keeps only that one.
    writeFile(plistPath("com.example.twice"),
              bytes(hostile::xmlPlist("\t<key>k</key>\n\t<string>a</string>\n\t<key>k</key>\n\t<true/>\n")));
    EXPECT_EQ(defaults({"read", "com.example.twice"}).out, "{\n    k = 1;\n}\n");
}

TEST_F(HostileFiles, XmlFilesHoldingMoreThanOneValueAreRefused)
{
    // Each would read as its first value and lose the rest at the next write.
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";
    const std::string a = "<dict><key>a</key><integer>1</integer></dict>\n";
    const std::string b = "<dict><key>b</key><integer>2</integer></dict>\n";
    expectRefusedEverywhere(head + a + b + "</plist>\n", "more than one value");
    expectRefusedEverywhere(head + a + "<string>after</string>\n</plist>\n", "more than one value");
    expectRefusedEverywhere(head + a + "</plist>\n<plist version=\"1.0\">\n" + b + "</plist>\n", "after its end");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<string>v</string>\n\t<key>lonely</key>\n"),
                            "key without a value");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<key>j</key>\n\t<string>v</string>\n"),
                            "key without a value");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<array><key>x</key><string>v</string></array>\n"),
                            "a <key> outside a dictionary");
    expectRefusedEverywhere(hostile::xmlPlist("\t<string>no key</string>\n"), "value without a key");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<wobble>1</wobble>\n"), "<wobble>");
    expectRefusedEverywhere(hostile::xmlPlist("\t<key>k</key>\n\t<string>v</key>\n"), "well-formed");
}

TEST_F(HostileFiles, TheProgramLoadsEveryOddFileWithoutAborting)
{
    // What the program does with its own domain at start-up: load, then convert to Qt values.
    const QSet<QString> readable{"ordinary.plist", "ordinary.xml.plist", "latin1.xml.plist"};
    for (const hostile::Seed& seed : hostile::fileSeeds()) {
        SCOPED_TRACE(seed.name);
        const QString path = plistPath("org.quorrel.Quorrel");
        writeFile(path, bytes(seed.bytes));
        const plist_store::Loaded loaded = plist_store::load(path.toStdString());
        if (readable.contains(QString::fromStdString(seed.name))) {
            ASSERT_EQ(loaded.status, plist_store::LoadStatus::Ok) << loaded.reason;
            EXPECT_FALSE(plist_variant::toVariant(loaded.dict.get()).toMap().isEmpty());
        } else {
            EXPECT_EQ(loaded.status, plist_store::LoadStatus::Unparsable);
            EXPECT_NE(loaded.reason, "");
        }
        EXPECT_EQ(fileBytes(path), bytes(seed.bytes));
    }
}

// ---- Domain names ----

using DomainNames = StoreFiles;

TEST_F(DomainNames, ThoseThatLeaveThePreferencesFolderAreRefusedAndCreateNothing)
{
    // HOME one level down, so that what a name climbs to is still inside this test's folder.
    home_.env().set("HOME", QFile::encodeName(home_.path("inner")));
    const QString outside = home_.path("outside.plist");
    const std::vector<QString> names{"../../../outside", "../x", "a/b", "..", ".", "com..example", "x/"};
    for (const QString& name : names) {
        for (const QStringList& args : std::vector<QStringList>{{"write", name, "k", "v"},
                                                                {"write", name, "k", "-array", "v"},
                                                                {"write", name, "k", "-bool", "yes"},
                                                                {"read", name},
                                                                {"read", name, "k"},
                                                                {"delete", name},
                                                                {"delete", name, "k"}}) {
            const Result r = defaults(args);
            EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
            EXPECT_EQ(r.out, "");
            EXPECT_TRUE(contains(r.err, "not a valid domain name")) << r.err;
        }
    }
    EXPECT_FALSE(QFile::exists(outside));
    EXPECT_EQ(QDir(home_.home()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"Library"}));
    EXPECT_FALSE(QFile::exists(home_.path("inner")));

    // The spellings of the global domain stay.
    home_.env().set("HOME", QFile::encodeName(home_.home()));
    for (const QString name : {"-g", "-globalDomain", "NSGlobalDomain", ".GlobalPreferences"}) {
        EXPECT_EQ(defaults({"write", name, "k", name}).status, 0);
        EXPECT_EQ(defaults({"read", ".GlobalPreferences", "k"}).out, name.toStdString() + "\n");
    }
}

// The stand-in itself, also where the suite runs against Apple's tool: these refusals are its own.
Result standIn(const QStringList& arguments)
{
    QProcess process;
    process.start(buildPath(QStringLiteral("defaults")), arguments);
    if (!process.waitForStarted(kChildLimitMs)) {
        ADD_FAILURE() << "defaults could not be started";
        return {};
    }
    process.closeWriteChannel();
    return finish(process);
}

TEST_F(DomainNames, PathsOutsideTheHomeOrThroughLinksAreRefusedAndChangeNothing)
{
    // Apple's tool takes a path to any file as a domain; the stand-in takes only files inside its
    // home folder, reached without ".." and without symbolic links.
    const QString inner = home_.path("inner");
    home_.env().set("HOME", QFile::encodeName(inner));
    ASSERT_TRUE(QDir(home_.home()).mkpath("inner/folder"));
    ASSERT_TRUE(QDir(home_.home()).mkpath("outside"));
    const QString kept = home_.path("outside/kept.plist");
    ASSERT_EQ(plist_store::writeKey(kept.toStdString(), "k", plist_new_string("outside")), plist_store::WriteStatus::Ok);
    const QByteArray keptBytes = fileBytes(kept);
    const auto outsideEntries = [&] {
        return QDir(home_.path("outside")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    };
    const QStringList outsideBefore = outsideEntries();
    ASSERT_TRUE(QFile::link(home_.path("outside"), inner + "/link"));
    ASSERT_TRUE(QFile::link(kept, inner + "/file.plist"));
    ASSERT_TRUE(QFile::link(home_.path("outside/new.plist"), inner + "/dangling.plist"));

    struct Case {
        QString domain;
        std::string reason;
    };
    const std::vector<Case> cases{
        {home_.path("absolute"), "not a file inside the home folder"},
        {home_.path("outside/kept.plist"), "not a file inside the home folder"},
        {home_.path("inner2/x"), "not a file inside the home folder"},
        {"/", "not a file inside the home folder"},
        {inner, "not a file inside the home folder"},
        {inner + "/folder/", "not a file inside the home folder"},
        {inner + "/../outside/kept", "\"..\""},
        {inner + "/folder/../../outside/kept", "\"..\""},
        {inner + "/link/kept", "symbolic link"},
        {inner + "/link/new", "symbolic link"},
        {inner + "/file", "symbolic link"},
        {inner + "/file.plist", "symbolic link"},
        {inner + "/dangling", "symbolic link"},
    };
    for (const Case& c : cases) {
        for (const QStringList& args : std::vector<QStringList>{{"write", c.domain, "k", "v"},
                                                                {"write", c.domain, "k", "-array", "v"},
                                                                {"write", c.domain, "{ k = v; }"},
                                                                {"read", c.domain},
                                                                {"read", c.domain, "k"},
                                                                {"read-type", c.domain, "k"},
                                                                {"rename", c.domain, "k", "l"},
                                                                {"delete", c.domain},
                                                                {"delete", c.domain, "k"},
                                                                {"export", c.domain, "-"}}) {
            SCOPED_TRACE(args.join(' ').toStdString());
            const Result r = standIn(args);
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.out, "");
            EXPECT_TRUE(contains(r.log, "\"" + c.domain.toStdString() + "\" cannot be used as a domain")) << r.err;
            EXPECT_TRUE(contains(r.log, c.reason)) << r.err;
        }
    }
    EXPECT_EQ(fileBytes(kept), keptBytes);
    EXPECT_EQ(outsideEntries(), outsideBefore);
    EXPECT_EQ(QDir(inner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
              QStringList({"dangling.plist", "file.plist", "folder", "link"}));
    EXPECT_TRUE(QDir(inner + "/folder").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(QFile::exists(home_.path("absolute.plist")));
    EXPECT_FALSE(QFile::exists(home_.path("inner2")));
}

// ---- Writers that die half-way ----

using KilledWriters = StoreFiles;

TEST_F(KilledWriters, LeaveAtMostOneTemporaryFileAndNoOneElsesFileIsRemoved)
{
    const QString domain = QStringLiteral("com.example.killed");
    // A large value makes every write take long enough to be caught in the middle.
    ASSERT_EQ(plist_store::writeKey(plistPath(domain).toStdString(), "ballast",
                                    plist_new_data(std::string(1 << 20, 'x').data(), 1 << 20)),
              plist_store::WriteStatus::Ok);
    // Names like a temporary file's, that the store did not make.
    const QStringList decoys{domain + ".plist.AbC123", domain + ".plist~", "." + domain + ".plist.swp", "notes.txt"};
    for (const QString& decoy : decoys)
        writeFile(preferences() + '/' + decoy, "mine");
    const QStringList before = preferenceFiles();

    int caught = 0;
    for (int i = 0; i < 40; ++i) {
        QProcess writer;
        writer.start(buildPath("defaults"), {"write", domain, "k" + QString::number(i), "v"});
        ASSERT_TRUE(writer.waitForStarted(kChildLimitMs));
        // Kill it as soon as some new file shows, which is the write under way.
        QElapsedTimer clock;
        clock.start();
        bool seen = false;
        while (!seen && writer.state() != QProcess::NotRunning && clock.elapsed() < kChildLimitMs) {
            for (const QString& name : preferenceFiles())
                seen = seen || !before.contains(name);
            if (!seen)
                writer.waitForFinished(0);
        }
        if (seen && writer.state() != QProcess::NotRunning) {
            writer.kill();
            ++caught;
        }
        writer.waitForFinished(kChildLimitMs);
    }
    EXPECT_GT(caught, 0);

    QStringList leftovers = preferenceFiles();
    for (const QString& name : before)
        leftovers.removeOne(name);
    EXPECT_LE(leftovers.size(), 1) << leftovers.join(' ').toStdString();

    // The next write finishes what is left over; the domain was never half-written.
    EXPECT_EQ(defaults({"write", domain, "last", "v"}).status, 0);
    EXPECT_EQ(preferenceFiles(), before);
    for (const QString& decoy : decoys)
        EXPECT_EQ(fileBytes(preferences() + '/' + decoy), "mine");
    const plist_store::Loaded loaded = plist_store::load(plistPath(domain).toStdString());
    ASSERT_EQ(loaded.status, plist_store::LoadStatus::Ok) << loaded.reason;
    EXPECT_NE(plist_dict_get_item(loaded.dict.get(), "last"), nullptr);
}

// ---- Values the store cannot keep ----

using StoredValues = StoreFiles;

TEST_F(StoredValues, HoldingNulAreRefusedAndTheDomainIsUntouched)
{
    const QString domain = QStringLiteral("com.example.nul");
    const std::vector<QStringList> writes{
        {"write", domain, "k", R"("a\000b")"},
        {"write", domain, "k", R"(("a", "b\0"))"},
        {"write", domain, "k", R"({ "k\000" = v; })"},
        {"write", domain, "k", R"("\U0000")"},
        {"write", domain, "k", "-array", "a", R"("b\000")"},
        {"write", domain, "k", "-array-add", R"("\000")"},
    };
    for (const QStringList& args : writes) {
        const Result r = defaults(args);
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(contains(r.err, "NUL")) << r.err;
    }
    EXPECT_FALSE(QFile::exists(plistPath(domain)));

    ASSERT_EQ(defaults({"write", domain, "k", "before"}).status, 0);
    const QByteArray before = fileBytes(plistPath(domain));
    for (const QStringList& args : writes)
        EXPECT_EQ(defaults(args).status, 1);
    EXPECT_EQ(fileBytes(plistPath(domain)), before);
    EXPECT_EQ(defaults({"read", domain, "k"}).out, "before\n");
}

TEST_F(StoredValues, NestedBeyondTheLimitAreRefusedAndOneLessIsKept)
{
    // The domain's dictionary is the first of the 256 levels a file may have.
    const QString domain = QStringLiteral("com.example.nesting");
    const auto nested = [](int levels) {
        return QString(levels, '(') + QString(levels, ')');
    };
    const Result deep = defaults({"write", domain, "k", nested(256)});
    EXPECT_EQ(deep.status, 1);
    EXPECT_TRUE(contains(deep.err, "256 levels")) << deep.err;
    const Result deepItem = defaults({"write", domain, "k", "-array", nested(255)});
    EXPECT_EQ(deepItem.status, 1);
    EXPECT_TRUE(contains(deepItem.err, "256 levels")) << deepItem.err;
    EXPECT_FALSE(QFile::exists(plistPath(domain)));

    const Result ok = defaults({"write", domain, "k", nested(255)});
    EXPECT_EQ(ok.status, 0) << ok.err;
    const Result read = defaults({"read", domain, "k"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(std::count(read.out.begin(), read.out.end(), '('), 255);
}

} // namespace

// ---- The store's own binary writer ----

namespace {

std::string xmlOf(plist_t node)
{
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    std::string out = xml ? std::string(xml, length) : std::string();
    plist_store::freeBuffer(xml);
    return out;
}

// The tree libplist reads from `bytes`, as libplist's XML writer prints it: the reference both
// writers are held to.
std::string reread(const std::string& bytes)
{
    plist_t root = nullptr;
    plist_from_bin(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    plist_store::PlistPtr owned(root);
    return root ? xmlOf(root) : std::string("(unreadable)");
}

} // namespace

TEST(BinaryWriter, WritesWhatLibplistsOwnWriterWritesAndSharesEqualTexts)
{
    plist_store::PlistPtr root(plist_new_dict());
    plist_t r = root.get();
    plist_dict_set_item(r, "ascii", plist_new_string("en"));
    plist_dict_set_item(r, "long text of more than fifteen", plist_new_string(std::string(300, 'x').c_str()));
    plist_dict_set_item(r, "Mise \xc3\xa0 jour", plist_new_string("\xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80"));
    plist_dict_set_item(r, "", plist_new_string(""));
    for (const int64_t n : {int64_t(0), int64_t(255), int64_t(256), int64_t(65536), int64_t(1) << 31, int64_t(1) << 40,
                            int64_t(-1), INT64_MIN, INT64_MAX})
        plist_dict_set_item(r, ("n" + std::to_string(n)).c_str(), plist_store::newInteger(n));
    plist_dict_set_item(r, "real", plist_new_real(0.1));
    plist_dict_set_item(r, "float-exact", plist_new_real(double(0.6065307f)));
    plist_dict_set_item(r, "yes", plist_new_bool(1));
    plist_dict_set_item(r, "no", plist_new_bool(0));
    plist_dict_set_item(r, "when", plist_store::newDate(719463845, 445271));
    plist_dict_set_item(r, "before2001", plist_store::dateNode(-86400500));
    plist_dict_set_item(r, "data", plist_new_data("\x00\x01\x02", 3));
    plist_dict_set_item(r, "big data", plist_new_data(std::string(70000, '\xab').data(), 70000));
    plist_dict_set_item(r, "uid", plist_new_uid(7));
    plist_t list = plist_new_array();
    for (int i = 0; i < 300; ++i)
        plist_array_append_item(list, plist_new_string(i % 2 ? "en" : "de"));
    plist_t inner = plist_new_dict();
    plist_dict_set_item(inner, "ascii", plist_new_string("shared key"));
    plist_array_append_item(list, inner);
    plist_array_append_item(list, plist_new_array());
    plist_array_append_item(list, plist_new_dict());
    plist_dict_set_item(r, "list", list);

    std::string ours;
    ASSERT_TRUE(plist_store::toBinary(r, ours));
    char* theirs = nullptr;
    uint32_t length = 0;
    plist_to_bin(r, &theirs, &length);
    const std::string libplist(theirs, length);
    plist_store::freeBuffer(theirs);

    EXPECT_EQ(reread(ours), reread(libplist));
    EXPECT_EQ(reread(ours), xmlOf(r));
    // Equal texts once: 300 items of two texts cost a reference each, not a text each.
    EXPECT_LT(ours.size(), libplist.size() + 100);
    const plist_store::Loaded loaded = plist_store::parse(ours);
    ASSERT_EQ(loaded.status, plist_store::LoadStatus::Ok) << loaded.reason;
    EXPECT_EQ(plist_store::dateMSecs(plist_dict_get_item(loaded.dict.get(), "before2001")), -86400500);
}

// The reference size and object count a bplist00 trailer gives.
std::pair<int, uint64_t> refSizeAndCount(const std::string& file)
{
    uint64_t count = 0;
    for (size_t i = file.size() - 24; i < file.size() - 16; ++i)
        count = (count << 8) | static_cast<unsigned char>(file[i]);
    return {static_cast<unsigned char>(file[file.size() - 32 + 7]), count};
}

TEST(BinaryWriter, ReferencesTakeTheFewestBytesWhateverTheFileItReplacesHeld)
{
    // A dictionary, its key, an array and its distinct texts: `count` objects in all. The hint is
    // what the replaced file held, too large or too small for the new one.
    for (const uint64_t count : {uint64_t(255), uint64_t(256), uint64_t(257), uint64_t(65535), uint64_t(65536),
                                 uint64_t(65537)}) {
        plist_store::PlistPtr root(plist_new_dict());
        plist_t list = plist_new_array();
        for (uint64_t i = 0; i + 3 < count; ++i)
            plist_array_append_item(list, plist_new_string(("t" + std::to_string(i)).c_str()));
        plist_dict_set_item(root.get(), "a", list);
        const int fewest = count <= 255 ? 1 : count <= 65535 ? 2
                                                             : 4;
        for (const size_t hint : {size_t(0), size_t(3), size_t(count), size_t(70000)}) {
            SCOPED_TRACE(std::to_string(count) + " objects, hint " + std::to_string(hint));
            std::string ours;
            ASSERT_TRUE(plist_store::toBinary(root.get(), ours, {hint, hint * 4}));
            EXPECT_EQ(refSizeAndCount(ours), std::make_pair(fewest, count));
            EXPECT_EQ(reread(ours), xmlOf(root.get()));
        }
    }
}

TEST(BinaryWriter, AKeyWrittenTwiceIsFoundAmongManyWhereverItIs)
{
    // Keys of one length written as distinct objects; then one of them made equal to another, in
    // the top dictionary or in a nested one, far from its twin.
    plist_store::PlistPtr root(plist_new_dict());
    plist_t inner = plist_new_dict();
    for (int i = 0; i < 3000; ++i) {
        char key[8];
        std::snprintf(key, sizeof key, "k%04d", i);
        plist_dict_set_item(root.get(), key, plist_new_string("v"));
        std::snprintf(key, sizeof key, "i%04d", i);
        plist_dict_set_item(inner, key, plist_new_bool(i % 2));
    }
    plist_dict_set_item(root.get(), "inner", inner);
    std::string file;
    ASSERT_TRUE(plist_store::toBinary(root.get(), file));
    ASSERT_EQ(plist_store::parse(file).status, plist_store::LoadStatus::Ok);
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"Uk2999", "Uk0000"}, {"Ui2998", "Ui0001"}, {"Uk0001", "Uk0000"}}) {
        SCOPED_TRACE(from);
        std::string twice = file;
        const size_t at = twice.find(from);
        ASSERT_NE(at, std::string::npos);
        twice.replace(at, from.size(), to);
        const plist_store::Loaded loaded = plist_store::parse(twice);
        EXPECT_EQ(loaded.status, plist_store::LoadStatus::Unparsable);
        EXPECT_TRUE(contains(loaded.reason, "twice")) << loaded.reason;
    }
}

TEST(XmlReader, ReadsWhatLibplistReadsFromAnOrdinaryFile)
{
    // Every kind of value and every way of writing text that an ordinary file uses; the store's
    // own reader must read the same tree libplist's reader does.
    const std::string file = hostile::xmlPlist(
        "\t<!-- a comment --><key>text</key>\n\t<string>a &amp; b &lt;c&gt; &quot;&apos; &#233;&#x65E5;"
        "<![CDATA[<x>&amp;]]><!-- inside -->\n  kept  </string>\n"
        "\t<key>caf\xc3\xa9 \xf0\x9f\x98\x80</key>\n\t<string>\xe6\x97\xa5\xe6\x9c\xac</string>\n"
        "\t<key>empty</key>\n\t<string/>\n\t<key>emptyToo</key>\n\t<string></string>\n"
        "\t<key>ints</key>\n\t<array><integer>0</integer><integer> -12 </integer><integer>0x1F</integer>"
        "<integer>9223372036854775807</integer><integer>-9223372036854775808</integer><integer>+7</integer>"
        "<integer>300</integer><integer>70000</integer><integer>4294967296</integer></array>\n"
        "\t<key>reals</key>\n\t<array><real>2.5</real><real>-0.1</real><real>1e300</real><real>.5</real>"
        "<real>7</real></array>\n"
        "\t<key>dates</key>\n\t<array><date>2024-01-02T03:04:05Z</date><date>1990-06-30T23:59:59Z</date></array>\n"
        "\t<key>data</key>\n\t<array><data>QUJD</data><data>\n\tAAEC\n\tAw==\n\t</data><data/></array>\n"
        "\t<key>bools</key>\n\t<array><true/><false/><true></true></array>\n"
        "\t<key>nested</key>\n\t<dict><key>inner</key><dict/><key>list</key><array/></dict>\n"
        "\t<key>k</key>\n\t<string>first</string>\n\t<key>k</key>\n\t<string>last</string>\n");
    plist_t theirs = nullptr;
    plist_from_xml(file.data(), static_cast<uint32_t>(file.size()), &theirs);
    plist_store::PlistPtr owned(theirs);
    ASSERT_NE(theirs, nullptr);
    const plist_store::Loaded ours = plist_store::parse(file);
    ASSERT_EQ(ours.status, plist_store::LoadStatus::Ok) << ours.reason;
    EXPECT_EQ(xmlOf(ours.dict.get()), xmlOf(theirs));
    EXPECT_EQ(plist_variant::toVariant(ours.dict.get()).toMap().value("k").toString(), QStringLiteral("last"));

    // Without the <plist> around it, and with a byte order mark, the file reads the same.
    const plist_store::Loaded bare = plist_store::parse("\xEF\xBB\xBF<dict><key>a</key><true/></dict>\n");
    ASSERT_EQ(bare.status, plist_store::LoadStatus::Ok) << bare.reason;
    EXPECT_TRUE(plist_variant::toVariant(bare.dict.get()).toMap().value("a").toBool());
}
