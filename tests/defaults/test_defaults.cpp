// The `defaults` stand-in run as a real child process in a temporary HOME, and the property-list
// store and value conversions it shares with the program.
#include "DefaultsTool.h"
#include "tests/support/TestHome.h"

#include "platform/host/PlistVariant.h"
#include "plist/PlistStore.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QTimeZone>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

class Defaults : public ::testing::Test {
protected:
    QString plistPath(const QString& domain) const
    {
        return home_.path(QStringLiteral("Library/Preferences/") + domain + QStringLiteral(".plist"));
    }

    // What the store holds for a key, through the same loader the program uses.
    QVariant stored(const QString& domain, const QString& key) const
    {
        const auto loaded = plist_store::load(plistPath(domain).toStdString());
        if (loaded.status != plist_store::LoadStatus::Ok)
            return {};
        return plist_variant::toVariant(plist_dict_get_item(loaded.dict.get(), key.toUtf8().constData()));
    }

    // Stores a value the way the program's own user defaults do.
    void store(const QString& domain, const QString& key, const QVariant& value)
    {
        plist_t node = plist_variant::fromVariant(value);
        ASSERT_NE(node, nullptr);
        ASSERT_EQ(plist_store::writeKey(plist_store::domainPath(domain.toStdString()), key.toStdString(), node),
                  plist_store::WriteStatus::Ok);
    }

    // `defaults read` of a value stored by the program.
    std::string printed(const QVariant& value)
    {
        store(QStringLiteral("org.quorrel.Quorrel"), QStringLiteral("Value"), value);
        const Result r = defaults({"read", "org.quorrel.Quorrel", "Value"});
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    TestHome home_;
};

// ---- How values are printed ----

// Arrays: "(" alone, four spaces per item, "," after all but the last, ")"; items that are not
// only letters and digits quoted: `defaults read` of SelectedCalendars, "(\n    \"F3E57387-...\",",
// https://github.com/sfsam/Itsycal/issues/231, and of the Dock's "last-analytics-stamp",
// https://github.com/nix-darwin/nix-darwin/issues/1533 (a real there prints quoted: "773430205.445271").
// A '"' inside a quoted text prints as \\" (escaped, then the backslash doubled): `defaults read`
// printing `identifier \\"com.apple.Safari\\"`, https://github.com/DHowett/go-plist/issues/56.
// "\"\"" for an empty text and a backslash printed as four are the likeliest form (no transcript holds one).
TEST_F(Defaults, ArraysPrintOneItemPerLineAndQuoteAllButLettersAndDigits)
{
    store("org.quorrel.Quorrel", "PreferredLocales", QStringList{"en", "en-US", "zh-Hans"});
    const Result locales = defaults({"read", "org.quorrel.Quorrel", "PreferredLocales"});
    EXPECT_EQ(locales.status, 0);
    EXPECT_EQ(locales.out, "(\n    en,\n    \"en-US\",\n    \"zh-Hans\"\n)\n");
    EXPECT_EQ(locales.err, "");

    EXPECT_EQ(printed(QStringList{"en_US", "com.apple.Safari", "Google Chrome", "", "Dark", "10", "a\"b", "c\\d"}),
              "(\n"
              "    \"en_US\",\n"
              "    \"com.apple.Safari\",\n"
              "    \"Google Chrome\",\n"
              "    \"\",\n"
              "    Dark,\n"
              "    10,\n"
              "    \"a\\\\\"b\",\n"
              "    \"c\\\\\\\\d\"\n"
              ")\n");
    EXPECT_EQ(printed(QStringList{}), "(\n)\n");
    EXPECT_EQ(printed(QVariantList{true, false, qint64(7), qint64(-7), 1.5, 2.0}),
              "(\n    1,\n    0,\n    7,\n    \"-7\",\n    \"1.5\",\n    2\n)\n");
}

// A single value prints bare: "1" for `-bool true`, https://github.com/lwouis/alt-tab-macos/issues/4363;
// a date as "2023-10-11 01:47:04 +0000", https://github.com/sfsam/Itsycal/issues/231; data as
// "{length = 920, bytes = 0x626f6f6b 98030000 00000410 30000000 ... 38020000 00000000 }",
// https://github.com/catilac/plistwatch/issues/9. Short data (all bytes, no spaces), reals with a
// fraction and negative numbers rest on the likeliest form.
TEST_F(Defaults, SingleValuesPrintBareOnOneLine)
{
    EXPECT_EQ(printed(QString("de_DE")), "de_DE\n");
    EXPECT_EQ(printed(QString("Google Chrome")), "Google Chrome\n");
    EXPECT_EQ(printed(QString("say \"hi\"")), "say \"hi\"\n");
    EXPECT_EQ(printed(QString("")), "\n");
    EXPECT_EQ(printed(true), "1\n");
    EXPECT_EQ(printed(false), "0\n");
    EXPECT_EQ(printed(qint64(42)), "42\n");
    EXPECT_EQ(printed(qint64(-42)), "-42\n");
    EXPECT_EQ(printed(0.1), "0.1\n");
    EXPECT_EQ(printed(2.5), "2.5\n");
    // A 4-byte real from a Mac's file reaches us widened to double; it prints with float digits.
    EXPECT_EQ(printed(double(0.6065307f)), "0.6065307\n");
    EXPECT_EQ(printed(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc())), "2024-01-02 03:04:05 +0000\n");
    EXPECT_EQ(printed(QByteArray("\xde\xad\xbe\xef")), "{length = 4, bytes = 0xdeadbeef}\n");
    QByteArray longData;
    for (int i = 0; i < 32; ++i)
        longData += char(i);
    EXPECT_EQ(printed(longData),
              "{length = 32, bytes = 0x00010203 04050607 08090a0b 0c0d0e0f ... 18191a1b 1c1d1e1f }\n");
}

