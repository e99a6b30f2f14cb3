// What goes to a tool and what comes back: arguments as given, output as UTF-8, tool paths below
// QUORREL_TOOL_ROOT.
#include "Classes/MyRunUsrCommands.h"
#include "RunnerSupport.h"
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

using ToolArguments = RunnerTest;
using ToolRoot = RunnerTest;

// What the probe's "args" mode prints: argv[0], then each argument, each ended by a NUL.
QString echoed(const QString& argv0, const QStringList& arguments)
{
    QString text = argv0 + QChar(u'\0');
    for (const QString& argument : arguments)
        text += argument + QChar(u'\0');
    return text;
}

TEST_F(ToolArguments, AwkwardOnesReachTheToolByteForByte)
{
    // Everything a shell would split, expand or interpret, plus what an option parser might eat.
    const QStringList arguments{
        QString(),
        QStringLiteral("  two  blanks  "),
        QStringLiteral("'single' \"double\""),
        QStringLiteral("first line\nsecond line"),
        QStringLiteral("Gr\u00fc\u00dfe \u65e5\u672c \U0001F30D"),
        QStringLiteral("*"),
        QStringLiteral("~"),
        QStringLiteral("$HOME"),
        QStringLiteral(";"),
        QStringLiteral("-n"),
        QStringLiteral("back\\slash\ttab `cmd` $(cmd) | & > <"),
    };
    const auto read = MyRunUsrCommands::runUsrBinAndRead(QStringList{QStringLiteral("args")} + arguments, probePath());
    EXPECT_EQ(read, echoed(probePath(), arguments));
}

struct DecodingCase {
    const char* name;
    const char* bytes; // hex, as the probe writes them
    std::optional<QString> expected;
};

void PrintTo(const DecodingCase& decodingCase, std::ostream* os) { *os << decodingCase.bytes; }

class OutputDecoding : public RunnerTest, public ::testing::WithParamInterface<DecodingCase> {};

TEST_P(OutputDecoding, DecodesUtf8ExactlyOrGivesNoText)
{
    const auto read = MyRunUsrCommands::runUsrBinAndRead(
        {QStringLiteral("hex"), QString::fromLatin1(GetParam().bytes)}, probePath());
    ASSERT_EQ(read.has_value(), GetParam().expected.has_value());
    if (read) {
        EXPECT_EQ(*read, *GetParam().expected);
        EXPECT_FALSE(read->isNull()); // callers tell "no output" from "no text"
    }
}

INSTANTIATE_TEST_SUITE_P(
    , OutputDecoding,
    ::testing::Values(
        DecodingCase{"Empty", "", QString(QLatin1String(""))},
        DecodingCase{"TrailingNewlineKept", "6f6b0a", QStringLiteral("ok\n")},
        DecodingCase{"BlanksAndNewlinesNotTrimmed", "20200a780a0a", QStringLiteral("  \nx\n\n")},
        DecodingCase{"ByteOrderMarkKept", "efbbbf78", QStringLiteral("\ufeffx")},
        DecodingCase{"NonAscii", "c3bc20e282ac20f09f8c8d", QStringLiteral("\u00fc \u20ac \U0001F30D")},
        DecodingCase{"InvalidByte", "61ff62", std::nullopt},
        DecodingCase{"CutOffInsideACharacter", "61e282", std::nullopt},
        DecodingCase{"OverlongEncoding", "c0af", std::nullopt},
        DecodingCase{"EncodedSurrogate", "eda080", std::nullopt},
        DecodingCase{"Latin1NotUtf8", "4772fcdf65", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ToolRoot, PrefixesThePathOnEveryCall)
{
    const QString tool = QStringLiteral("/usr/bin/defaults");
    EXPECT_EQ(MyRunUsrCommands::resolvedToolPath(tool), tool);

    home.env().set("QUORREL_TOOL_ROOT", "/first/root");
    EXPECT_EQ(MyRunUsrCommands::resolvedToolPath(tool), QStringLiteral("/first/root/usr/bin/defaults"));
    home.env().set("QUORREL_TOOL_ROOT", "/second root");
    EXPECT_EQ(MyRunUsrCommands::resolvedToolPath(tool), QStringLiteral("/second root/usr/bin/defaults"));

    home.env().unset("QUORREL_TOOL_ROOT");
    EXPECT_EQ(MyRunUsrCommands::resolvedToolPath(tool), tool);
}

TEST_F(ToolRoot, ToolBelowRootIsStartedWithArgumentsUntouched)
{
    const QString root = home.path(QStringLiteral("root"));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/usr/bin")));
    ASSERT_TRUE(QFile::link(probePath(), root + QStringLiteral("/usr/bin/quorrel-test-probe")));
    home.env().set("QUORREL_TOOL_ROOT", QFile::encodeName(root));

    const QStringList arguments{QStringLiteral("/usr/bin/defaults"), QStringLiteral("~/Library"), QStringLiteral("usr/bin")};
    const auto read = MyRunUsrCommands::runUsrBinAndRead(QStringList{QStringLiteral("args")} + arguments,
                                                         QStringLiteral("/usr/bin/quorrel-test-probe"));
    EXPECT_EQ(read, echoed(root + QStringLiteral("/usr/bin/quorrel-test-probe"), arguments));

    // Without the root the same path means the system's own, which has no such tool.
    home.env().unset("QUORREL_TOOL_ROOT");
    EXPECT_EQ(MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("args")}, QStringLiteral("/usr/bin/quorrel-test-probe")), QString(QLatin1String("")));
}

} // namespace
