// The fallback language of the selected saved combination.
#include "QuorrelAppDelegate.h"

#include "DefaultKeys.h"
#include "platform/Bundle.h"
#include "platform/LocaleIdentifier.h"
#include "platform/host/UserDefaults.h"

#include <QCoreApplication>

static QString noFallbackTitle()
{
    // QT_TRANSLATE_NOOP shows lupdate the key of the string table "Localizable".
    return bundle::localizedStringForKey(QStringLiteral(QT_TRANSLATE_NOOP("Localizable", "NoFallbackLanguage")),
                                         QString(), QStringLiteral("Localizable"));
}

// The no-fallback item, then every language but the first in order. A long list costs most in its
// sort, so the titles of the same languages as last time are taken again.
QStringList QuorrelAppDelegate::fallbackTitlesOf(const QStringList& languages)
{
    const QString noFallback = noFallbackTitle(); // in the language the program speaks now
    if (lastFallbackTitles.titles.value(0) == noFallback && languages == lastFallbackTitles.languages)
        return lastFallbackTitles.titles;
    QStringList titles(languages.cbegin(), languages.cend()); // one copy, sorted in place
    titles.first() = noFallback;
    std::sort(titles.begin() + 1, titles.end());
    lastFallbackTitles = {languages, titles};
    return titles;
}

void QuorrelAppDelegate::updateFallbackLanguages()
{
    PopUpButton* menu = outlets.fallbackLanguagesMenu;
    myFallbackLanguages = currentLanguages();
    if (myFallbackLanguages.size() <= 1) {
        menu->setEnabled(false);
        menu->removeAllItems();
        return;
    }
    menu->setEnabled(true);
    myFallbackLanguages = fallbackTitlesOf(myFallbackLanguages);
    menu->removeAllItems();
    menu->addItemsWithTitles(myFallbackLanguages);

    const QStringList parts = outlets.preferredLocalesMenu->titleOfSelectedItem().value_or(QString()).split(QLatin1Char(','));
    if (parts.size() < 2)
        return;
    const QString fb = parts[1];
    // A saved fallback finds its language by base too (de finds de-DE); item 0 is the no-fallback
    // item, never a language.
    const qsizetype item = locale_id::indexOfLanguage(myFallbackLanguages, fb, 1);
    if (item > 0)
        menu->selectItemAtIndex(int(item));

    // Show the fallback second in the language table, as the system holds it; nothing is written
    // here.
    languages = currentLanguages();
    const qsizetype at = locale_id::indexOfLanguage(languages, fb);
    if (at < 0)
        return;
    const QString identifier = languages.takeAt(at);
    languages.insert(qMin<qsizetype>(1, languages.size()), identifier);
    updateLanguagesFromPreferredLocale();
}

void QuorrelAppDelegate::allowFallbackLanguages()
{
    if (currentLanguages().size() < 2)
        outlets.fallbackLanguagesMenu->setEnabled(false);
    else
        outlets.fallbackLanguagesMenu->setEnabled(!outlets.removePreferredLocale.isHidden());
}

void QuorrelAppDelegate::changeFallbackLanguage(QObject*)
{
    PopUpButton* entries = outlets.preferredLocalesMenu;
    const std::optional<QString> chosen = outlets.fallbackLanguagesMenu->titleOfSelectedItem();
    const std::optional<QString> entry = entries->titleOfSelectedItem();
    const int idx = entries->indexOfSelectedItem();
    // Without a selected entry there is nothing to give a fallback to.
    if (!chosen || !entry || idx < 0 || idx >= myPreferredLocales.size())
        return;
    const QString name = QCoreApplication::translate("QuorrelAppDelegate", "Change Fallback Language");
    const ChangeScope scope(this, name);
    const QStringList before = myPreferredLocales;
    const QString localePart = entry->section(QLatin1Char(','), 0, 0);
    myPreferredLocales[idx] = *chosen == noFallbackTitle() ? localePart : QStringLiteral("%1,%2").arg(localePart, *chosen);
    rebuildPreferredLocalesMenu();
    entries->selectItemAtIndex(idx);
    storePreferredLocales(true);
    recordPreferredLocalesChange(before, idx, name);
    updatePreferredLocalesAfterFallbackLanguageHasChanged();
}

void QuorrelAppDelegate::updatePreferredLocalesAfterFallbackLanguageHasChanged()
{
    languages = currentLanguages();
    locales = appleLocale();
    showProgress(true);
    updateLanguagesFromPreferredLocale();
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated,
                                                             outlets.languagesTable);
    updateRegionsFromPreferredLocale();
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLocalesHaveBeenUpdated,
                                                             outlets.regionsTable);
    showProgress(false);
}
