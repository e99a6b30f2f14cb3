#include "LanguageChoices.h"

#include "platform/Locale.h"
#include "platform/LocaleIdentifier.h"

#include <QRegularExpression>

#include <unicode/coll.h>
#include <unicode/region.h>
#include <unicode/strenum.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <array>
#include <memory>

namespace language_choices {
namespace {

// Sorts by title as `uiLanguage` sorts (Ö among the O in German, at the end in Swedish).
void sortByTitle(QList<SearchableEntry>& entries, const QString& uiLanguage)
{
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray form = locale_id::icuForm(uiLanguage);
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(form.isEmpty() ? icu::Locale::getRoot() : icu::Locale(form.constData()), status));
    if (U_FAILURE(status) || !collator) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const SearchableEntry& a, const SearchableEntry& b) { return a.title < b.title; });
        return;
    }
    collator->setStrength(icu::Collator::SECONDARY);
    std::stable_sort(entries.begin(), entries.end(), [&](const SearchableEntry& a, const SearchableEntry& b) {
        UErrorCode compareStatus = U_ZERO_ERROR;
        const icu::UnicodeString left(reinterpret_cast<const UChar*>(a.title.utf16()), int32_t(a.title.size()));
        const icu::UnicodeString right(reinterpret_cast<const UChar*>(b.title.utf16()), int32_t(b.title.size()));
        return collator->compare(left, right, compareStatus) == UCOL_LESS;
    });
}

QByteArray part(const char* identifier, int32_t (*get)(const char*, char*, int32_t, UErrorCode*))
{
    std::array<char, ULOC_FULLNAME_CAPACITY> buffer{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = get(identifier, buffer.data(), int32_t(buffer.size()), &status);
    if (U_FAILURE(status) || length <= 0 || length >= int32_t(buffer.size()))
        return {};
    return QByteArray(buffer.data(), length);
}

// ICU's available locales as a Mac lists languages: the language alone, with its script
// (zh-Hant, sr-Latn) or with its region (en-GB, pt-PT, es-419). Locales with both, or with a
// variant (en_US_POSIX), are not languages of their own in that list.
QStringList languageIdentifiers()
{
    QStringList identifiers;
    const int32_t count = uloc_countAvailable();
    for (int32_t i = 0; i < count; ++i) {
        const char* available = uloc_getAvailable(i);
        const QByteArray language = part(available, uloc_getLanguage);
        const QByteArray script = part(available, uloc_getScript);
        const QByteArray country = part(available, uloc_getCountry);
        const QByteArray variant = part(available, uloc_getVariant);
        if (language.isEmpty() || !variant.isEmpty() || (!script.isEmpty() && !country.isEmpty()))
            continue;
        QString identifier = QString::fromLatin1(language);
        if (!script.isEmpty())
            identifier += QLatin1Char('-') + QString::fromLatin1(script);
        if (!country.isEmpty())
            identifier += QLatin1Char('-') + QString::fromLatin1(country);
        if (!identifiers.contains(identifier))
            identifiers.append(identifier);
    }
    return identifiers;
}

// Names start with a capital in a list, as a Mac lists them ("Français", "Asturianu"), also where
// the language writes them in lower case within a sentence.
QString capitalized(QString name)
{
    if (!name.isEmpty() && name.front().isLower())
        name.replace(0, 1, name.front().toUpper());
    return name;
}

bool isPresent(const QString& candidate, const QStringList& present)
{
    if (present.contains(candidate))
        return true;
    const QString base = locale_id::base(candidate);
    const QString region = locale_id::region(candidate);
    for (const QString& language : present) {
        if (!locale_id::isWellFormed(language) || locale_id::base(language) != base)
            continue;
        if (region.isEmpty() || locale_id::region(language) == region)
            return true;
    }
    return false;
}

} // namespace

QList<SearchableEntry> languages(const QString& uiLanguage, const QStringList& present)
{
    const Locale ui(uiLanguage);
    QList<SearchableEntry> entries;
    for (const QString& identifier : languageIdentifiers()) {
        std::optional<QString> uiName = ui.displayNameForIdentifier(identifier);
        if (!uiName)
            continue; // a language ICU cannot name is no choice a user could recognise
        uiName = capitalized(*uiName);
        std::optional<QString> ownName = Locale(identifier).displayNameForIdentifier(identifier);
        if (ownName)
            ownName = capitalized(*ownName);
        SearchableEntry entry;
        entry.identifier = identifier;
        entry.title = !ownName || *ownName == *uiName ? *uiName : QStringLiteral("%1 — %2").arg(*ownName, *uiName);
        entry.searchTexts = {*uiName, ownName.value_or(QString()), QString(identifier).replace(QLatin1Char('-'), QLatin1Char('_'))};
        entry.enabled = !isPresent(identifier, present);
        entries.append(entry);
    }
    sortByTitle(entries, uiLanguage);
    return entries;
}

QList<SearchableEntry> regions(const QString& uiLanguage, const QString& current)
{
    const Locale ui(uiLanguage);
    const QString currentRegion = locale_id::effectiveRegion(current);
    QList<SearchableEntry> entries;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::StringEnumeration> codes(icu::Region::getAvailable(URGN_TERRITORY, status));
    if (U_FAILURE(status) || !codes)
        return entries;
    while (const char* code = codes->next(nullptr, status)) {
        if (U_FAILURE(status))
            break;
        const QString region = QString::fromLatin1(code);
        const std::optional<QString> name = ui.regionName(region);
        if (!name)
            continue;
        entries.append({region, *name, {}, region != currentRegion});
    }
    sortByTitle(entries, uiLanguage);
    return entries;
}

QString localeForRegion(const QString& firstLanguage, const QString& regionCode)
{
    if (!locale_id::isWellFormed(firstLanguage) || regionCode.isEmpty())
        return {};
    // The language and its script as written (Apple writes zh-Hans_DE), without region or keywords.
    const QStringList subtags = locale_id::withoutKeywords(firstLanguage).split(QRegularExpression(QStringLiteral("[-_]")));
    QString language = subtags.value(0);
    if (subtags.size() > 1 && subtags[1].size() == 4)
        language += QLatin1Char('-') + subtags[1];
    const QString identifier = language + QLatin1Char('_') + regionCode;
    return locale_id::isWellFormed(identifier) ? identifier : QString();
}

} // namespace language_choices
