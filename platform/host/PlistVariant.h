#pragma once
// Conversions between libplist nodes and Qt values, for the program's own user defaults.
#include <plist/plist.h>

#include <QVariant>

namespace plist_variant {

// string -> QString, array -> QVariantList, dict -> QVariantMap, bool -> bool, integer -> qint64,
// real -> double, data -> QByteArray, date -> QDateTime; null or unknown -> invalid QVariant.
QVariant toVariant(plist_t node);

// The reverse; QStringList becomes an array of strings. Returns a new node the caller owns, or
// null for a value that has no property-list form.
plist_t fromVariant(const QVariant& value);

} // namespace plist_variant
