// Saved combinations of a region and an optional fallback language, and the switch to one.
#include "QuorrelAppDelegate.h"

#include "DefaultKeys.h"
#include "UserDefaults.h"

// Brings the first occurrence of `value` at index 1 or later to the front; index 0 is never
// looked at, so a value already first, or missing, changes nothing.
static void moveToFront(QStringList& list, const QString& value)
{
    for (qsizetype i = 1; i < list.size(); ++i) {
        if (list[i] == value) {
            list.move(i, 0);
            return;
        }
    }
}

void QuorrelAppDelegate::rebuildPreferredLocalesMenu()
{
    outlets.preferredLocalesMenu->removeAllItems();
    outlets.preferredLocalesMenu->addItemsWithTitles(myPreferredLocales);
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
}

void QuorrelAppDelegate::removePreferredLocale(QObject*)
{
    PopUpButton* menu = outlets.preferredLocalesMenu;
    const int index = menu->indexOfSelectedItem();
    if (index < 0 || index >= myPreferredLocales.size())
        return;
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
}

void QuorrelAppDelegate::changePreferredLocale(QObject*)
{
    const std::optional<QString> title = outlets.preferredLocalesMenu->titleOfSelectedItem();
    if (!title)
        return; // nothing saved, nothing to switch to
    languages = currentLanguages();
    locales = appleLocale();
    const QStringList parts = title->split(QLatin1Char(','));
    const QString loc = parts[0];
    const QString fb = parts.size() >= 2 ? parts[1] : QString();

    if (!fb.isEmpty()) {
        showProgress(true);
        moveToFront(languages, fb);
        updateLanguagesFromPreferredLocale();
        showProgress(false);
    }
    if (locales.value(0) == loc)
        return;

    showProgress(true);
    moveToFront(languages, loc.left(2));
    updateLanguagesFromPreferredLocale();
    // The handler writes the order and refreshes `locales` for the new first language, which the
    // region step below needs, so this post must come first.
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated,
                                                             outlets.languagesTable);
    moveToFront(locales, loc);
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
    case 0: target = 0; break;
    case 1: target = qMax(selected - 1, 0); break;
    case 2: target = qMin(selected + 1, n - 1); break;
    case 3: target = qMax(n - 1, 0); break;
    default: return;
    }
    // An empty menu has no entry to step to.
    if (n == 0 || target == selected)
        return;
    menu->selectItemAtIndex(target);
    changePreferredLocale(sender);
}
