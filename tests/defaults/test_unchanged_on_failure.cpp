// Bad input never changes a domain: for every verb that writes, a value or file that is refused,
// and a write that fails, leave the domain's file byte for byte as it was. The messages are
// checked elsewhere against their sources; what is checked here, that nothing changes, is the
// stand-in's own promise and rests on no transcript.
#include "DomainFiles.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace {

class UnchangedOnFailure : public DomainFiles {
protected:
    const QString domain = QStringLiteral("com.example.keep");

    // A domain holding a text, an array and a dictionary, written by the tool itself.
    void fill()
    {
        ASSERT_EQ(defaults({"write", domain, "text", "t"}).status, 0);
        ASSERT_EQ(defaults({"write", domain, "list", "-array", "a", "b"}).status, 0);
        ASSERT_EQ(defaults({"write", domain, "dict", "-dict", "k", "v"}).status, 0);
    }

    void expectUnchanged(const std::vector<QStringList>& commands, const QByteArray& input = QByteArray())
    {
        const QByteArray before = fileBytes(plistPath(domain));
        ASSERT_FALSE(before.isEmpty());
        for (const QStringList& args : commands) {
            SCOPED_TRACE(args.join(' ').toStdString());
            const Result r = defaults(args, input);
            EXPECT_NE(r.status, 0);
            EXPECT_EQ(r.out.find("{"), std::string::npos) << r.out; // no printout of a domain
            EXPECT_EQ(fileBytes(plistPath(domain)), before);
        }
    }
};

TEST_F(UnchangedOnFailure, RefusedValuesOfEveryWritingVerb)
{
    fill();
    const QString bad = home_.path("bad.plist");
    writeFile(bad, "not a property list");
    const QString array = home_.path("array.plist");
    writeFile(array, "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>a</string></array></plist>");
    expectUnchanged({
        {"write", domain, "text", "(unclosed"},
        {"write", domain, "text", R"("a\000b")"},
        {"write", domain, "text", "-bool", "maybe"},
        {"write", domain, "text", "-date", "yesterday"},
        {"write", domain, "text", "-data", "xyz"},
        {"write", domain, "text", "v", "extra"},
        {"write", domain, "list", "-array", "ok", "(open"},
        {"write", domain, "list", "-array-add", "ok", "{ a = }"},
        {"write", domain, "text", "-array-add", "u"},
        {"write", domain, "dict", "-dict", "k"},
        {"write", domain, "dict", "-dict-add", "k", "(open"},
        {"write", domain, "text", "-dict-add", "k", "v"},
        {"write", domain, "{ a = b"},
        {"write", domain, "(a, b)"},
        {"write", domain, "bare"},
        {"delete", domain, "absent"},
        {"rename", domain, "absent", "other"},
        {"import", domain, bad},
        {"import", domain, array},
        {"import", domain, home_.path("missing.plist")},
        {"import", domain, "-"},
    });
}

TEST_F(UnchangedOnFailure, WritesThatFailLeaveTheFileAsItWas)
{
    fill();
    // The domain's one temporary file cannot be made where a folder of that name stands, so every
    // write fails after its value was accepted.
    ASSERT_TRUE(QDir(preferences()).mkpath("." + domain + ".plist.tmp/blocked"));
    const QString good = home_.path("good.plist");
    ASSERT_EQ(plist_store::writeKey(good.toStdString(), "k", plist_new_string("v")), plist_store::WriteStatus::Ok);
    expectUnchanged({
        {"write", domain, "text", "new"},
        {"write", domain, "text", "-int", "1"},
        {"write", domain, "list", "-array", "x"},
        {"write", domain, "list", "-array-add", "x"},
        {"write", domain, "dict", "-dict-add", "x", "y"},
        {"write", domain, "{ a = b; }"},
        {"delete", domain, "text"},
        {"rename", domain, "text", "renamed"},
        {"import", domain, good},
    });
    const Result r = defaults({"write", domain, "text", "new"});
    // "Could not write domain com.apple.universalaccess; exiting": https://github.com/adrw/.files/issues/65
    EXPECT_EQ(r.log, "Could not write domain " + domain.toStdString() + "; exiting\n");
}

TEST_F(UnchangedOnFailure, AFileTheStoreCannotUseIsNeverRewritten)
{
    const QByteArray odd = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>k</key><integer>010</integer>"
                           "</dict></plist>";
    writeFile(plistPath(domain), odd);
    const QString good = home_.path("good.plist");
    ASSERT_EQ(plist_store::writeKey(good.toStdString(), "k", plist_new_string("v")), plist_store::WriteStatus::Ok);
    for (const QStringList& args : std::vector<QStringList>{
             {"write", domain, "k", "v"}, {"write", domain, "k", "-dict-add", "a", "b"}, {"write", domain, "{ a = b; }"}, {"delete", domain, "k"}, {"rename", domain, "k", "l"}, {"import", domain, good}, {"read", domain}, {"read-type", domain, "k"}, {"export", domain, "-"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Result r = defaults(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.log.find("cannot be used: "), std::string::npos) << r.log;
        EXPECT_EQ(fileBytes(plistPath(domain)), odd);
    }
}

} // namespace
