#include "CFVariant.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QString>

#include <limits>
#include <vector>

namespace cf_variant {
namespace {

Owned integerOf(qint64 integer)
{
    return Owned(CFNumberCreate(kCFAllocatorDefault, kCFNumberSInt64Type, &integer));
}

// A dictionary with text keys, or null when one of the values has no property-list form.
template <typename Map>
Owned dictionaryOf(const Map& map)
{
    CFMutableDictionaryRef dictionary =
        CFDictionaryCreateMutable(kCFAllocatorDefault, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    Owned owner(dictionary);
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const Owned value = fromVariant(it.value());
        if (!value)
            return nullptr;
        const Owned key(it.key().toCFString());
        CFDictionarySetValue(dictionary, key.get(), value.get());
    }
    return owner;
}

} // namespace

QVariant toVariant(CFTypeRef value)
{
    if (!value)
        return {};
    const CFTypeID type = CFGetTypeID(value);
    if (type == CFStringGetTypeID())
        return QString::fromCFString(static_cast<CFStringRef>(value));
    // Booleans are a type of their own, not numbers: `defaults write -bool` stores one.
    if (type == CFBooleanGetTypeID())
        return bool(CFBooleanGetValue(static_cast<CFBooleanRef>(value)));
    if (type == CFNumberGetTypeID()) {
        const auto number = static_cast<CFNumberRef>(value);
        if (CFNumberIsFloatType(number)) {
            double real = 0;
            CFNumberGetValue(number, kCFNumberDoubleType, &real);
            return real;
        }
        qint64 integer = 0;
        CFNumberGetValue(number, kCFNumberSInt64Type, &integer);
        return integer;
    }
    if (type == CFArrayGetTypeID()) {
        const auto array = static_cast<CFArrayRef>(value);
        QVariantList list;
        const CFIndex count = CFArrayGetCount(array);
        for (CFIndex i = 0; i < count; ++i)
            list.append(toVariant(CFArrayGetValueAtIndex(array, i)));
        return list;
    }
    if (type == CFDictionaryGetTypeID()) {
        const auto dictionary = static_cast<CFDictionaryRef>(value);
        const std::size_t count = static_cast<std::size_t>(CFDictionaryGetCount(dictionary));
        std::vector<const void*> keys(count);
        std::vector<const void*> values(count);
        CFDictionaryGetKeysAndValues(dictionary, keys.data(), values.data());
        QVariantMap map;
        for (std::size_t i = 0; i < count; ++i) {
            if (CFGetTypeID(keys[i]) == CFStringGetTypeID())
                map.insert(QString::fromCFString(static_cast<CFStringRef>(keys[i])), toVariant(values[i]));
        }
        return map;
    }
    if (type == CFDataGetTypeID())
        return QByteArray::fromCFData(static_cast<CFDataRef>(value));
    if (type == CFDateGetTypeID())
        return QDateTime::fromCFDate(static_cast<CFDateRef>(value));
    return {};
}

Owned fromVariant(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return Owned(value.toString().toCFString());
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        CFMutableArrayRef array = CFArrayCreateMutable(kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);
        Owned owner(array);
        for (const QVariant& item : value.toList()) {
            const Owned element = fromVariant(item);
            if (!element)
                return nullptr;
            CFArrayAppendValue(array, element.get());
        }
        return owner;
    }
    case QMetaType::QByteArray:
        return Owned(value.toByteArray().toCFData());
    case QMetaType::Bool:
        return Owned(CFRetain(value.toBool() ? kCFBooleanTrue : kCFBooleanFalse));
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return integerOf(value.toLongLong());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        // Stored integers are signed 64-bit; anything larger would read back negative.
        const qulonglong number = value.toULongLong();
        if (number > qulonglong(std::numeric_limits<qint64>::max()))
            return nullptr;
        return integerOf(qint64(number));
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double real = value.toDouble();
        return Owned(CFNumberCreate(kCFAllocatorDefault, kCFNumberDoubleType, &real));
    }
    case QMetaType::QDateTime: {
        const QDateTime when = value.toDateTime();
        if (!when.isValid())
            return nullptr;
        return Owned(when.toCFDate());
    }
    case QMetaType::QVariantMap:
        return dictionaryOf(value.toMap());
    case QMetaType::QVariantHash:
        return dictionaryOf(value.toHash());
    default:
        return nullptr;
    }
}

} // namespace cf_variant
