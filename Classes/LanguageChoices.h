#pragma once
// What the language and region choosers offer, named by ICU.
#include "platform/SearchableListDialog.h"

#include <QString>
#include <QStringList>

namespace language_choices {

// Every language ICU has data for, in the form a Mac writes in "AppleLanguages" (en, en-GB,
// es-419, zh-Hant, sr-Latn), each named in its own language and in `uiLanguage` ("日本語 — Japanese"),
// sorted by the name in `uiLanguage`. A language already in `present` is shown but cannot be
// chosen: the same identifier, or a language without region whose language is already there (de
// while de-DE is present).
QList<SearchableEntry> languages(const QString& uiLanguage, const QStringList& present);

// Every region ICU knows (DE, GB, 419), named in `uiLanguage` and sorted by that name; the
// region `current` stands in cannot be chosen.
QList<SearchableEntry> regions(const QString& uiLanguage, const QString& current);

// The region value a Mac writes for the first language with another region: the language with its
// script as the language list holds it, "_", the region (en-GB and DE give en_DE, zh-Hans-CN and
// DE give zh-Hans_DE). Empty when the language cannot carry a region.
QString localeForRegion(const QString& firstLanguage, const QString& regionCode);

} // namespace language_choices
