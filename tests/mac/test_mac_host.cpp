// The Mac app's own host layer on the real system: the frameworks' release numbers, and the
// program's own user defaults in the real preferences system, on the scratch domain this build of
// UserDefaultsMac.cpp was given, side by side with Apple's /usr/bin/defaults.
#include "platform/host/SystemVersion.h"
#include "platform/host/UserDefaults.h"

#include <gtest/gtest.h>

#include <QPoint>
#include <QProcess>

namespace {

const QString kScratch = QStringLiteral(QUORREL_SCRATCH_DEFAULTS_DOMAIN);
const QString kKeepOpen = QStringLiteral("QUkeepInactiveWindowOpen");
const QString kPreferredLocales = QStringLiteral("PreferredLocales");

TEST(MacHost, FrameworkVersionsAreThoseOfAMacThatQtRunsOn)
{
    // Qt 6 runs on macOS 11 and later: AppKit from 2022 (NSAppKitVersionNumber11_0) on, and a Core
    // Foundation above 10.11's last, 1299, the line the language read turns on.
    EXPECT_GE(system_version::appKitVersionNumber(), 2022.0);
    EXPECT_GT(system_version::coreFoundationVersionNumber(), 1299.0);
}

class MacPreferences : public ::testing::Test {
protected:
    // Apple's tool on the scratch domain; its standard output, and its status in `status`.
    static QString defaultsTool(const QStringList& arguments, int* status = nullptr)
    {
        QProcess process;
        process.start(QStringLiteral("/usr/bin/defaults"), arguments);
        const bool finished = process.waitForFinished(30000);
        if (status)
            *status = finished ? process.exitCode() : -1;
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    void SetUp() override { defaultsTool({QStringLiteral("delete"), kScratch}); }
    void TearDown() override { defaultsTool({QStringLiteral("delete"), kScratch}); }

    UserDefaults& defaults = UserDefaults::standardUserDefaults();
};

TEST_F(MacPreferences, WritesFromATerminalCountAtTheNextRead)
{
    EXPECT_FALSE(defaults.boolForKey(kKeepOpen)) << "absent reads as false";
    defaultsTool({"write", kScratch, kKeepOpen, "-bool", "true"});
    EXPECT_TRUE(defaults.boolForKey(kKeepOpen));
    defaultsTool({"write", kScratch, kKeepOpen, "-bool", "false"});
    EXPECT_FALSE(defaults.boolForKey(kKeepOpen));

    defaultsTool({"write", kScratch, kPreferredLocales, "(de_DE, \"fr_FR,en\")"});
    EXPECT_EQ(defaults.stringArrayForKey(kPreferredLocales), QStringList({"de_DE", "fr_FR,en"}));
    defaultsTool({"delete", kScratch, kPreferredLocales});
    EXPECT_EQ(defaults.stringArrayForKey(kPreferredLocales), std::nullopt);
}

TEST_F(MacPreferences, StoredValuesAreWhatTheToolReads)
{
    EXPECT_TRUE(defaults.setBool(true, kKeepOpen));
    EXPECT_EQ(defaultsTool({"read", kScratch, kKeepOpen}), "1\n");
    EXPECT_EQ(defaultsTool({"read-type", kScratch, kKeepOpen}), "Type is boolean\n");

    EXPECT_TRUE(defaults.setObject(QStringList{"de_DE,en", "en_GB"}, kPreferredLocales));
    EXPECT_EQ(defaultsTool({"read", kScratch, kPreferredLocales}), "(\n    \"de_DE,en\",\n    \"en_GB\"\n)\n");
    EXPECT_TRUE(defaults.synchronize()) << "nothing is left unstored";
}

TEST_F(MacPreferences, AValueWithoutAPropertyListFormIsRefusedAndNothingIsStored)
{
    EXPECT_FALSE(defaults.setObject(QPoint(1, 2), kPreferredLocales));
    EXPECT_FALSE(defaults.objectForKey(kPreferredLocales).isValid());
    int status = 0;
    defaultsTool({"read", kScratch, kPreferredLocales}, &status);
    EXPECT_EQ(status, 1) << "the tool finds no such key";
}

} // namespace
