#pragma once
#include <functional>

// The system's notice that the user's current locale changed (on a Mac,
// kCFLocaleCurrentLocaleDidChangeNotification, the one behind NSCurrentLocaleDidChangeNotification).
// Qt passes no such notice on from macOS, so the Mac subscribes to it here; elsewhere Qt's
// QEvent::LocaleChange is the notice and this does nothing.
namespace system_locale {

// Whether this platform's notice comes through `observeChanges` rather than Qt's LocaleChange.
bool noticeComesFromTheSystem();

// Calls `onChange` on the main thread after each change, until `stopObserving(token)`.
// Returns a token, or nullptr where the notice is Qt's.
void* observeChanges(std::function<void()> onChange);
void stopObserving(void* token);

} // namespace system_locale
