// Reading and writing the system's language order ("AppleLanguages") and region ("AppleLocale").
#include "QuorrelAppDelegate.h"

#include "LocaleRow.h"
#include "MyRunUsrCommands.h"
#include "platform/LocaleIdentifier.h"
#include "platform/host/SystemVersion.h"

#include <cmath>

static const QString kDefaults = QStringLiteral("/usr/bin/defaults");
static const QString kGlobalDomain = QStringLiteral(".GlobalPreferences");

// Output that is not UTF-8 is treated like no output: the callers want a list either way. The
// value read is remembered whole, as the value an undo would put back.
QString QuorrelAppDelegate::readGlobal(const QString& key)
{
    return readDefaults(kGlobalDomain, key).value_or(QString());
}

// A character the printout of the language order is stripped of before it is cut at its commas.
static bool isDropped(QChar character)
{
    switch (character.unicode()) {
    case u'\n':
    case u'(':
    case u')':
    case u' ':
    case u'"':
        return true;
    default:
        return false;
    }
}

// The printout without its line breaks, parentheses, spaces and quotes, cut at its commas.
static QStringList cutPrintout(const QString& output)
{
    QString text;
    text.reserve(output.size());
    for (const QChar character : output) {
        if (!isDropped(character))
            text.append(character);
    }
    return text.split(QLatin1Char(','));
}

// Whether the items of a list as read are exactly what cutPrintout() gives of its printout: none
// holds a dropped character or a comma, and the list is not empty (cut, "(\n)" is one empty item).
static bool itemsAreTheCutPrintout(const SystemValue& read)
{
    if (read.kind() != SystemValue::Kind::Array || read.items().isEmpty())
        return false;
    for (const QString& item : read.items()) {
        for (const QChar character : item) {
            if (isDropped(character) || character == u',')
                return false;
        }
    }
    return true;
}

QStringList QuorrelAppDelegate::currentLanguages()
{
    // A write started just before is not awaited; give it time to land.
    sleepForTimeInterval(0.5);
    const QString output = readGlobal(QStringLiteral("AppleLanguages"));
    const SystemValue read = lastReadValue(kGlobalDomain, QStringLiteral("AppleLanguages"));
    // A long list is taken apart once, by the read, and checked once for the same list.
    QStringList languages;
    if (!read.items().isEmpty() && read.items().isSharedWith(languagesTakenWhole_))
        languages = read.items();
    else if (itemsAreTheCutPrintout(read))
        languages = languagesTakenWhole_ = read.items();
    else
        languages = cutPrintout(output);

    if (std::floor(system_version::coreFoundationVersionNumber()) > 1299) {
        // Newer systems add a region to each language (en-GB, zh-Hans-CN). The identifiers are
        // kept whole, as the user chose them, and compared by their base; the region is still
        // read, so that a refresh starts the same tools on every system.
        (void)readGlobal(QStringLiteral("AppleLocale"));
    }
    return languages;
}

// The place a language is at home: the region it names (en-GB: en_GB), else the country of its own
// code (de: de_DE; en: en_EN, which does not exist), as a key to compare regions by. A language
// ICU cannot take has no home: an empty key, which no region matches.
static QString ownCountryKey(const QString& language)
{
    if (!locale_id::isWellFormed(language))
        return {};
    if (locale_id::hasRegion(language))
        return locale_id::regionKey(language);
    return locale_id::regionKey(QStringLiteral("%1_%2").arg(language, language.toUpper()));
}

void QuorrelAppDelegate::prepareRegionKeys()
{
    if (regionsKeyed_.isSharedWith(availableRegions)) // any change to the list detaches it from this copy
        return;
    regionKeys_.clear();
    regionKeys_.reserve(availableRegions.size());
    for (const QString& identifier : std::as_const(availableRegions))
        regionKeys_.append({locale_id::base(identifier), locale_id::regionKey(identifier)});
    regionsKeyed_ = availableRegions;
}

