// Reading and writing the system's language order ("AppleLanguages") and region ("AppleLocale").
#include "QuorrelAppDelegate.h"

#include "LocaleRow.h"
#include "MyRunUsrCommands.h"
#include "SystemVersion.h"

#include <cmath>

static const QString kDefaults = QStringLiteral("/usr/bin/defaults");
static const QString kGlobalDomain = QStringLiteral(".GlobalPreferences");

// Output that is not UTF-8 is treated like no output: the callers want a list either way.
static QString readGlobal(const QString& key)
{
    return MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("read"), kGlobalDomain, key}, kDefaults).value_or(QString());
}

QStringList QuorrelAppDelegate::currentLanguages()
{
    // A write started just before is not awaited; give it time to land.
    sleepForTimeInterval(0.5);
    QString text = readGlobal(QStringLiteral("AppleLanguages"));
    for (const QChar character : {u'\n', u'(', u')', u' ', u'"'})
        text.remove(character);

    QStringList languages = text.split(QLatin1Char(','));
    if (std::floor(system_version::coreFoundationVersionNumber()) > 1299) {
        // Newer systems append the region to each language (en-DE); strip that suffix, and only
        // it. Deleting every "-" and "_" instead would turn zh-Hans into zhHans, which a drop would
        // then write back as the system's language.
        const QString locale = readGlobal(QStringLiteral("AppleLocale")).remove(QLatin1Char('\n'));
        const QStringList fields = locale.split(QLatin1Char('_'));
        // A locale without "_" has no region to strip.
        if (fields.size() >= 2 && !fields[1].isEmpty()) {
            for (QString& language : languages) {
                for (const QChar separator : {u'-', u'_'}) {
                    const QString suffix = separator + fields[1];
                    if (language.size() > suffix.size() && language.endsWith(suffix)) {
                        language.chop(suffix.size());
                        break;
                    }
                }
            }
        }
    }
    return languages;
}

QStringList QuorrelAppDelegate::appleLocale()
{
    QStringList result;
    setBestRegion(0);
    const QString currentLocale = readGlobal(QStringLiteral("AppleLocale")).remove(QLatin1Char('\n'));
    result.append(currentLocale);

    const std::optional<QString> language = firstLanguage();
    if (language) {
        const QString ownCountry = QStringLiteral("%1_%2").arg(*language, language->toUpper());
        for (const QString& identifier : std::as_const(availableRegions)) {
            if (identifier.size() < 3 || identifier.section(QLatin1Char('_'), 0, 0) != *language)
                continue;
            if (identifier == ownCountry)
                setBestRegion(result.size() + 1);
            if (identifier != currentLocale)
                result.append(identifier);
        }
        if (result[0] == ownCountry)
            setBestRegion(1);
        else if (result.size() == 2)
            setBestRegion(2);
    }
    return result;
}

void QuorrelAppDelegate::resortAndSetCurrentLanguages(const Notification&)
{
    languagesAndNames = languageTableData->storedData();
    const qsizetype n = languagesAndNames ? languagesAndNames->size() : 0;
    QString value = QStringLiteral("(");
    // A row without an identifier comes from a read that failed or was cut short: writing the
    // others would drop a language from the system (and no rows at all, "()", every language).
    bool everyRowNamed = n > 0;
    for (qsizetype i = 0; i < n && everyRowNamed; ++i) {
        const QString iso = LocaleRow::isodesignator(languagesAndNames->at(i));
        everyRowNamed = !iso.isEmpty();
        value += iso;
        if (i < n - 1)
            value += QLatin1Char(',');
    }
    value += QLatin1Char(')');
    if (everyRowNamed)
        MyRunUsrCommands::runUsrBin({QStringLiteral("write"), kGlobalDomain, QStringLiteral("AppleLanguages"), value},
                                    kDefaults);
    updateUI();
}

QString QuorrelAppDelegate::identifierOfRegionRow(const QString& row)
{
    qsizetype cut = row.indexOf(QLatin1String(" ("));
    if (cut < 0)
        cut = row.indexOf(QLatin1Char('('));
    return cut < 0 ? row : row.left(cut);
}

void QuorrelAppDelegate::resortAndSetAppleLocales(const Notification&)
{
    const SharedRows rows = regionsTableData->storedData();
    const QString value = rows && !rows->isEmpty() ? identifierOfRegionRow(rows->first().toString()) : QString();
    // An empty region comes from a failed read; writing it would erase the real one.
    if (!value.isEmpty())
        MyRunUsrCommands::runUsrBin({QStringLiteral("write"), kGlobalDomain, QStringLiteral("AppleLocale"), value},
                                    kDefaults);
    updateUI();
}

std::optional<QString> QuorrelAppDelegate::firstLanguage() const
{
    if (!languagesAndNames || languagesAndNames->isEmpty())
        return std::nullopt;
    return LocaleRow::isodesignator(languagesAndNames->first());
}
