#include "PlistVariant.h"

#include "plist/PlistStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <QVariantHash>
#include <QVariantList>
#include <QVariantMap>

#include <cstdlib>
#include <limits>
#include <memory>

namespace plist_variant {

namespace {

constexpr qint64 kEpoch2001MSecs = plist_store::kSecondsFrom1970To2001 * 1000;

using Node = plist_store::PlistPtr;

template <typename Container>
plist_t dictNode(const Container& map)
{
    Node dict(plist_new_dict());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        plist_t item = fromVariant(it.value());
        if (!item)
            return nullptr; // one value without a property-list form spoils the whole
        plist_dict_set_item(dict.get(), it.key().toUtf8().constData(), item);
    }
    return dict.release();
}

} // namespace

QVariant toVariant(plist_t node)
{
    if (!node)
        return {};
    switch (plist_get_node_type(node)) {
    case PLIST_STRING: {
        const std::string_view text = plist_store::stringValue(node);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return bool(value);
    }
    case PLIST_UINT: {
        // Binary property lists store integers signed; libplist hands them over as unsigned.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return QVariant::fromValue(static_cast<qint64>(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        return QByteArray(bytes, static_cast<qsizetype>(length));
    }
    case PLIST_DATE:
        return QDateTime::fromMSecsSinceEpoch(kEpoch2001MSecs + plist_store::dateMSecs(node), QTimeZone::utc());
    case PLIST_ARRAY: {
        QVariantList list;
        list.reserve(static_cast<qsizetype>(plist_array_get_size(node)));
        plist_store::forEachArrayItem(node, [&](plist_t item) { list.append(toVariant(item)); });
        return list;
    }
    case PLIST_DICT: {
        QVariantMap map;
        plist_store::forEachDictEntry(node, [&](const std::string& key, plist_t value) {
            map.insert(QString::fromStdString(key), toVariant(value));
        });
        return map;
    }
    default:
        return {};
    }
}

plist_t fromVariant(const QVariant& value)
{
    if (!value.isValid())
        return nullptr;
    switch (value.typeId()) {
    case QMetaType::QString:
        return plist_new_string(value.toString().toUtf8().constData());
    case QMetaType::QStringList: {
        plist_t array = plist_new_array();
        for (const QString& item : value.toStringList())
            plist_array_append_item(array, plist_new_string(item.toUtf8().constData()));
        return array;
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size()));
    }
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        // Stored integers are signed 64-bit; anything larger would read back negative.
        const qulonglong number = value.toULongLong();
        if (number > qulonglong(std::numeric_limits<qint64>::max()))
            return nullptr;
        return plist_new_uint(number);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QDateTime: {
        const QDateTime when = value.toDateTime();
        return when.isValid() ? plist_store::dateNode(when.toMSecsSinceEpoch() - kEpoch2001MSecs) : nullptr;
    }
    case QMetaType::QVariantList: {
        Node array(plist_new_array());
        for (const QVariant& item : value.toList()) {
            plist_t node = fromVariant(item);
            if (!node)
                return nullptr;
            plist_array_append_item(array.get(), node);
        }
        return array.release();
    }
    case QMetaType::QVariantMap:
        return dictNode(value.toMap());
    case QMetaType::QVariantHash:
        return dictNode(value.toHash());
    default:
        return nullptr;
    }
}

} // namespace plist_variant
