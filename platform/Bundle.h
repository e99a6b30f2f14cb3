#pragma once
#include <QString>

class QCoreApplication;

// The stand-in for NSBundle's string tables, over Qt's translation system: a table is a
// translation context, a key its source text.
namespace bundle {

// Loads the string tables for the user's languages (English when none of them is translated).
void installStringTables(QCoreApplication& app);

// The text under `key` in `table`; `value` when the table lacks the key and `value` is not
// empty; else the key itself.
QString localizedStringForKey(const QString& key, const QString& value, const QString& table);

} // namespace bundle
