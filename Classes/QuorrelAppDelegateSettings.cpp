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

QStringList QuorrelAppDelegate::currentLanguages()
{
    // A write started just before is not awaited; give it time to land.
    sleepForTimeInterval(0.5);
    const QString output = readGlobal(QStringLiteral("AppleLanguages"));
    // The printout without its line breaks, parentheses, spaces and quotes, in one pass.
    QString text;
    text.reserve(output.size());
    for (const QChar character : output) {
        switch (character.unicode()) {
        case u'\n':
        case u'(':
        case u')':
        case u' ':
        case u'"':
            break;
        default:
            text.append(character);
        }
    }

    if (std::floor(system_version::coreFoundationVersionNumber()) > 1299) {
        // Newer systems add a region to each language (en-GB, zh-Hans-CN). The identifiers are
        // kept whole, as the user chose them, and compared by their base; the region is still
        // read, so that a refresh starts the same tools on every system.
        (void)readGlobal(QStringLiteral("AppleLocale"));
    }
    return text.split(QLatin1Char(','));
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
        for (const QString& identifier : std::as_const(availableRegions)) {
            if (identifier.size() < 3 || locale_id::base(identifier) != languageBase)
                continue;
            const QString key = locale_id::regionKey(identifier);
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
