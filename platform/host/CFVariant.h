#pragma once
// Conversions between CoreFoundation property-list values and Qt values, for the program's own
// user defaults on a Mac: the same kinds, both ways, as PlistVariant gives the property-list file.
#include <CoreFoundation/CoreFoundation.h>

#include <QVariant>

#include <memory>

namespace cf_variant {

struct Release {
    void operator()(CFTypeRef ref) const { CFRelease(ref); }
};
// A CoreFoundation object this code created or copied, released when it goes.
using Owned = std::unique_ptr<const void, Release>;

// string -> QString, array -> QVariantList, dictionary -> QVariantMap, boolean -> bool, integer ->
// qint64, real -> double, data -> QByteArray, date -> QDateTime; null or other -> invalid QVariant.
QVariant toVariant(CFTypeRef value);

// The reverse; QStringList becomes an array of strings. Null for a value that has no property-list
// form.
Owned fromVariant(const QVariant& value);

} // namespace cf_variant
