// The rows of the language table and the region table, with names from the platform's locales.
#include "QuorrelAppDelegate.h"

#include "Locale.h"
#include "LocaleRow.h"

// An identifier the platform cannot name is shown by its identifier.
static QString nameOf(const Locale& displayLanguage, const QString& identifier)
{
    return displayLanguage.displayNameForIdentifier(identifier).value_or(identifier);
}

QStringList QuorrelAppDelegate::currentLanguagesNames(const QStringList& identifiers) const
{
    const Locale displayLanguage(identifiers.value(0));
    QStringList names;
    for (const QString& identifier : identifiers)
        names.append(QStringLiteral("%1 (%2)").arg(identifier, nameOf(displayLanguage, identifier)));
    return names;
}

SharedRows QuorrelAppDelegate::currentLanguagesAndNames(const QStringList& identifiers) const
{
    const Locale displayLanguage(identifiers.value(0));
    auto rows = std::make_shared<QVariantList>();
    for (const QString& identifier : identifiers)
        rows->append(LocaleRow::make(nameOf(displayLanguage, identifier), identifier));
    return rows;
}

void QuorrelAppDelegate::updateLanguages()
{
    languages = currentLanguages();
    updateLanguagesFromPreferredLocale();
}

void QuorrelAppDelegate::updateLanguagesFromPreferredLocale()
{
    languagesNames = currentLanguagesNames(languages);
    languagesAndNames = currentLanguagesAndNames(languages);
    languageTableData->setStoredData(languagesAndNames);
    outlets.languagesTable->setDataSource(languageTableData.get());
    outlets.languagesTable->reloadData();
}

SharedRows QuorrelAppDelegate::regionsNames(const QStringList& identifiers) const
{
    const Locale displayLanguage(firstLanguage().value_or(QString()));
    auto rows = std::make_shared<QVariantList>();
    for (const QString& identifier : identifiers) {
        QString row = identifier;
        const QString name = displayLanguage.displayNameForIdentifier(identifier).value_or(QString());
        qsizetype from = name.indexOf(QLatin1String(" ("));
        if (from < 0)
            from = name.indexOf(QLatin1Char('('));
        if (from >= 0)
            row += name.mid(from);
        rows->append(row);
    }
    return rows;
}

void QuorrelAppDelegate::showRegions(qint64 selectedRow)
{
    regions = regionsNames(locales);
    regionsTableData->setStoredData(regions);
    outlets.regionsTable->setDataSource(regionsTableData.get());
    outlets.regionsTable->reloadData();
    outlets.regionsTable->deselectAll(outlets.regionsTable);
    if (selectedRow >= 0)
        outlets.regionsTable->selectRowIndexes({selectedRow}, false);
    updateRegionPreview();
}

void QuorrelAppDelegate::updateRegions()
{
    locales = appleLocale();
    showRegions(getBestRegion() - 1);
}

void QuorrelAppDelegate::updateRegionsFromPreferredLocale()
{
    showRegions(0);
}
