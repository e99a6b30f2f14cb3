// The program's own user defaults in the Mac app: the real preferences system, through
// CFPreferences's application calls on the domain org.quorrel.Quorrel, the one that
// `defaults read org.quorrel.Quorrel` shows. CFPreferences rather than QSettings, whose macOS
// backend adds fallback domains and encodes some texts its own way.
#include "UserDefaults.h"

#include "CFVariant.h"

#include <QtGlobal>

#include <iterator>

namespace {

const QString& domainName()
{
#ifdef QUORREL_SCRATCH_DEFAULTS_DOMAIN
    // The test of this file builds it with a scratch domain: it must never touch a user's settings.
    static const QString name = QStringLiteral(QUORREL_SCRATCH_DEFAULTS_DOMAIN);
    return name;
#else
    return UserDefaults::kDomain;
#endif
}

CFStringRef domain()
{
    static const CFStringRef name = domainName().toCFString(); // kept for the program's life
    return name;
}

} // namespace

QVariant UserDefaults::objectForKey(const QString& key)
{
    const auto unsaved = unsaved_.constFind(key);
    if (unsaved != unsaved_.cend())
        return *unsaved;
    // A process keeps what it read; synchronising first picks up what others wrote since, such as
    // a `defaults write` from a terminal.
    CFPreferencesAppSynchronize(domain());
    const cf_variant::Owned name(key.toCFString());
    const cf_variant::Owned value(CFPreferencesCopyAppValue(static_cast<CFStringRef>(name.get()), domain()));
    return cf_variant::toVariant(value.get());
}

bool UserDefaults::store(const QString& key, const QVariant& value)
{
    const cf_variant::Owned stored = cf_variant::fromVariant(value);
    const cf_variant::Owned name(key.toCFString());
    CFPreferencesSetAppValue(static_cast<CFStringRef>(name.get()), stored.get(), domain());
    // Setting a value cannot fail; only writing it out tells whether it was kept.
    if (CFPreferencesAppSynchronize(domain()))
        return true;
    qWarning("Quorrel: could not store %s in the preferences of %s; it is kept for now and stored again later",
             qPrintable(key), qPrintable(domainName()));
    return false;
}

bool UserDefaults::setObject(const QVariant& value, const QString& key)
{
    if (!cf_variant::fromVariant(value))
        return false; // nothing the preferences system could hold; storing "nothing" would delete the key
    unsaved_.insert(key, value);
    if (!store(key, value))
        return false;
    unsaved_.remove(key);
    return true;
}

bool UserDefaults::synchronize()
{
    for (auto it = unsaved_.begin(); it != unsaved_.end();)
        it = store(it.key(), it.value()) ? unsaved_.erase(it) : std::next(it);
    return unsaved_.isEmpty() && CFPreferencesAppSynchronize(domain());
}
