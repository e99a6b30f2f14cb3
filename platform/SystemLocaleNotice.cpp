#include "SystemLocaleNotice.h"

#include <QtGlobal>

#ifdef Q_OS_MACOS
#include <CoreFoundation/CoreFoundation.h>

namespace system_locale {

static void deliver(CFNotificationCenterRef, void* observer, CFNotificationName, const void*, CFDictionaryRef)
{
    (*static_cast<std::function<void()>*>(observer))();
}

bool noticeComesFromTheSystem()
{
    return true;
}

void* observeChanges(std::function<void()> onChange)
{
    // The observer pointer is the callback itself; the local center delivers on the thread whose
    // run loop posts, the main thread for the system's own notices.
    auto* callback = new std::function<void()>(std::move(onChange));
    CFNotificationCenterAddObserver(CFNotificationCenterGetLocalCenter(), callback, deliver,
                                    kCFLocaleCurrentLocaleDidChangeNotification, nullptr,
                                    CFNotificationSuspensionBehaviorDeliverImmediately);
    return callback;
}

void stopObserving(void* token)
{
    if (!token)
        return;
    CFNotificationCenterRemoveEveryObserver(CFNotificationCenterGetLocalCenter(), token);
    delete static_cast<std::function<void()>*>(token);
}

} // namespace system_locale

#else

namespace system_locale {

bool noticeComesFromTheSystem()
{
    return false;
}

void* observeChanges(std::function<void()>)
{
    return nullptr;
}

void stopObserving(void*) {}

} // namespace system_locale

#endif
