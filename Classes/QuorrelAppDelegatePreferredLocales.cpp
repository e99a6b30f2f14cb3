// Saved combinations of a region and an optional fallback language, and the switch to one.
#include "QuorrelAppDelegate.h"

#include "DefaultKeys.h"
#include "platform/Locale.h"
#include "platform/LocaleIdentifier.h"
#include "platform/host/UserDefaults.h"

// The "tag" of each of the four step buttons beside the saved combinations (MainWindow.ui).
enum LocaleStepTag { kFirstLocaleTag = 0,
                     kPreviousLocaleTag = 1,
                     kNextLocaleTag = 2,
                     kLastLocaleTag = 3 };

#include <QCoreApplication>

// Brings the language `language` names (itself, else the first of its base) to the front, unchanged.
// A language already first, or missing, changes nothing: with en-GB first, a saved en_US leaves a
// later en-US where it is.
static void moveLanguageToFront(QStringList& languages, const QString& language)
{
    const qsizetype at = locale_id::indexOfLanguage(languages, language);
    if (at > 0)
        languages.move(at, 0);
}

void QuorrelAppDelegate::rebuildPreferredLocalesMenu()
{
    outlets.preferredLocalesMenu->removeAllItems();
    outlets.preferredLocalesMenu->addItemsWithTitles(myPreferredLocales);
    showReadablePreferredLocales();
}

void QuorrelAppDelegate::showReadablePreferredLocales()
{
    // An entry is kept exactly as saved; only one whose region has keywords (en_US@rg=dezzzz) is
    // shown by what they mean, named like the region table's rows.
    PopUpButton* menu = outlets.preferredLocalesMenu;
    const Locale displayLanguage(languages.value(0));
    for (int i = 0; i < menu->numberOfItems(); ++i) {
        const QString entry = menu->itemTitle(i);
        const qsizetype comma = entry.indexOf(QLatin1Char(','));
        const QString locale = comma < 0 ? entry : entry.left(comma);
        if (!locale.contains(QLatin1Char('@')))
            continue;
        const QString rest = comma < 0 ? QString() : entry.mid(comma);
        menu->setItemDisplayText(i, regionRowText(displayLanguage, locale) + rest);
    }
}

void QuorrelAppDelegate::storePreferredLocales(bool flush)
{
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setObject(QVariant(myPreferredLocales), kPreferredLocalesKey);
    if (flush)
        defaults.synchronize();
}

void QuorrelAppDelegate::addPreferredLocale(QObject*)
{
    const QString name = QCoreApplication::translate("QuorrelAppDelegate", "Save Current Region");
    const ChangeScope scope(this, name);
    const QStringList before = myPreferredLocales;
    const int selectedBefore = outlets.preferredLocalesMenu->indexOfSelectedItem();
    locales = appleLocale();
    const QString entry = locales.value(0);
    myPreferredLocales.append(entry);
    std::sort(myPreferredLocales.begin(), myPreferredLocales.end()); // plain, case-sensitive order
    rebuildPreferredLocalesMenu();
    outlets.preferredLocalesMenu->setEnabled(true);
    outlets.preferredLocalesMenu->selectItemWithTitle(entry);
    outlets.removePreferredLocale.setEnabled(true);
    outlets.removePreferredLocale.setHidden(false);
    allowFallbackLanguages();
    storePreferredLocales(true);
    recordPreferredLocalesChange(before, selectedBefore, name);
}

void QuorrelAppDelegate::removePreferredLocale(QObject*)
{
    PopUpButton* menu = outlets.preferredLocalesMenu;
    const int index = menu->indexOfSelectedItem();
    if (index < 0 || index >= myPreferredLocales.size())
        return;
    const QString name = QCoreApplication::translate("QuorrelAppDelegate", "Remove Saved Combination");
    const ChangeScope scope(this, name);
    const QStringList before = myPreferredLocales;
    myPreferredLocales.removeAt(index);
    menu->removeItemAtIndex(index);
    storePreferredLocales(false);
    if (menu->numberOfItems() > 0) {
        menu->selectItemAtIndex(qMax(0, index - 1));
        updateUI();
    } else {
        outlets.removePreferredLocale.setEnabled(false);
        outlets.removePreferredLocale.setHidden(true);
        menu->setEnabled(false);
        allowFallbackLanguages();
    }
    // Removing is immediate; the undo step brings the entry back at its place.
    recordPreferredLocalesChange(before, index, name);
}

void QuorrelAppDelegate::changePreferredLocale(QObject*)
{
    const std::optional<QString> title = outlets.preferredLocalesMenu->titleOfSelectedItem();
    if (!title)
        return; // nothing saved, nothing to switch to
    // Both writes of a switch are one undo step.
    const ChangeScope scope(this, QCoreApplication::translate("QuorrelAppDelegate", "Switch to Saved Combination"));
    languages = currentLanguages();
    locales = appleLocale();
    const QStringList parts = title->split(QLatin1Char(','));
    const QString loc = parts[0];
    const QString fb = parts.size() >= 2 ? parts[1] : QString();

    if (!fb.isEmpty()) {
        showProgress(true);
        moveLanguageToFront(languages, fb);
        updateLanguagesFromPreferredLocale();
        showProgress(false);
    }
    if (locales.value(0) == loc)
        return;

    showProgress(true);
    moveLanguageToFront(languages, loc);
    updateLanguagesFromPreferredLocale();
    // The handler writes the order and refreshes `locales` for the new first language, which the
    // region step below needs, so this post must come first.
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated,
                                                             outlets.languagesTable);
    // The saved value goes first exactly as it was saved, keywords and all, in place of the region
    // that is the same place (en_US for en_US@rg=dezzzz, zh_Hans_CN for zh_CN).
    const qsizetype at = locale_id::indexOfLocale(locales, loc);
    if (at >= 0) {
        locales[at] = loc;
        locales.move(at, 0);
    }
    updateRegionsFromPreferredLocale();
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLocalesHaveBeenUpdated,
                                                             outlets.regionsTable);
    showProgress(false);
}

void QuorrelAppDelegate::selectLocale(QObject* sender)
{
    PopUpButton* menu = outlets.preferredLocalesMenu;
    const int n = menu->numberOfItems();
    const int selected = menu->indexOfSelectedItem();
    int target = 0;
    switch (tagOf(sender)) {
    case kFirstLocaleTag:
        target = 0;
        break;
    case kPreviousLocaleTag:
        target = qMax(selected - 1, 0);
        break;
    case kNextLocaleTag:
        target = qMin(selected + 1, n - 1);
        break;
    case kLastLocaleTag:
        target = qMax(n - 1, 0);
        break;
    default:
        return;
    }
    // An empty menu has no entry to step to.
    if (n == 0 || target == selected)
        return;
    menu->selectItemAtIndex(target);
    changePreferredLocale(sender);
}