// A single text prints in the tool's 7-bit form: "Mise \\340 jour" for "Mise à jour" comes from
// a capture on a Mac (docs/defaults.md, "Captured on a Mac"); the \\uxxxx form of other characters and
// the doubled backslash follow the same rule (likeliest form).
TEST_F(Defaults, OutputIsSevenBitWithOctalAndUtf16Escapes)
{
    EXPECT_EQ(printed(QString::fromUtf8("Mise à jour")), "Mise \\340 jour\n");
    EXPECT_EQ(printed(QString("tab\there\nnext")), "tab\there\nnext\n");
    EXPECT_EQ(printed(QString("back\\slash")), "back\\\\slash\n");
    EXPECT_EQ(printed(QString::fromUtf8("\x01\x7f\u00ff\u0100")), "\\001\\177\\377\\u0100\n");
    EXPECT_EQ(printed(QString::fromUtf8("日本")), "\\u65e5\\u672c\n");
    EXPECT_EQ(printed(QString::fromUtf8("😀")), "\\ud83d\\ude00\n");
}

// Inside an array or a dictionary a text is first quoted the way Foundation describes it (each
// character outside ASCII as \U and four lower-case hex digits, '"' as \", a line break as \n),
// then every backslash is doubled by the 7-bit output:
// - "file-label" = "Safari\\U6d4f\\U89c8\\U5668"; and "\\U4e0b\\U8f7d" in `defaults read com.apple.dock`:
//   https://github.com/JamesHopbourn/learn-linux-command/blob/e5d4e87e429ade3cfff13fcdeaac41c4deae652c/plutil%20defaults.md
// - `\\"com.apple.Safari\\" and anchor apple\\n` from `defaults read`: https://github.com/DHowett/go-plist/issues/56
// - "defaults read doubles every backslash": https://github.com/yammerjp/pdef/issues/3
// Latin-1 letters take the same \\U form ("Mise \\U00e0 jour"), and a character beyond 16 bits one
// \\U per UTF-16 unit; a tab as \\t is the likeliest form. Keys follow the same rule, in `read` and `find`.
TEST_F(Defaults, TextsInCollectionsAreEscapedAndThenHaveTheirBackslashesDoubled)
{
    EXPECT_EQ(printed(QStringList{QString::fromUtf8("Mise à jour"), QString::fromUtf8("日本"), QString::fromUtf8("😀"),
                                  "tab\tx", "line\nnext", QString::fromUtf8("Safari浏览器")}),
              "(\n"
              "    \"Mise \\\\U00e0 jour\",\n"
              "    \"\\\\U65e5\\\\U672c\",\n"
              "    \"\\\\Ud83d\\\\Ude00\",\n"
              "    \"tab\\\\tx\",\n"
              "    \"line\\\\nnext\",\n"
              "    \"Safari\\\\U6d4f\\\\U89c8\\\\U5668\"\n"
              ")\n");

    store("com.example.labels", QString::fromUtf8("选择"), QString::fromUtf8("下载"));
    store("com.example.labels", "tile", QVariantMap{{"file-label", QString::fromUtf8("预览")}});
    const Result whole = defaults({"read", "com.example.labels"});
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(whole.out, "{\n"
                         "    tile =     {\n"
                         "        \"file-label\" = \"\\\\U9884\\\\U89c8\";\n"
                         "    };\n"
                         "    \"\\\\U9009\\\\U62e9\" = \"\\\\U4e0b\\\\U8f7d\";\n"
                         "}\n");
    const Result found = defaults({"find", QString::fromUtf8("选择")});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "Found 1 keys in domain 'com.example.labels': {\n"
                         "    \"\\\\U9009\\\\U62e9\" = \"\\\\U4e0b\\\\U8f7d\";\n"
                         "}\n");
    // The text on its own keeps the top-level form.
    EXPECT_EQ(defaults({"read", "com.example.labels", QString::fromUtf8("选择")}).out, "\\u4e0b\\u8f7d\n");
}

