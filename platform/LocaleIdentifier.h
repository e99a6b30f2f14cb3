#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// What ICU says about a language or locale identifier as the system stores it: Apple's forms
// (en-GB, zh-Hans-CN, es-419 in "AppleLanguages"; de_DE, en_US@rg=dezzzz in "AppleLocale").
// These answers are for comparing and naming only: an identifier is always written back exactly
// as it was read, never in a form made here.
//
// Every value is checked before ICU sees it: an identifier ICU would take as bogus (an empty
// keyword, a 12-letter language, bytes outside ASCII) is not well formed, and every answer for it
// falls back to the text as it stands.
namespace locale_id {

// The part before "@": en_US@rg=dezzzz gives en_US.
QString withoutKeywords(const QString& identifier);

// Whether ICU can take the identifier as a locale. The empty identifier is not well formed.
bool isWellFormed(const QString& identifier);

// The identifier in ICU's form ("_" between subtags, keywords untouched); empty when it is not
// well formed.
QByteArray icuForm(const QString& identifier);

// The language with its script, the likely one where none is written: en-US, en_GB and en all
// give en-Latn, zh-Hans-CN and zh_CN give zh-Hans, zh-Hant-HK gives zh-Hant. Two identifiers
// name the same language when their bases are equal. An identifier that is not well formed is its
// own base.
QString base(const QString& identifier);

// The region subtag (GB for en_GB, 419 for es-419, CN for zh-Hans-CN), empty when there is none.
QString region(const QString& identifier);

// The region whose formats apply: the one "@rg=" names (dezzzz gives DE) where it names one,
// else the identifier's own region.
QString effectiveRegion(const QString& identifier);

// The locale without keywords in full, with likely script: de_DE gives de_Latn_DE, zh_CN and
// zh_Hans_CN both give zh_Hans_CN. Two locale identifiers stand for the same place in the region
// table when their keys are equal. An identifier that is not well formed is its own key.
QString regionKey(const QString& identifier);

// Whether the identifier names a region at all (de_AT does, de and zh_Hans do not).
inline bool hasRegion(const QString& identifier) { return !region(identifier).isEmpty(); }

// Where `language` stands in `languages` from index `from` on: the identifier itself where it is
// there, else the first one with the same base (a saved de finds de-DE). -1 when neither is.
qsizetype indexOfLanguage(const QStringList& languages, const QString& language, qsizetype from = 0);

// Where the locale `identifier` stands in `locales`: the identifier itself, else the first entry
// that is the same place (zh_CN finds zh_Hans_CN, en_US@currency=EUR finds en_US). -1 when neither is.
qsizetype indexOfLocale(const QStringList& locales, const QString& identifier);

} // namespace locale_id
