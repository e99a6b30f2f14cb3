// The verbs and value forms of `defaults` that the Mac's tool has, against transcripts of the real
// tool. Each expectation names its source; those marked "likeliest form" rest on no transcript and
// are listed in docs/defaults.md.
#include "DomainFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// `defaults help`, line for line as the Mac's tool prints it: the usage comment of
// https://github.com/withfig/autocomplete/blob/master/src/defaults.ts (macOS), whose blank lines
// and spacing match a captured run of Apple's tool on Windows ("Usage (stdout)", without
// import/export): https://github.com/strontic/strontic.github.io/blob/master/xcyclopedia/library/defaults.exe-0819315FB22BB3822910C04A98C5DF3C.md
const std::string kUsage =
    "Command line interface to a user's defaults.\n"
    "Syntax:\n"
    "\n"
    "'defaults' [-currentHost | -host <hostname>] followed by one of the following:\n"
    "\n"
    "  read                                 shows all defaults\n"
    "  read <domain>                        shows defaults for given domain\n"
    "  read <domain> <key>                  shows defaults for given domain, key\n"
    "\n"
    "  read-type <domain> <key>             shows the type for the given domain, key\n"
    "\n"
    "  write <domain> <domain_rep>          writes domain (overwrites existing)\n"
    "  write <domain> <key> <value>         writes key for domain\n"
    "\n"
    "  rename <domain> <old_key> <new_key>  renames old_key to new_key\n"
    "\n"
    "  delete <domain>                      deletes domain\n"
    "  delete <domain> <key>                deletes key in domain\n"
    "\n"
    "  import <domain> <path to plist>      writes the plist at path to domain\n"
    "  import <domain> -                    writes a plist from stdin to domain\n"
    "  export <domain> <path to plist>      saves domain as a binary plist to path\n"
    "  export <domain> -                    writes domain as an xml plist to stdout\n"
    "  domains                              lists all domains\n"
    "  find <word>                          lists all entries containing word\n"
    "  help                                 print this help\n"
    "\n"
    "<domain> is ( <domain_name> | -app <application_name> | -globalDomain )\n"
    "         or a path to a file omitting the '.plist' extension\n"
    "\n"
    "<value> is one of:\n"
    "  <value_rep>\n"
    "  -string <string_value>\n"
    "  -data <hex_digits>\n"
    "  -int[eger] <integer_value>\n"
    "  -float  <floating-point_value>\n"
    "  -bool[ean] (true | false | yes | no)\n"
    "  -date <date_rep>\n"
    "  -array <value1> <value2> ...\n"
    "  -array-add <value1> <value2> ...\n"
    "  -dict <key1> <value1> <key2> <value2> ...\n"
    "  -dict-add <key1> <value1> ...\n";

using Commands = DomainFiles;