// `key =     (` and `key =     {` with the nested collection's own indentation, a dictionary inside an
// array pushed right by its own indentation ("                {"), keys sorted, quoted unless
// letters and digits ("\"_CFURLString\"", "\"file-label\" = Launchpad;"):
// https://github.com/nix-darwin/nix-darwin/issues/1533 and https://github.com/sfsam/Itsycal/issues/231.
TEST_F(Defaults, NestedValuesAndWholeDomainsUseTheMacLayout)
{
    QVariantMap inner{{"q", qint64(1)}};
    store("com.example.nested", "list", QVariantList{"x", QStringList{"y", "z"}, inner});
    store("com.example.nested", "Zoo", QString("last?"));
    store("com.example.nested", "b c", QByteArray("\x01\x02"));
    store("com.example.nested", "empty", QVariantMap{});
    store("com.example.nested", "when", QVariantList{QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc())});

    const Result whole = defaults({"read", "com.example.nested"});
    EXPECT_EQ(whole.status, 0);
    // Keys in code-unit order: upper case before lower case.
    EXPECT_EQ(whole.out,
              "{\n"
              "    Zoo = \"last?\";\n"
              "    \"b c\" = {length = 2, bytes = 0x0102};\n"
              "    empty =     {\n"
              "    };\n"
              "    list =     (\n"
              "        x,\n"
              "                (\n"
              "            y,\n"
              "            z\n"
              "        ),\n"
              "                {\n"
              "            q = 1;\n"
              "        }\n"
              "    );\n"
              "    when =     (\n"
              "        \"2001-01-01 00:00:00 +0000\"\n"
              "    );\n"
              "}\n");

    const Result dict = defaults({"read", "com.example.nested", "empty"});
    EXPECT_EQ(dict.out, "{\n}\n");
}

// ---- How values are written ----

// "defaults write ... true" writes a string: http://www.ss64.com/osx/defaults.html ("Data Types");
// the characters that make a value an old-style list were captured on a Mac (docs/defaults.md).
TEST_F(Defaults, ValuesWithoutListCharactersAreStoredAsPlainText)
{
    const QStringList values{"a, b", "~/x * $HOME", "line1\nline2", "k = v;",
                             "  spaced  ", "", "-5", "it's",
                             "TRUE", "100%", "a\\b", QString::fromUtf8("Mise à jour")};
    for (const QString& value : values) {
        const Result r = defaults({"write", "com.example.text", "key", value});
        EXPECT_EQ(r.status, 0) << value.toStdString() << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
        const QVariant back = stored("com.example.text", "key");
        EXPECT_EQ(back.typeId(), QMetaType::QString) << value.toStdString();
        EXPECT_EQ(back.toString(), value);
    }
}

// '(255, 0, 0)' is an array of three texts: the man page's write example, quoted in
// https://github.com/nix-darwin/nix-darwin/pull/897; the old-style syntax beyond that follows Apple's
// property-list documentation (comments, escapes, <hex> data).
TEST_F(Defaults, ValuesWithListCharactersAreParsedAsOldStylePropertyLists)
{
    struct Case {
        QString text;
        QVariant expected;
    };
    const std::vector<Case> cases{
        {"(en,de,fr)", QVariantList{"en", "de", "fr"}},
        {"(en, de)", QVariantList{"en", "de"}},
        {" (\n\ten ,\n  de ,\n) ", QVariantList{"en", "de"}},
        {"()", QVariantList{}},
        {"(zh-Hans, en_US, com.apple.Safari, /usr/bin:x$y)",
         QVariantList{"zh-Hans", "en_US", "com.apple.Safari", "/usr/bin:x$y"}},
        {R"(("Google Chrome", 'single', "q\"x\\y\n", "\U00e9\u65e5", "\101\102"))",
         QVariantList{"Google Chrome", "single", "q\"x\\y\n", QString::fromUtf8("é日"), "AB"}},
        {"(a, (b, c), /* note */ d // end\n)", QVariantList{"a", QVariantList{"b", "c"}, "d"}},
        {R"({ lang = en; "list key" = (a, b); nested = { x = "1 2"; }; })",
         QVariantMap{{"lang", "en"}, {"list key", QVariantList{"a", "b"}}, {"nested", QVariantMap{{"x", "1 2"}}}}},
        {"\"just text\"", QString("just text")},
        {"<0fbd 77>", QByteArray("\x0f\xbd\x77")},
    };
    for (const Case& c : cases) {
        const Result r = defaults({"write", "com.example.parse", "key", c.text});
        EXPECT_EQ(r.status, 0) << c.text.toStdString() << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(stored("com.example.parse", "key"), c.expected) << c.text.toStdString();
    }
}

