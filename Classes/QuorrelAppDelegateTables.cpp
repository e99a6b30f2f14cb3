// The rows of the language table and the region table, with names from the platform's locales.
#include "QuorrelAppDelegate.h"

#include "LocaleRow.h"
#include "platform/Locale.h"
#include "platform/LocaleIdentifier.h"

#include <QHash>
#include <QStringBuilder>

// Each identifier named once, in the display language: an identifier the platform cannot name is
// shown by its identifier.
static QStringList namesOf(const QStringList& identifiers, const QString& displayLanguageIdentifier)
{
    const Locale displayLanguage(displayLanguageIdentifier);
    QStringList names;
    names.reserve(identifiers.size());
    for (const QString& identifier : identifiers)
        names.append(displayLanguage.displayNameForIdentifier(identifier).value_or(identifier));
    return names;
}

// Named in the first of them, as the system names its preferred languages.
static QStringList namesOf(const QStringList& identifiers)
{
    return namesOf(identifiers, identifiers.value(0));
}

static QStringList namedIdentifiers(const QStringList& identifiers, const QStringList& names)
{
    QStringList texts;
    texts.reserve(identifiers.size());
    for (qsizetype i = 0; i < identifiers.size(); ++i)
        texts.append(identifiers[i] % QLatin1String(" (") % names[i] % QLatin1Char(')')); // one allocation each
    return texts;
}

static SharedRows rowsOf(const QStringList& identifiers, const QStringList& names)
{
    auto rows = std::make_shared<QVariantList>();
    rows->reserve(identifiers.size());
    for (qsizetype i = 0; i < identifiers.size(); ++i)
        rows->append(LocaleRow::make(names[i], identifiers[i]));
    return rows;
}

// ICU's names are the costly part of a long list, and each list is named in its first language:
// for the same first language the last naming is taken again, whole for the same list (a refresh
// with nothing changed), else name by name, so that only languages new to it go to ICU.
QStringList QuorrelAppDelegate::languageNames(const QStringList& identifiers)
{
    const NamedLanguages& last = lastNamedLanguages;
    if (identifiers.isEmpty() || last.identifiers.value(0) != identifiers.first()) {
        lastNamedLanguages = {identifiers, namesOf(identifiers)};
        return lastNamedLanguages.names;
    }
    if (last.identifiers == identifiers)
        return last.names;
    QHash<QString, qsizetype> at;
    at.reserve(last.identifiers.size());
    for (qsizetype i = 0; i < last.identifiers.size(); ++i)
        at.insert(last.identifiers[i], i);
    const Locale displayLanguage(identifiers.first());
    QStringList names;
    names.reserve(identifiers.size());
    for (const QString& identifier : identifiers) {
        const auto found = at.constFind(identifier);
        names.append(found != at.cend() ? last.names[*found]
                                        : displayLanguage.displayNameForIdentifier(identifier).value_or(identifier));
    }
    lastNamedLanguages = {identifiers, names};
    return names;
}

SharedRows QuorrelAppDelegate::languageRowsNamedIn(const QString& displayLanguage, const QStringList& identifiers) const
{
    return rowsOf(identifiers, namesOf(identifiers, displayLanguage));
}

void QuorrelAppDelegate::updateLanguages()
{
    languages = currentLanguages();
    updateLanguagesFromPreferredLocale();
}

void QuorrelAppDelegate::updateLanguagesFromPreferredLocale()
{
    // Both lists come from one naming: ICU's names are the costly part of a long list.
    const QStringList names = languageNames(languages);
    languagesNames = namedIdentifiers(languages, names);
    languagesAndNames = rowsOf(languages, names);
    languageTableData->setStoredData(languagesAndNames);
    outlets.languagesTable->setDataSource(languageTableData.get());
    outlets.languagesTable->reloadData();
    updateLanguageEditButtons();
}

QString QuorrelAppDelegate::regionRowText(const Locale& displayLanguage, const QString& identifier)
{
    // What ICU cannot take is shown as it stands.
    if (!locale_id::isWellFormed(identifier))
        return identifier;
    // The country by its own name, whatever parentheses the language writes around it, and what
    // the keywords stand for rather than their raw text: en_US@rg=dezzzz has the formats of Germany.
    QStringList parts;
    if (const std::optional<QString> country = displayLanguage.regionName(locale_id::effectiveRegion(identifier)))
        parts.append(*country);
    parts.append(displayLanguage.keywordNames(identifier));
    const QString plain = locale_id::withoutKeywords(identifier);
    return parts.isEmpty() ? plain : QStringLiteral("%1 (%2)").arg(plain, parts.join(QStringLiteral(", ")));
}

SharedRows QuorrelAppDelegate::regionsNames(const QStringList& identifiers) const
{
    const Locale displayLanguage(firstLanguage().value_or(QString()));
    auto rows = std::make_shared<QVariantList>();
    rows->reserve(identifiers.size());
    for (const QString& identifier : identifiers)
        rows->append(regionRowText(displayLanguage, identifier));
    return rows;
}

QString QuorrelAppDelegate::identifierOfRegionRow(const QString& row) const
{
    // A row names its identifier only in part (en_US (Germany) for en_US@rg=dezzzz): the rows
    // shown know their whole identifiers.
    const auto known = regionRowIdentifiers.constFind(row);
    if (known != regionRowIdentifiers.cend())
        return *known;
    qsizetype cut = row.indexOf(QLatin1String(" ("));
    if (cut < 0)
        cut = row.indexOf(QLatin1Char('('));
    return cut < 0 ? row : row.left(cut);
}

void QuorrelAppDelegate::showRegions(qint64 selectedRow)
{
    regions = regionsNames(locales);
    regionRowIdentifiers.clear();
    for (qsizetype i = 0; i < regions->size() && i < locales.size(); ++i)
        regionRowIdentifiers.insert(regions->at(i).toString(), locales[i]);
    regionsTableData->setStoredData(regions);
    outlets.regionsTable->setDataSource(regionsTableData.get());
    outlets.regionsTable->reloadData();
    outlets.regionsTable->deselectAll(outlets.regionsTable);
    // The program's selection is a hint, never a choice: only the user's selection moves a region.
    if (selectedRow >= 0)
        outlets.regionsTable->selectHintRow(selectedRow);
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