QStringList QuorrelAppDelegate::appleLocale()
{
    QStringList result;
    setBestRegion(0);
    const QString currentLocale = readGlobal(QStringLiteral("AppleLocale")).remove(QLatin1Char('\n'));
    result.append(currentLocale);

    const std::optional<QString> language = firstLanguage();
    if (language) {
        // Regions and languages are matched as ICU understands them: en-GB and en_US share the
        // base en, zh_CN is zh_Hans_CN, and en_US@rg=dezzzz is the place en_US.
        const QString languageBase = locale_id::base(*language);
        const QString ownCountry = ownCountryKey(*language);
        const QString currentKey = locale_id::regionKey(currentLocale);
        prepareRegionKeys();
        for (qsizetype i = 0; i < availableRegions.size(); ++i) {
            const QString& identifier = availableRegions[i];
            if (identifier.size() < 3 || regionKeys_[i].base != languageBase)
                continue;
            const QString& key = regionKeys_[i].place;
            if (!ownCountry.isEmpty() && key == ownCountry)
                setBestRegion(result.size() + 1);
            if (key != currentKey)
                result.append(identifier);
        }
        if (!ownCountry.isEmpty() && currentKey == ownCountry)
            setBestRegion(1);
        else if (result.size() == 2)
            setBestRegion(2);
    }
    return result;
}

void QuorrelAppDelegate::resortAndSetCurrentLanguages(const Notification&)
{
    const ChangeScope scope(this, settingName(kGlobalDomain, QStringLiteral("AppleLanguages")));
    languagesAndNames = languageTableData->storedData();
    const qsizetype n = languagesAndNames ? languagesAndNames->size() : 0;
    QString value = QStringLiteral("(");
    // A row without an identifier comes from a read that failed or was cut short: writing the
    // others would drop a language from the system (and no rows at all, "()", every language).
    bool everyRowNamed = n > 0;
    QStringList identifiers;
    for (qsizetype i = 0; i < n && everyRowNamed; ++i) {
        const QString iso = LocaleRow::isodesignator(languagesAndNames->at(i));
        everyRowNamed = !iso.isEmpty();
        identifiers.append(iso);
        value += iso;
        if (i < n - 1)
            value += QLatin1Char(',');
    }
    value += QLatin1Char(')');
    if (everyRowNamed) {
        MyRunUsrCommands::runUsrBin({QStringLiteral("write"), kGlobalDomain, QStringLiteral("AppleLanguages"), value},
                                    kDefaults);
        noteGlobalWrite(QStringLiteral("AppleLanguages"), SystemValue::array(identifiers));
    }
    updateUI();
}

void QuorrelAppDelegate::resortAndSetAppleLocales(const Notification&)
{
    const ChangeScope scope(this, settingName(kGlobalDomain, QStringLiteral("AppleLocale")));
    const SharedRows rows = regionsTableData->storedData();
    const QString value = rows && !rows->isEmpty() ? identifierOfRegionRow(rows->first().toString()) : QString();
    // An empty region comes from a failed read; writing it would erase the real one.
    if (!value.isEmpty()) {
        MyRunUsrCommands::runUsrBin({QStringLiteral("write"), kGlobalDomain, QStringLiteral("AppleLocale"), value},
                                    kDefaults);
        noteGlobalWrite(QStringLiteral("AppleLocale"), SystemValue::text(value));
    }
    updateUI();
}

// The write itself keeps its historical form; the undo step and the check of the refresh that
// follows are added beside it, from the value the last read gave.
void QuorrelAppDelegate::noteGlobalWrite(const QString& key, const SystemValue& written)
{
    const SystemValue before = lastReadValue(kGlobalDomain, key);
    noteWrite(kGlobalDomain, key, written, before);
    recordSystemChange(kGlobalDomain, key, before, written);
}

std::optional<QString> QuorrelAppDelegate::firstLanguage() const
{
    if (!languagesAndNames || languagesAndNames->isEmpty())
        return std::nullopt;
    return LocaleRow::isodesignator(languagesAndNames->first());
}