TEST_F(Defaults, UnparsableValueIsRefusedAndWritesNothing)
{
    ASSERT_EQ(defaults({"write", "com.example.bad", "key", "before"}).status, 0);
    const QByteArray before = fileBytes(plistPath("com.example.bad"));
    for (const QString text : {"(en,de", "(en de)", "(,)", "[a]", "{a = b}", "a\"b", "(\"open)", "<abc>", "(a) b"}) {
        const Result r = defaults({"write", "com.example.bad", "key", text});
        EXPECT_EQ(r.status, 1) << text.toStdString();
        EXPECT_EQ(r.out, "");
        // "Could not parse: [].  Try single-quoting it." on stderr, status 1, nothing on stdout:
        // https://github.com/microsoft/macos-cookbook/issues/239
        EXPECT_EQ(r.log, "Could not parse: " + text.toStdString() + ".  Try single-quoting it.\n");
    }
    EXPECT_EQ(fileBytes(plistPath("com.example.bad")), before);

    EXPECT_EQ(defaults({"write", "com.example.never", "key", "(en,de"}).status, 1);
    EXPECT_FALSE(QFile::exists(plistPath("com.example.never")));
}

// -array and -array-add as the man page has them (https://github.com/fish-shell/fish-shell/pull/3478):
// -array replaces, -array-add appends or creates; items are value_reps, as in
// `-array-add '{"tile-type"="spacer-tile";}'` (https://github.com/msanders/cider/issues/51).
TEST_F(Defaults, ArrayOptionsStoreOneItemPerArgument)
{
    const QString domain = "com.example.array";
    ASSERT_EQ(defaults({"write", domain, "keep", "k"}).status, 0);
    // Each item is read like a plain value: text, or an old-style list when it has list characters.
    const Result write = defaults({"write", domain, "list", "-array", "en", "Google Chrome", "(a, b)", "", "-5"});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out + write.err, "");
    EXPECT_EQ(stored(domain, "list"), QVariant(QVariantList{"en", "Google Chrome", QVariantList{"a", "b"}, "", "-5"}));

    // -array replaces whatever was there; with no items it stores an empty array.
    ASSERT_EQ(defaults({"write", domain, "list", "-array", "x"}).status, 0);
    EXPECT_EQ(stored(domain, "list"), QVariant(QVariantList{"x"}));
    ASSERT_EQ(defaults({"write", domain, "keep", "-array"}).status, 0);
    EXPECT_EQ(stored(domain, "keep"), QVariant(QVariantList{}));

    // -array-add appends to an array, or makes one.
    ASSERT_EQ(defaults({"write", domain, "list", "-array-add", "y", "{ z = 1; }"}).status, 0);
    EXPECT_EQ(stored(domain, "list"), QVariant(QVariantList{"x", "y", QVariantMap{{"z", "1"}}}));
    ASSERT_EQ(defaults({"write", domain, "fresh", "-array-add", "one"}).status, 0);
    EXPECT_EQ(stored(domain, "fresh"), QVariant(QVariantList{"one"}));
    EXPECT_EQ(defaults({"read", domain, "fresh"}).out, "(\n    one\n)\n");

    // Nothing changes when an item does not parse or the value is not an array.
    ASSERT_EQ(defaults({"write", domain, "text", "t"}).status, 0);
    const QByteArray before = fileBytes(plistPath(domain));
    const Result bad = defaults({"write", domain, "list", "-array", "ok", "(open"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.log, "Could not parse: (open.  Try single-quoting it.\n");
    EXPECT_EQ(defaults({"write", domain, "list", "-array-add", "ok", "(open"}).status, 1);
    const Result notArray = defaults({"write", domain, "text", "-array-add", "u"});
    EXPECT_EQ(notArray.status, 1);
    // No transcript found: the likeliest wording, in the style of "Unexpected argument ...; leaving defaults unchanged."
    EXPECT_EQ(notArray.log, "Value for key text is not an array; cannot append.  Leaving defaults unchanged.\n");
    EXPECT_EQ(fileBytes(plistPath(domain)), before);
}