TEST_F(Commands, MisuseShowsTheUsageWithStatus255)
{
    struct Case {
        QStringList args;
        const char* source;
    };
    const std::vector<Case> cases{
        {{}, "likeliest form"},
        {{"frobnicate", "com.example.usage"}, "likeliest form"},
        {{"read", ""}, "likeliest form: no domain has an empty name"},
        {{"delete"}, "likeliest form"},
        {{"read", "com.example.usage", "k", "extra"}, "likeliest form"},
        {{"read-type", "com.example.usage"}, "likeliest form"},
        {{"rename", "com.example.usage", "old"}, "likeliest form"},
        {{"read-type", "com.example.usage", "k", "extra"}, "likeliest form"},
        {{"rename", "com.example.usage", "old", "new", "extra"}, "likeliest form"},
        {{"delete", "com.example.usage", "k", "extra"}, "likeliest form"},
        {{"write", "com.example.usage"}, "likeliest form"},
        {{"export", "com.example.usage"}, "likeliest form"},
        {{"import", "com.example.usage", "/tmp/a.plist", "extra"}, "likeliest form"},
        {{"domains", "extra"}, "likeliest form"},
        {{"find"}, "likeliest form"},
        {{"import", "com.example.usage"}, "likeliest form"},
        // Captured on a Mac (docs/defaults.md): any other boolean value gives the usage and 255.
        {{"write", "com.example.usage", "flag", "-bool", "maybe"}, "platform notes"},
        {{"write", "com.example.usage", "flag", "-boolean", "1"}, "platform notes"},
        {{"write", "com.example.usage", "flag", "-bool"}, "likeliest form"},
        // `-date "$(date +%s)"` printed the usage: https://github.com/homebysix/auto-update-magic/issues/27
        {{"write", "com.example.usage", "when", "-date", "1466415856"}, "auto-update-magic#27"},
        {{"write", "com.example.usage", "bytes", "-data", "0fb"}, "likeliest form, as for -bool and -date"},
        {{"write", "com.example.usage", "bytes", "-data", "zz"}, "likeliest form, as for -bool and -date"},
        {{"write", "com.example.usage", "n", "-int"}, "likeliest form"},
        {{"write", "com.example.usage", "d", "-dict", "k", "-int"}, "likeliest form"},
        // Not offered (the sandbox is one machine): -host is taken for an unknown verb.
        {{"-host", "other", "read", "com.example.usage"}, "not offered, docs/defaults.md"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString() + " (" + c.source + ")");
        const Result r = defaults(c.args);
        EXPECT_EQ(r.status, 255);
        EXPECT_EQ(r.out, kUsage);
        EXPECT_EQ(r.err, "");
    }
    EXPECT_FALSE(QFile::exists(plistPath("com.example.usage")));

    // help asks for the same text; that it succeeds is the likeliest form.
    const Result help = defaults({"help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, kUsage);
}

TEST_F(Commands, MessagesAreTheMacsAfterNSLogsPrefix)
{
    ASSERT_EQ(defaults({"write", "com.example.msg", "text", "t"}).status, 0);
    struct Case {
        QStringList args;
        std::string log;
        const char* source;
    };
    const std::vector<Case> cases{
        // A write without a value takes the key for a whole domain: "a valueless `defaults write`
        // ... fails with "Rep argument is not a dictionary"", quoted in the README of a tool that
        // emits defaults commands (see docs/defaults.md); the lines around it are the likeliest form.
        {{"write", "com.example.msg", "flag"},
         "\nRep argument is not a dictionary\nDefaults have not been changed.\n",
         "README quote, likeliest form"},
        {{"write", "com.example.msg", "(a, b)"},
         "\nRep argument is not a dictionary\nDefaults have not been changed.\n",
         "likeliest form"},
        {{"write", "com.example.msg", "{ a = b"}, "Could not parse: { a = b.  Try single-quoting it.\n", "https://github.com/microsoft/macos-cookbook/issues/239"},
        // "Unexpected argument /System/Library/CoreServices/Menu Extras/Volume.menu; leaving defaults
        // unchanged." after a plain value: https://github.com/mathiasbynens/dotfiles/pull/778
        {{"write", "com.example.msg", "k", "v", "extra", "more"},
         "Unexpected argument extra; leaving defaults unchanged.\n",
         "dotfiles#778"},
        // "Unexpected argument -array; leaving defaults unchanged.": https://github.com/mathiasbynens/dotfiles/issues/320
        {{"write", "com.example.msg", "k", "v", "-array", "x"},
         "Unexpected argument -array; leaving defaults unchanged.\n",
         "dotfiles#320"},
        {{"write", "com.example.msg", "k", "-int", "5", "6"}, "Unexpected argument 6; leaving defaults unchanged.\n", "likeliest form: as after a plain value"},
        // `-dict "Enabled 0"`: "Key Enabled 0 lacks a corresponding value", status 1:
        // https://github.com/boxen/puppet-boxen/issues/96
        {{"write", "com.example.msg", "NAT", "-dict", "Enabled 0"}, "Key Enabled 0 lacks a corresponding value\n", "puppet-boxen#96"},
        {{"write", "com.example.msg", "text", "-dict-add", "a", "b"},
         "Value for key text is not a dictionary; cannot append.  Leaving defaults unchanged.\n",
         "likeliest form"},
        {{"read-type", "com.example.msg", "absent"},
         "\nThe domain/default pair of (com.example.msg, absent) does not exist\n",
         "likeliest form: read's message"},
        {{"rename", "com.example.msg", "absent", "other"},
         "\nThe domain/default pair of (com.example.msg, absent) does not exist\n",
         "likeliest form: read's message"},
        {{"rename", "com.example.none", "a", "b"},
         "\nThe domain/default pair of (com.example.none, a) does not exist\n",
         "likeliest form: read's message"},
        {{"export", "com.example.none", "-"}, "\nDomain com.example.none does not exist\n", "likeliest form: read's message"},
        {{"read", "-app", "NoSuchApp"}, "Couldn't find an application named \"NoSuchApp\"; defaults unchanged\n", "likeliest form"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString() + " (" + c.source + ")");
        const Result r = defaults(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.log, c.log);
    }
    EXPECT_EQ(defaults({"read", "com.example.msg"}).out, "{\n    text = t;\n}\n");
}

TEST_F(Commands, ErrorsComeWithNSLogsTimeAndProcess)
{
    // "2021-10-14 12:55:14.087 defaults[26159:131114] Could not parse: [].  Try single-quoting it.":
    // https://github.com/microsoft/macos-cookbook/issues/239; the pair message starts on the next
    // line, after "defaults[65397:6990884] ": https://github.com/stephancasas/alfred-mouseless-messenger/issues/14
    const Result parse = defaults({"write", "com.example.log", "k", "-array", "[]"});
    EXPECT_EQ(parse.status, 1);
    EXPECT_TRUE(QString::fromStdString(parse.err)
                    .contains(QRegularExpression(QStringLiteral(
                        "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} defaults\\[\\d+:\\d+\\] Could not parse: "
                        "\\[\\]\\.  Try single-quoting it\\.\\n$"))))
        << parse.err;
    const Result pair = defaults({"read", "-g", "AppleInterfaceStyle"});
    EXPECT_TRUE(QString::fromStdString(pair.err).contains(QRegularExpression(QStringLiteral(
        "^\\S+ \\S+ defaults\\[\\d+:\\d+\\] \\nThe domain/default pair of \\(kCFPreferencesAnyApplication, "
        "AppleInterfaceStyle\\) does not exist\\n$"))))
        << pair.err;
}

// ---- Value forms ----

TEST_F(Commands, TypeOptionsStoreTheirTypes)
{
    struct Case {
        QStringList value;
        std::string printed; // `defaults read DOMAIN k`
        std::string type;    // `defaults read-type DOMAIN k`
        const char* source;
    };
    // read-type's "Type is ..." line: "Type is boolean", "Type is string" and "Type is integer" for
    // keys of com.apple.dock in
    // https://github.com/JamesHopbourn/learn-linux-command/blob/e5d4e87e429ade3cfff13fcdeaac41c4deae652c/plutil%20defaults.md;
    // for data, float, date, array and dictionary the same line with the type names of the man page
    // (https://www.oreilly.com/library/view/mac-os-x/0596003706/re195.html) is the likeliest form.
    const std::vector<Case> cases{
        {{"-string", "(not a list)"}, "(not a list)\n", "string", "man page: -string takes the text as it is"},
        {{"-string", "TRUE"}, "TRUE\n", "string", "man page"},
        {{"-int", "49"}, "49\n", "integer", "https://github.com/mattly/bork/issues/36 (key = 49)"},
        {{"-integer", "-7"}, "-7\n", "integer", "likeliest form"},
        {{"-int", "12abc"}, "12\n", "integer", "likeliest form: NSString's longLongValue"},
        {{"-int", "abc"}, "0\n", "integer", "likeliest form: NSString's longLongValue"},
        {{"-float", "1.3"}, "1.3\n", "float", "https://github.com/asmvik/krp/issues/1 (the value stored is still 1.3)"},
        {{"-float", "0"}, "0\n", "float", "https://github.com/nix-darwin/nix-darwin/issues/1533 (\"autohide-delay\" = 0)"},
        {{"-float", "2.5e3x"}, "2500\n", "float", "likeliest form: NSString's doubleValue"},
        {{"-bool", "YES"}, "1\n", "boolean", "https://github.com/sfsam/Itsycal/issues/231"},
        {{"-boolean", "no"}, "0\n", "boolean", "platform notes"},
        {{"-date", "2023-10-11 01:47:04 +0000"}, "2023-10-11 01:47:04 +0000\n", "date", "printed form: https://github.com/sfsam/Itsycal/issues/231"},
        // `date +"%Y-%m-%d %l:%M:%S +0000"` (a space-padded hour) is taken:
        // https://github.com/homebysix/auto-update-magic/issues/27
        {{"-date", "2016-06-20  9:37:36 +0000"}, "2016-06-20 09:37:36 +0000\n", "date", "auto-update-magic#27"},
        {{"-date", "2024-01-02 03:04:05 +0100"}, "2024-01-02 02:04:05 +0000\n", "date", "likeliest form"},
        {{"-date", "2024-01-02T03:04:05Z"}, "2024-01-02 03:04:05 +0000\n", "date", "likeliest form"},
        {{"-data", "0fbd77"}, "{length = 3, bytes = 0x0fbd77}\n", "data", "likeliest form of short data"},
        {{"-array", "a", "b c"}, "(\n    a,\n    \"b c\"\n)\n", "array", "Itsycal#231 layout"},
        // -dict with typed values: `-dict key -int 49 mod -int 1048576 string Space`:
        // https://github.com/mattly/bork/issues/36 (read back as key = 49; ... string = Space;)
        {{"-dict", "key", "-int", "49", "mod", "-int", "524288", "string", "Space"},
         "{\n    key = 49;\n    mod = 524288;\n    string = Space;\n}\n",
         "dictionary",
         "bork#36"},
        {{"-dict"}, "{\n}\n", "dictionary", "likeliest form"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.join(' ').toStdString() + " (" + c.source + ")");
        const Result w = defaults(QStringList{"write", "com.example.types", "k"} + c.value);
        EXPECT_EQ(w.status, 0) << w.err;
        EXPECT_EQ(w.out + w.err, "");
        EXPECT_EQ(defaults({"read", "com.example.types", "k"}).out, c.printed);
        const Result type = defaults({"read-type", "com.example.types", "k"});
        EXPECT_EQ(type.status, 0);
        EXPECT_EQ(type.out, "Type is " + c.type + "\n");
    }
}

TEST_F(Commands, RealsInCollectionsAreQuotedAndIntegersAreNot)
{
    // `lastShowIndicatorTime = "771614090.954601";` and `"autohide-delay" = 0;` in one domain:
    // https://github.com/nix-darwin/nix-darwin/issues/1533
    ASSERT_EQ(defaults({"write", "com.example.reals", "lastShowIndicatorTime", "-float", "771614090.954601"}).status, 0);
    ASSERT_EQ(defaults({"write", "com.example.reals", "autohide-delay", "-float", "0"}).status, 0);
    ASSERT_EQ(defaults({"write", "com.example.reals", "mod-count", "-int", "208"}).status, 0);
    EXPECT_EQ(defaults({"read", "com.example.reals"}).out,
              "{\n    \"autohide-delay\" = 0;\n    lastShowIndicatorTime = \"771614090.954601\";\n"
              "    \"mod-count\" = 208;\n}\n");
}

TEST_F(Commands, DictAddAndArrayAddExtendOrCreate)
{
    // "-dict-add ... Add new key/value pairs to a dictionary ... If the key does not exist, it will be
    // created." (man page, https://github.com/fish-shell/fish-shell/pull/3478 quotes its type options);
    // `defaults write ... "Lower Left" -dict-add ComboCode 125`: https://github.com/ansible/ansible/issues/24028
    const QString d = "com.example.add";
    ASSERT_EQ(defaults({"write", d, "Lower Left", "-dict-add", "ComboCode", "125"}).status, 0);
    ASSERT_EQ(defaults({"write", d, "Lower Left", "-dict-add", "Shift", "-bool", "true", "ComboCode", "-int", "7"}).status, 0);
    EXPECT_EQ(defaults({"read", d, "Lower Left"}).out, "{\n    ComboCode = 7;\n    Shift = 1;\n}\n");
    ASSERT_EQ(defaults({"write", d, "list", "-array-add", "{\"tile-type\"=\"spacer-tile\";}"}).status, 0);
    EXPECT_EQ(defaults({"read", d, "list"}).out, "(\n        {\n        \"tile-type\" = \"spacer-tile\";\n    }\n)\n");
}

// ---- The program's own calls, exactly as it makes them ----

TEST_F(Commands, TheProgramsOwnCallsWorkAsBefore)
{
    const std::vector<QStringList> writes{
        {"write", ".GlobalPreferences", "AppleLanguages", "(fr,en,de)"},
        {"write", ".GlobalPreferences", "AppleLocale", "de_AT"},
        {"write", "com.apple.finder", "AppleShowAllFiles", "-boolean", "TRUE"},
        {"write", "com.apple.Finder", "AppleShowAllFiles", "TRUE"},
        {"write", "org.quorrel.Quorrel", "QUkeepInactiveWindowOpen", "-bool", "true"},
    };
    for (const QStringList& args : writes) {
        const Result r = defaults(args);
        EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << r.err;
        EXPECT_EQ(r.out + r.err, "");
    }
    EXPECT_EQ(defaults({"read", ".GlobalPreferences", "AppleLanguages"}).out, "(\n    fr,\n    en,\n    de\n)\n");
    EXPECT_EQ(defaults({"read", ".GlobalPreferences", "AppleLocale"}).out, "de_AT\n");
    EXPECT_EQ(stored("com.apple.finder", "AppleShowAllFiles"), QVariant(true));
    EXPECT_EQ(stored("com.apple.Finder", "AppleShowAllFiles"), QVariant(QString("TRUE")));
    ASSERT_EQ(defaults({"write", "com.apple.finder", "AppleShowAllFiles", "-boolean", "FALSE"}).status, 0);
    EXPECT_EQ(stored("com.apple.finder", "AppleShowAllFiles"), QVariant(false));
    EXPECT_EQ(stored("org.quorrel.Quorrel", "QUkeepInactiveWindowOpen"), QVariant(true));
}

// ---- Verbs beyond read, write and delete ----

TEST_F(Commands, WriteWithADictionaryReplacesTheWholeDomain)
{
    // "write <domain> <domain_rep>  writes domain (overwrites existing)": the usage text.
    ASSERT_EQ(defaults({"write", "com.example.whole", "old", "gone"}).status, 0);
    const Result r = defaults({"write", "com.example.whole", "{ a = 1; b = (x, y); }"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(defaults({"read", "com.example.whole"}).out, "{\n    a = 1;\n    b =     (\n        x,\n        y\n    );\n}\n");
}

TEST_F(Commands, RenameMovesAValueToANewKey)
{
    // "rename <domain> <old_key> <new_key>  renames old_key to new_key": the usage text.
    ASSERT_EQ(defaults({"write", "com.example.rename", "old", "-int", "3"}).status, 0);
    ASSERT_EQ(defaults({"write", "com.example.rename", "keep", "k"}).status, 0);
    const Result r = defaults({"rename", "com.example.rename", "old", "new"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(defaults({"read", "com.example.rename"}).out, "{\n    keep = k;\n    new = 3;\n}\n");
}

TEST_F(Commands, DomainsListsEveryDomainButTheGlobalOne)
{
    // A comma-separated line of domain names is the likeliest form (the man page: "Prints the names
    // of all domains in the user's defaults system").
    for (const QString domain : {"com.zeta.app", "com.alpha.app", "-g"})
        ASSERT_EQ(defaults({"write", domain, "k", "v"}).status, 0);
    writeFile(preferences() + "/notes.txt", "not a domain");
    const Result r = defaults({"domains"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "com.alpha.app, com.zeta.app\n");
}

// The blocks `find` printed, one per domain, in the order printed.
std::vector<std::string> findBlocks(const std::string& out)
{
    std::vector<std::string> blocks;
    for (size_t at = 0; at < out.size();) {
        size_t next = out.find("\nFound ", at);
        next = next == std::string::npos ? out.size() : next + 1;
        blocks.push_back(out.substr(at, next - at));
        at = next;
    }
    return blocks;
}

TEST_F(Commands, FindPrintsTheMatchingEntriesOfEachDomain)
{
    // "Found 1 keys in domain 'com.apple.ncprefs': {" for a word found in one key of a larger domain:
    // https://github.com/0xdevalias/dotfiles/issues/17. The global domain named 'Apple Global Domain'
    // comes from a quoted `defaults find AppleLanguages` without a stable address: likeliest form,
    // as is the case-blind match. Transcripts show the global domain first, in the middle and last,
    // so no order is expected: each matching domain once.
    ASSERT_EQ(defaults({"write", "com.amazon.clouddrive.mac", "AppleLanguages", "(ja)"}).status, 0);
    ASSERT_EQ(defaults({"write", "com.amazon.clouddrive.mac", "Other", "x"}).status, 0);
    ASSERT_EQ(defaults({"write", "-g", "AppleLanguages", "(en, ja)"}).status, 0);
    const Result r = defaults({"find", "applelanguages"});
    EXPECT_EQ(r.status, 0);
    std::vector<std::string> blocks = findBlocks(r.out);
    std::sort(blocks.begin(), blocks.end());
    EXPECT_EQ(blocks, (std::vector<std::string>{"Found 1 keys in domain 'Apple Global Domain': {\n    AppleLanguages =     (\n        en,\n"
                                                "        ja\n    );\n}\n",
                                                "Found 1 keys in domain 'com.amazon.clouddrive.mac': {\n    AppleLanguages =     (\n"
                                                "        ja\n    );\n}\n"}));
    // Texts inside values count too; nothing found is the likeliest form.
    EXPECT_NE(defaults({"find", "JA"}).out.find("Found 1 keys in domain 'com.amazon.clouddrive.mac': {\n"),
              std::string::npos);
    const Result none = defaults({"find", "nowhere"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.log, "No domain, key, nor value containing 'nowhere'\n");
}

TEST_F(Commands, FindListsEachMatchingDomainOnce)
{
    // Files named by another spelling of the global domain are not domains of their own: the name
    // reads the global domain's file, so listing them would show the global domain twice.
    ASSERT_EQ(defaults({"write", "-g", "AppleLocale", "en_US"}).status, 0);
    ASSERT_EQ(defaults({"write", "com.example.locale", "AppleLocale", "de_DE"}).status, 0);
    for (const QString stray : {"NSGlobalDomain", "-g", "-globalDomain"})
        ASSERT_TRUE(QFile::copy(plistPath(".GlobalPreferences"), plistPath(stray)));
    const Result r = defaults({"find", "AppleLocale"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> blocks = findBlocks(r.out);
    std::sort(blocks.begin(), blocks.end());
    EXPECT_EQ(blocks, (std::vector<std::string>{"Found 1 keys in domain 'Apple Global Domain': {\n    AppleLocale = \"en_US\";\n}\n", "Found 1 keys in domain 'com.example.locale': {\n    AppleLocale = \"de_DE\";\n}\n"}));
    EXPECT_EQ(defaults({"domains"}).out, "com.example.locale\n");
}

TEST_F(Commands, ReadWithoutADomainPrintsEveryDomain)
{
    // "read  shows all defaults": the usage text. Each domain under its name, the global one as in
    // find, is the likeliest form.
    ASSERT_EQ(defaults({"write", "com.example.one", "k", "v"}).status, 0);
    ASSERT_EQ(defaults({"write", "-g", "AppleLocale", "en_US"}).status, 0);
    EXPECT_EQ(defaults({"read"}).out, "{\n    \"Apple Global Domain\" =     {\n        AppleLocale = \"en_US\";\n    };\n"
                                      "    \"com.example.one\" =     {\n        k = v;\n    };\n}\n");
}

TEST_F(Commands, ExportWritesXmlToStandardOutputAndBinaryToAFile)
{
    // "export <domain> -  writes domain as an xml plist to stdout", "export <domain> <path to plist>
    // saves domain as a binary plist to path": the usage text. The header is that of every XML
    // property list Apple writes (http://www.apple.com/DTDs/PropertyList-1.0.dtd); a tab per level,
    // keys in order, <array/> and base64 lines ending at column 76 are the likeliest form, taken from
    // Apple-written files quoted in public repositories (docs/defaults.md).
    const QString d = "com.example.export";
    ASSERT_EQ(defaults({"write", d, "name", "-string", "a & <b>"}).status, 0);
    ASSERT_EQ(defaults({"write", d, "count", "-int", "3"}).status, 0);
    ASSERT_EQ(defaults({"write", d, "on", "-bool", "yes"}).status, 0);
    ASSERT_EQ(defaults({"write", d, "ratio", "-float", "0.5"}).status, 0);
    ASSERT_EQ(defaults({"write", d, "when", "-date", "2024-01-02 03:04:05 +0000"}).status, 0);
    ASSERT_EQ(defaults({"write", d, "list", "-array"}).status, 0);
    ASSERT_EQ(defaults({"write", d, "bytes", "-data", QString(60, 'a')}).status, 0);
    const Result xml = defaults({"export", d, "-"});
    EXPECT_EQ(xml.status, 0) << xml.err;
    EXPECT_EQ(xml.out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                       "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                       "<plist version=\"1.0\">\n<dict>\n"
                       "\t<key>bytes</key>\n\t<data>\n\tqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq\n\t</data>\n"
                       "\t<key>count</key>\n\t<integer>3</integer>\n"
                       "\t<key>list</key>\n\t<array/>\n"
                       "\t<key>name</key>\n\t<string>a &amp; &lt;b&gt;</string>\n"
                       "\t<key>on</key>\n\t<true/>\n"
                       "\t<key>ratio</key>\n\t<real>0.5</real>\n"
                       "\t<key>when</key>\n\t<date>2024-01-02T03:04:05Z</date>\n"
                       "</dict>\n</plist>\n");

    const QString file = home_.path("exported.plist");
    const Result bin = defaults({"export", d, file});
    EXPECT_EQ(bin.status, 0) << bin.err;
    EXPECT_TRUE(fileBytes(file).startsWith("bplist00"));
    EXPECT_EQ(storedIn(file, "count"), QVariant(qint64(3)));
}

TEST_F(Commands, ExportWritesARealZeroAsZeroPointZero)
{
    // `defaults export com.apple.dock -` shows "<key>autohide-delay</key>" then "<real>0.0</real>" for
    // a delay that `defaults read` prints as "autohide-delay" = 0: the README of
    // https://github.com/aerobounce/defaults.sh. Other reals keep their 17 digits (likeliest form).
    const QString d = "com.example.zero";
    ASSERT_EQ(defaults({"write", d, "autohide-delay", "-float", "0"}).status, 0);
    plist_t list = plist_new_array();
    plist_array_append_item(list, plist_new_real(0.0));
    plist_array_append_item(list, plist_new_real(2.0));
    plist_array_append_item(list, plist_new_real(0.1));
    ASSERT_EQ(plist_store::writeKey(plistPath(d).toStdString(), "list", list), plist_store::WriteStatus::Ok);
    EXPECT_EQ(defaults({"read", d, "autohide-delay"}).out, "0\n");
    const Result xml = defaults({"export", d, "-"});
    EXPECT_EQ(xml.status, 0) << xml.err;
    EXPECT_EQ(xml.out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                       "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                       "<plist version=\"1.0\">\n<dict>\n"
                       "\t<key>autohide-delay</key>\n\t<real>0.0</real>\n"
                       "\t<key>list</key>\n\t<array>\n\t\t<real>0.0</real>\n\t\t<real>2</real>\n"
                       "\t\t<real>0.10000000000000001</real>\n\t</array>\n"
                       "</dict>\n</plist>\n");
}

TEST_F(Commands, ImportReplacesADomainFromAFileOrStandardInput)
{
    // "import <domain> <path to plist>  writes the plist at path to domain", "import <domain> -
    // writes a plist from stdin to domain": the usage text.
    ASSERT_EQ(defaults({"write", "com.example.src", "a", "-int", "1"}).status, 0);
    ASSERT_EQ(defaults({"write", "com.example.dst", "old", "x"}).status, 0);
    const Result fromFile = defaults({"import", "com.example.dst", plistPath("com.example.src")});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(defaults({"read", "com.example.dst"}).out, "{\n    a = 1;\n}\n");

    const Result xml = defaults({"export", "com.example.src", "-"});
    const Result fromStdin = defaults({"import", "com.example.piped", "-"}, QByteArray::fromStdString(xml.out));
    EXPECT_EQ(fromStdin.status, 0) << fromStdin.err;
    EXPECT_EQ(defaults({"read", "com.example.piped"}).out, "{\n    a = 1;\n}\n");
}

TEST_F(Commands, CurrentHostUsesTheByHostFile)
{
    // ~/Library/Preferences/ByHost/com.apple.screensaver.<UUID>.plist for `defaults -currentHost ...
    // com.apple.screensaver`: https://shadowfile.inode.link/blog/2018/08/defaults-non-obvious-locations/;
    // the global domain's is ByHost/.GlobalPreferences.<UUID>.plist: https://github.com/sindresorhus/dark-mode/issues/3
    ASSERT_EQ(defaults({"-currentHost", "write", "com.apple.screensaver", "idleTime", "-int", "600"}).status, 0);
    ASSERT_EQ(defaults({"-currentHost", "write", "-g", "AppleInterfaceStyle", "Light"}).status, 0);
    EXPECT_EQ(storedIn(byHostPath("com.apple.screensaver"), "idleTime"), QVariant(qint64(600)));
    EXPECT_EQ(storedIn(byHostPath(".GlobalPreferences"), "AppleInterfaceStyle"), QVariant(QString("Light")));
    EXPECT_FALSE(QFile::exists(plistPath("com.apple.screensaver")));
    EXPECT_EQ(defaults({"-currentHost", "read", "com.apple.screensaver", "idleTime"}).out, "600\n");
    EXPECT_EQ(defaults({"read", "com.apple.screensaver", "idleTime"}).status, 1);
    EXPECT_EQ(defaults({"-currentHost", "domains"}).out, "com.apple.screensaver\n");
}

TEST_F(Commands, TheHostIdentifierComesFromTheMachineWhenNotGiven)
{
    home_.env().unset("QUORREL_HOST_UUID");
    ASSERT_EQ(defaults({"-currentHost", "write", "com.example.host", "k", "v"}).status, 0);
    ASSERT_EQ(defaults({"-currentHost", "write", "com.example.host", "l", "w"}).status, 0);
    const QStringList files = QDir(preferences() + "/ByHost").entryList({"com.example.host.*.plist"}, QDir::Files);
    ASSERT_EQ(files.size(), 1) << files.join(' ').toStdString();
    EXPECT_TRUE(files[0].contains(QRegularExpression(
        QStringLiteral("^com\\.example\\.host\\.[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\.plist$"))))
        << files[0].toStdString();
}

TEST_F(Commands, PathDomainsNameFilesInsideTheHome)
{
    // `defaults write /Users/Shared/test test -string test` makes /Users/Shared/test.plist, which
    // `defaults read /Users/...` then reads by its path without ".plist", and a missing one is
    // "Domain /Users/eholtam/Desktop/test does not exist": https://github.com/lionheart/openradar-mirror/issues/19386;
    // `defaults write ~/some.domain dummy 0` then `defaults read ~/some.domain` prints "{\n    dummy = 0;\n":
    // https://github.com/ansible/ansible/issues/40556.
    // Messages name the domain as given, with ".plist"
    // (https://github.com/jamf/CIS-for-macOS-Catalina-CP/issues/15) or without (https://github.com/0xmachos/mOSL/issues/24).
    const QString file = home_.path("test.plist");
    const QString bare = home_.path("test");
    const Result write = defaults({"write", file, "Test", "1"});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out + write.err, "");
    EXPECT_TRUE(fileBytes(file).startsWith("bplist00"));
    EXPECT_FALSE(QFile::exists(file + ".plist"));
    for (const QString& domain : {file, bare}) {
        SCOPED_TRACE(domain.toStdString());
        const Result read = defaults({"read", domain});
        EXPECT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out, "{\n    Test = 1;\n}\n");
        EXPECT_EQ(defaults({"read-type", domain, "Test"}).out, "Type is string\n");
        const Result absent = defaults({"read", domain, "Absent"});
        EXPECT_EQ(absent.status, 1);
        EXPECT_EQ(absent.log, "\nThe domain/default pair of (" + domain.toStdString() + ", Absent) does not exist\n");
    }
    ASSERT_EQ(defaults({"write", bare, "Count", "-int", "2"}).status, 0);
    ASSERT_EQ(defaults({"rename", bare, "Count", "Total"}).status, 0);
    EXPECT_EQ(storedIn(file, "Total"), QVariant(qint64(2)));
    ASSERT_EQ(defaults({"delete", file, "Test"}).status, 0);
    EXPECT_EQ(defaults({"export", bare, "-"}).out.find("<key>Total</key>") != std::string::npos, true);

    // Missing folders inside the home are made, as for a domain name.
    const QString nested = home_.path("Documents/Settings/app");
    ASSERT_EQ(defaults({"write", nested, "k", "v"}).status, 0);
    EXPECT_EQ(storedIn(nested + ".plist", "k"), QVariant(QString("v")));

    // A path into the preferences folder names the same file as the domain's name.
    ASSERT_EQ(defaults({"write", "com.example.named", "k", "named"}).status, 0);
    EXPECT_EQ(defaults({"read", preferences() + "/com.example.named", "k"}).out, "named\n");
    ASSERT_EQ(defaults({"write", preferences() + "/.GlobalPreferences.plist", "AppleLocale", "de_DE"}).status, 0);
    EXPECT_EQ(defaults({"read", "-g", "AppleLocale"}).out, "de_DE\n");

    const Result none = defaults({"read", home_.path("none")});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.log, "\nDomain " + home_.path("none").toStdString() + " does not exist\n");
    ASSERT_EQ(defaults({"delete", bare}).status, 0);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(Commands, AppNamesAnApplicationsDomain)
{
    // "-app <application_name>": the usage text. The sandbox's Finder and Dock have no bundles; an
    // application bundle in ~/Applications names its domain by CFBundleIdentifier.
    ASSERT_EQ(defaults({"write", "-app", "Finder", "ShowPathbar", "-bool", "true"}).status, 0);
    EXPECT_EQ(stored("com.apple.finder", "ShowPathbar"), QVariant(true));
    ASSERT_TRUE(QDir(home_.home()).mkpath("Applications/Example.app/Contents"));
    ASSERT_EQ(plist_store::writeKey(home_.path("Applications/Example.app/Contents/Info.plist").toStdString(),
                                    "CFBundleIdentifier", plist_new_string("com.example.bundle")),
              plist_store::WriteStatus::Ok);
    ASSERT_EQ(defaults({"write", "-app", "Example", "k", "v"}).status, 0);
    EXPECT_EQ(defaults({"read", "com.example.bundle", "k"}).out, "v\n");
    EXPECT_EQ(defaults({"read", "-app", "Example.app", "k"}).out, "v\n");
}

} // namespace
