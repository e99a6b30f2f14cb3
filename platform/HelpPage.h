#pragma once
// The help page is written once, in English (resources/help/index.html), and translated piece by
// piece through the translation files, context "HelpPage": each title, heading, paragraph and list
// item is one message, its HTML inside it included.
#include <QString>
#include <QStringList>

namespace help_page {

inline constexpr char kContext[] = "HelpPage";

// The page's messages in the order they appear, each with its runs of white space made one space.
QStringList messages(const QString& html);

// The page in the installed translation, marked as written in `language` (a BCP 47 tag).
QString translated(const QString& html, const QString& language);

} // namespace help_page