// The layout is the sourced one above (Itsycal#231); the size is the stand-in's own concern.
TEST_F(Defaults, AListOfAHundredThousandItemsIsWrittenAndReadWhole)
{
    QStringList args{"write", "-g", "AppleLanguages", "-array"};
    std::string expected = "(\n";
    for (int i = 0; i < 100000; ++i) {
        args << "l" + QString::number(i);
        expected += "    l" + std::to_string(i) + (i + 1 < 100000 ? ",\n" : "\n");
    }
    expected += ")\n";
    const Result write = defaults(args);
    ASSERT_EQ(write.status, 0) << write.err;
    const Result read = defaults({"read", "-g", "AppleLanguages"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_TRUE(read.out == expected) << read.out.size() << " bytes printed, " << expected.size() << " expected";
    EXPECT_EQ(stored(".GlobalPreferences", "AppleLanguages").toList().size(), 100000);

    ASSERT_EQ(defaults({"write", "-g", "AppleLanguages", "-array-add", "last"}).status, 0);
    const QVariantList all = stored(".GlobalPreferences", "AppleLanguages").toList();
    ASSERT_EQ(all.size(), 100001);
    EXPECT_EQ(all.value(99999), QVariant("l99999"));
    EXPECT_EQ(all.value(100000), QVariant("last"));
}

// "-bool[ean] ... Value must be TRUE, FALSE, YES, or NO" (man page, quoted in
// https://github.com/fish-shell/fish-shell/pull/3478); read back as 1 and 0:
// https://github.com/msanders/cider/issues/28. Mixed letter case was captured on a Mac (docs/defaults.md).
TEST_F(Defaults, BooleanOptionStoresBooleans)
{
    struct Case {
        QString option, value;
        bool expected;
    };
    for (const Case& c : {Case{"-boolean", "TRUE", true}, Case{"-bool", "yes", true}, Case{"-bool", "tRuE", true},
                          Case{"-bool", "No", false}, Case{"-boolean", "FALSE", false}}) {
        const Result w = defaults({"write", "com.example.bool", "flag", c.option, c.value});
        EXPECT_EQ(w.status, 0) << w.err;
        EXPECT_EQ(w.out + w.err, "");
        const QVariant back = stored("com.example.bool", "flag");
        EXPECT_EQ(back.typeId(), QMetaType::Bool) << c.value.toStdString();
        EXPECT_EQ(back.toBool(), c.expected) << c.value.toStdString();
        EXPECT_EQ(defaults({"read", "com.example.bool", "flag"}).out, c.expected ? "1\n" : "0\n");
    }

    // Without the option the same word is just text.
    ASSERT_EQ(defaults({"write", "com.example.bool", "word", "TRUE"}).status, 0);
    EXPECT_EQ(stored("com.example.bool", "word"), QVariant(QString("TRUE")));
    EXPECT_EQ(defaults({"read", "com.example.bool", "word"}).out, "TRUE\n");
}

// ---- Missing things and domain names ----

TEST_F(Defaults, MissingDomainsAndKeysAreReportedWithStatus1)
{
    const Result noDomain = defaults({"read", "com.example.none"});
    EXPECT_EQ(noDomain.status, 1);
    EXPECT_EQ(noDomain.out, "");
    // NSLog, then "\nDomain com.dteoh.SlowQuitApps does not exist": https://github.com/dteoh/SlowQuitApps/issues/76
    EXPECT_EQ(noDomain.log, "\nDomain com.example.none does not exist\n");

    const Result noPairInMissingDomain = defaults({"read", "com.example.none", "key"});
    EXPECT_EQ(noPairInMissingDomain.status, 1);
    EXPECT_EQ(noPairInMissingDomain.out, "");
    // "\nThe domain/default pair of (com.apple.NetworkBrowser, DisableAirDrop) does not exist":
    // https://github.com/rgcr/m-cli/issues/163 (the domain there had no such key either)
    EXPECT_EQ(noPairInMissingDomain.log, "\nThe domain/default pair of (com.example.none, key) does not exist\n");

    ASSERT_EQ(defaults({"write", "com.example.some", "present", "1"}).status, 0);
    const Result noKey = defaults({"read", "com.example.some", "absent"});
    EXPECT_EQ(noKey.status, 1);
    EXPECT_EQ(noKey.out, "");
    // https://github.com/lwouis/alt-tab-macos/issues/4363
    EXPECT_EQ(noKey.log, "\nThe domain/default pair of (com.example.some, absent) does not exist\n");

    const Result deleteNoKey = defaults({"delete", "com.example.some", "absent"});
    EXPECT_EQ(deleteNoKey.status, 1);
    // Likeliest form: no transcript of a delete of a missing key was found; read's message is taken.
    EXPECT_EQ(deleteNoKey.log, "\nThe domain/default pair of (com.example.some, absent) does not exist\n");
    const Result deleteNoDomain = defaults({"delete", "com.example.none"});
    EXPECT_EQ(deleteNoDomain.status, 1);
    // "Domain (/Library/Preferences/com.apple.windowserver) not found.":
    // https://github.com/syscl/Enable-HiDPI-OSX/issues/2; "Defaults have not been changed." follows it in
    // https://github.com/adrw/.files/issues/65
    EXPECT_EQ(deleteNoDomain.log, "\nDomain (com.example.none) not found.\nDefaults have not been changed.\n");
    EXPECT_FALSE(QFile::exists(plistPath("com.example.none")));
}

// "delete <domain>  deletes domain", "delete <domain> <key>  deletes key in domain": the usage text,
// https://github.com/withfig/autocomplete/blob/master/src/defaults.ts. Silence on success is the likeliest form.
TEST_F(Defaults, DeleteRemovesAKeyOrAWholeDomain)
{
    ASSERT_EQ(defaults({"write", "com.example.del", "keep", "k"}).status, 0);
    ASSERT_EQ(defaults({"write", "com.example.del", "drop", "d"}).status, 0);

    const Result key = defaults({"delete", "com.example.del", "drop"});
    EXPECT_EQ(key.status, 0);
    EXPECT_EQ(key.out + key.err, "");
    EXPECT_EQ(defaults({"read", "com.example.del"}).out, "{\n    keep = k;\n}\n");

    const Result domain = defaults({"delete", "com.example.del"});
    EXPECT_EQ(domain.status, 0);
    EXPECT_FALSE(QFile::exists(plistPath("com.example.del")));
    EXPECT_EQ(defaults({"read", "com.example.del"}).status, 1);
}

// "-g | -globalDomain | NSGlobalDomain" (man page, https://github.com/fish-shell/fish-shell/pull/3478);
// .GlobalPreferences reads the same: https://github.com/herrbischoff/awesome-macos-command-line/pull/128.
TEST_F(Defaults, GlobalDomainHasThreeNamesAndOneFile)
{
    ASSERT_EQ(defaults({"write", "-g", "AppleLanguages", "(de, en)"}).status, 0);
    ASSERT_EQ(defaults({"write", "NSGlobalDomain", "AppleLocale", "de_DE"}).status, 0);
    for (const QString name : {"-g", "NSGlobalDomain", ".GlobalPreferences"}) {
        EXPECT_EQ(defaults({"read", name, "AppleLanguages"}).out, "(\n    de,\n    en\n)\n");
        EXPECT_EQ(defaults({"read", name, "AppleLocale"}).out, "de_DE\n");
    }
    EXPECT_TRUE(QFile::exists(plistPath(".GlobalPreferences")));
    EXPECT_FALSE(QFile::exists(plistPath("NSGlobalDomain")));
    EXPECT_FALSE(QFile::exists(plistPath("-g")));
    // "(kCFPreferencesAnyApplication, AppleInterfaceStyle) does not exist" for `defaults read -g ...`:
    // https://github.com/stephancasas/alfred-mouseless-messenger/issues/14
    EXPECT_EQ(defaults({"read", "-g", "missing"}).log,
              "\nThe domain/default pair of (kCFPreferencesAnyApplication, missing) does not exist\n");
}

// ---- The files ----
// Where and how the files are kept is the stand-in's own (Macs keep preferences in binary files,
// docs/defaults.md, "Captured on a Mac"); the printouts follow the sourced layout above.

TEST_F(Defaults, ReadsXmlFilesAndWritesBinaryOnes)
{
    writeFile(plistPath("com.example.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
              "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
              "<plist version=\"1.0\">\n<dict>\n"
              "\t<key>AppleLanguages</key>\n\t<array>\n\t\t<string>fr-CA</string>\n\t\t<string>en</string>\n"
              "\t</array>\n\t<key>Enabled</key>\n\t<true/>\n\t<key>Count</key>\n\t<integer>3</integer>\n"
              "</dict>\n</plist>\n");
    EXPECT_EQ(defaults({"read", "com.example.xml", "AppleLanguages"}).out, "(\n    \"fr-CA\",\n    en\n)\n");
    EXPECT_EQ(defaults({"read", "com.example.xml", "Enabled"}).out, "1\n");

    ASSERT_EQ(defaults({"write", "com.example.xml", "Added", "yes"}).status, 0);
    EXPECT_TRUE(fileBytes(plistPath("com.example.xml")).startsWith("bplist00"));
    EXPECT_EQ(defaults({"read", "com.example.xml"}).out,
              "{\n    Added = yes;\n    AppleLanguages =     (\n        \"fr-CA\",\n        en\n    );\n"
              "    Count = 3;\n    Enabled = 1;\n}\n");
}

TEST_F(Defaults, UnparsableFilesAreReportedAndNeverOverwritten)
{
    const std::vector<QByteArray> contents{
        "this is not a property list",
        "",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>a</string></array></plist>",
        QByteArray("bplist00\x01\x02\x03", 11),
    };
    for (const QByteArray& content : contents) {
        const QString path = plistPath("com.example.broken");
        writeFile(path, content);

        const Result write = defaults({"write", "com.example.broken", "key", "value"});
        EXPECT_EQ(write.status, 1) << content.toStdString();
        EXPECT_EQ(write.out, "");
        EXPECT_NE(write.err, "");
        const Result del = defaults({"delete", "com.example.broken", "key"});
        EXPECT_EQ(del.status, 1);
        const Result read = defaults({"read", "com.example.broken", "key"});
        EXPECT_EQ(read.status, 1);
        EXPECT_EQ(read.out, "");
        EXPECT_NE(read.err, "");
        EXPECT_EQ(plist_store::writeKey(path.toStdString(), "key", plist_new_string("value")),
                  plist_store::WriteStatus::Unparsable);
        EXPECT_EQ(plist_store::load(path.toStdString()).status, plist_store::LoadStatus::Unparsable);

        EXPECT_EQ(fileBytes(path), content);
    }
}

TEST_F(Defaults, WritingCreatesTheMissingPreferencesFolder)
{
    ASSERT_TRUE(QDir(home_.path("Library")).removeRecursively());
    const Result r = defaults({"write", "org.quorrel.Quorrel", "PreferredLocales", "(en, de)"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(stored("org.quorrel.Quorrel", "PreferredLocales"), QVariant(QVariantList{"en", "de"}));
}

// ---- Several processes at once ----
// cfprefsd serialises writers on a Mac (docs/defaults.md, "Captured on a Mac"); here a lock does.

std::vector<std::unique_ptr<QProcess>> startWriters(const QString& domain, const QStringList& prefixes, int perPrefix)
{
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < perPrefix; ++i) {
        for (const QString& prefix : prefixes) {
            auto process = std::make_unique<QProcess>();
            process->start(defaultsUnderTest(),
                           {"write", domain, prefix + QString::number(i), "value " + prefix + QString::number(i)});
            writers.push_back(std::move(process));
        }
    }
    return writers;
}

// A large value makes each write's read-modify-write slow enough that the writers truly overlap.
const QByteArray kBallast(1 << 20, 'x');

TEST_F(Defaults, ParallelWritersOfDifferentKeysLoseNothing)
{
    const QString domain = "com.example.parallel";
    store(domain, "ballast", kBallast);
    auto writers = startWriters(domain, {"a", "b"}, 50);
    for (auto& writer : writers) {
        const Result r = finish(*writer);
        EXPECT_EQ(r.status, 0) << r.err;
    }

    const auto loaded = plist_store::load(plistPath(domain).toStdString());
    ASSERT_EQ(loaded.status, plist_store::LoadStatus::Ok);
    const QVariantMap all = plist_variant::toVariant(loaded.dict.get()).toMap();
    EXPECT_EQ(all.size(), 101);
    for (const QString prefix : {"a", "b"}) {
        for (int i = 0; i < 50; ++i) {
            const QString key = prefix + QString::number(i);
            EXPECT_EQ(all.value(key).toString(), "value " + key);
        }
    }
    // Temporary files were all renamed into place; only the file and its hidden lock remain.
    EXPECT_EQ(QDir(home_.path("Library/Preferences")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"." + domain + ".plist.lock", domain + ".plist"}));
}

TEST_F(Defaults, ReaderDuringWritesAlwaysSeesAWholeFile)
{
    const QString domain = "com.example.reader";
    store(domain, "ballast", kBallast);
    const std::string path = plistPath(domain).toStdString();

    std::atomic<bool> stop{false};
    std::atomic<int> reads{0}, broken{0}, shrank{0};
    std::thread reader([&] {
        uint32_t seen = 0;
        while (!stop) {
            const auto loaded = plist_store::load(path);
            if (loaded.status != plist_store::LoadStatus::Ok) {
                ++broken;
            } else {
                const uint32_t size = plist_dict_get_size(loaded.dict.get());
                if (size < seen)
                    ++shrank;
                seen = size;
            }
            ++reads;
        }
    });

    auto writers = startWriters(domain, {"k"}, 60);
    for (auto& writer : writers)
        EXPECT_EQ(finish(*writer).status, 0);
    // At least one more read after the last write, so the reader surely overlapped the writes' end.
    const int readsAtEnd = reads;
    while (reads < readsAtEnd + 2)
        std::this_thread::yield();
    stop = true;
    reader.join();

    EXPECT_EQ(broken, 0);
    EXPECT_EQ(shrank, 0);
    const auto last = plist_store::load(path);
    ASSERT_EQ(last.status, plist_store::LoadStatus::Ok);
    EXPECT_EQ(plist_dict_get_size(last.dict.get()), 61u);
    EXPECT_GT(reads, 2);
}

// ---- Conversions for the program's own defaults ----
// The store in-process, as the program uses it: no output of Apple's tool is involved.

TEST_F(Defaults, VariantsSurviveAStoreRoundTrip)
{
    const QDateTime when(QDate(2023, 6, 7), QTime(8, 9, 10, 250), QTimeZone::utc());
    const QDateTime before2001(QDate(1999, 12, 31), QTime(23, 59, 58, 500), QTimeZone::utc());
    const QVariantMap nested{{"locales", QStringList{"en", "zh-Hant-TW"}},
                             {"inner", QVariantMap{{"on", true}, {"list", QVariantList{qint64(1), "two", 3.5}}}}};
    store("org.quorrel.Quorrel", "strings", QStringList{"en", QString::fromUtf8("日本語"), QString::fromUtf8("😀"), ""});
    store("org.quorrel.Quorrel", "flag", true);
    store("org.quorrel.Quorrel", "int", int(-3));
    store("org.quorrel.Quorrel", "big", qint64(1) << 40);
    store("org.quorrel.Quorrel", "real", 0.1);
    store("org.quorrel.Quorrel", "bytes", QByteArray("\0\xff", 2));
    store("org.quorrel.Quorrel", "when", when);
    store("org.quorrel.Quorrel", "before2001", before2001);
    store("org.quorrel.Quorrel", "nested", nested);

    EXPECT_EQ(stored("org.quorrel.Quorrel", "strings").toStringList(),
              QStringList({"en", QString::fromUtf8("日本語"), QString::fromUtf8("😀"), ""}));
    const QVariant flag = stored("org.quorrel.Quorrel", "flag");
    EXPECT_EQ(flag.typeId(), QMetaType::Bool);
    EXPECT_TRUE(flag.toBool());
    EXPECT_EQ(stored("org.quorrel.Quorrel", "int"), QVariant(qint64(-3)));
    EXPECT_EQ(stored("org.quorrel.Quorrel", "big"), QVariant(qint64(1) << 40));
    EXPECT_EQ(stored("org.quorrel.Quorrel", "real"), QVariant(0.1));
    EXPECT_EQ(stored("org.quorrel.Quorrel", "bytes"), QVariant(QByteArray("\0\xff", 2)));
    EXPECT_EQ(stored("org.quorrel.Quorrel", "when").toDateTime(), when);
    EXPECT_EQ(stored("org.quorrel.Quorrel", "before2001").toDateTime(), before2001);
    // Also straight from memory, without the file in between.
    plist_store::PlistPtr node(plist_variant::fromVariant(before2001));
    EXPECT_EQ(plist_variant::toVariant(node.get()).toDateTime(), before2001);

    const QVariantMap back = stored("org.quorrel.Quorrel", "nested").toMap();
    EXPECT_EQ(back.value("locales").toStringList(), QStringList({"en", "zh-Hant-TW"}));
    const QVariantMap inner = back.value("inner").toMap();
    EXPECT_EQ(inner.value("on"), QVariant(true));
    EXPECT_EQ(inner.value("list").toList(), QVariantList({qint64(1), "two", 3.5}));
}

TEST_F(Defaults, ValuesWithoutAPropertyListFormAreRefused)
{
    EXPECT_EQ(plist_variant::fromVariant(QVariant()), nullptr);
    EXPECT_EQ(plist_variant::fromVariant(QPoint(1, 2)), nullptr);
    EXPECT_EQ(plist_variant::fromVariant(QVariantList{"ok", QPoint(1, 2)}), nullptr);
    EXPECT_EQ(plist_variant::fromVariant(QVariantMap{{"bad", QVariant()}}), nullptr);
    EXPECT_EQ(plist_variant::fromVariant(QVariant::fromValue(~quint64(0))), nullptr);
    EXPECT_FALSE(plist_variant::toVariant(nullptr).isValid());
}

} // namespace
