// Many reads in a row: whatever one read leaks, two thousand make visible.
#include "Classes/MyRunUsrCommands.h"
#include "RunnerSupport.h"
#include "platform/process/ChildProcess.h"
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory in quarantine for a while, so resident memory grows with
// the amount allocated even without a leak (which LeakSanitizer reports anyway).
constexpr long kResidentSlackKiB = 16 * 1024; // about 6 MiB seen
#else
constexpr long kResidentSlackKiB = 2 * 1024;
#endif

TEST(RunnerSoak, TwoThousandReadsKeepDescriptorsChildrenAndMemoryFlat)
{
    TestHome home;
    ASSERT_TRUE(settlePendingChildren());
    const QStringList arguments{QStringLiteral("hex"), QStringLiteral("6f6b0a")};
    // Let allocator pools and lazily created state settle first.
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(MyRunUsrCommands::runUsrBinAndRead(arguments, probePath()), QStringLiteral("ok\n"));

    const int descriptorsBefore = openDescriptorCount();
    const long residentBefore = residentKiB();
    ASSERT_GT(residentBefore, 0);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(MyRunUsrCommands::runUsrBinAndRead(arguments, probePath()), QStringLiteral("ok\n"));

    EXPECT_EQ(openDescriptorCount(), descriptorsBefore);
    EXPECT_TRUE(childrenOfThisProcess().empty());
    EXPECT_EQ(child_process::pendingCount(), 0u);
    const long growth = residentKiB() - residentBefore;
    RecordProperty("resident_growth_kib", static_cast<int>(growth));
    EXPECT_LE(growth, kResidentSlackKiB);
}

} // namespace
