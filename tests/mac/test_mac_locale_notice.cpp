// The Mac's own notice of a changed current locale, as the system posts it, reaches the program's
// notification centre, which the controller refreshes on; nothing else posts it there.
#include "platform/Application.h"
#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <CoreFoundation/CoreFoundation.h>

namespace {

TEST(MacLocaleNotice, TheSystemsNoticeIsPostedOncePerChange)
{
    QApplication& app = *qApp; // the test program's own
    Application application(app, nullptr);
    int seen = 0;
    NotificationCenter::defaultCenter().addObserver(&application, kCurrentLocaleDidChangeNotification,
                                                    [&](const Notification&) { ++seen; });
    EXPECT_EQ(seen, 0);
    CFNotificationCenterPostNotification(CFNotificationCenterGetLocalCenter(), kCFLocaleCurrentLocaleDidChangeNotification,
                                         nullptr, nullptr, true);
    EXPECT_EQ(seen, 1);
    // Qt's own locale event is not a second notice of the same change on a Mac.
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&app, &change);
    EXPECT_EQ(seen, 1);
    NotificationCenter::defaultCenter().removeObserver(&application);
}

} // namespace
