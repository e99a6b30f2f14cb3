#pragma once
#include <QString>
#include <QStringList>

class QCoreApplication;

// The stand-in for NSBundle's string tables and localizations, over Qt's translation system: a
// table is a translation context, a key its source text, and a localization one translation file
// (resources/quorrel_<localization>.ts) holding every context.
namespace bundle {

// The development localization: the one used when none of the user's languages is translated.
inline constexpr char kDevelopmentLocalization[] = "en";

// NSBundle's preferredLocalizationsFromArray:forPreferences:, first entry: the localization, out of
// `localizations`, for a user who prefers `preferredLanguages` (most preferred first). The first
// preferred language that has one wins, else the development localization. A language finds a
// localization named by its Apple or Linux name, cut back from the end ("zh-Hans-CN", "zh_Hans",
// "zh") or widened with its likely script and region ("zh_CN" as "zh_Hans_CN", "pt" as "pt_BR"),
// without regard to case.
QString preferredLocalization(const QStringList& localizations, const QStringList& preferredLanguages);

// The localizations the program carries, named as their translation files are.
QStringList localizations();

// Loads the string tables in the localization for the user's languages as the platform reports
// them, and Qt's own translations for it when the system has them.
void installStringTables(QCoreApplication& app);

// The localization installStringTables chose; the development localization before.
QString currentLocalization();

// The text under `key` in `table`; `value` when the table lacks the key and `value` is not
// empty; else the key itself.
QString localizedStringForKey(const QString& key, const QString& value, const QString& table);

} // namespace bundle
