// The store's file loading, as the `defaults` stand-in and the program at start-up do it. Any bytes
// either load or are refused with a reason; a loaded file converts to Qt values, and written back
// as the store writes it, loads again holding exactly the values it held.
#include "FuzzSupport.h"

#include "platform/host/PlistVariant.h"
#include "plist/PlistStore.h"

#include <QVariant>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The same values in the same order, bit for bit (a NaN equals the same NaN).
bool sameValues(plist_t a, plist_t b)
{
    const plist_type type = plist_get_node_type(a);
    if (type != plist_get_node_type(b))
        return false;
    switch (type) {
    case PLIST_STRING:
        return plist_store::stringValue(a) == plist_store::stringValue(b);
    case PLIST_BOOLEAN: {
        uint8_t x = 0, y = 0;
        plist_get_bool_val(a, &x);
        plist_get_bool_val(b, &y);
        return (x != 0) == (y != 0);
    }
    case PLIST_UINT: {
        uint64_t x = 0, y = 0;
        plist_get_uint_val(a, &x);
        plist_get_uint_val(b, &y);
        return x == y;
    }
    case PLIST_UID: {
        uint64_t x = 0, y = 0;
        plist_get_uid_val(a, &x);
        plist_get_uid_val(b, &y);
        return x == y;
    }
    case PLIST_REAL: {
        double x = 0, y = 0;
        plist_get_real_val(a, &x);
        plist_get_real_val(b, &y);
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    case PLIST_DATE:
        return plist_store::dateMSecs(a) == plist_store::dateMSecs(b);
    case PLIST_DATA: {
        uint64_t x = 0, y = 0;
        const char* p = plist_get_data_ptr(a, &x);
        const char* q = plist_get_data_ptr(b, &y);
        return x == y && (x == 0 || std::memcmp(p, q, x) == 0);
    }
    case PLIST_ARRAY: {
        if (plist_array_get_size(a) != plist_array_get_size(b))
            return false;
        std::vector<plist_t> items;
        plist_store::forEachArrayItem(b, [&](plist_t item) { items.push_back(item); });
        size_t i = 0;
        bool same = true;
        plist_store::forEachArrayItem(a, [&](plist_t item) { same = same && sameValues(item, items[i++]); });
        return same;
    }
    case PLIST_DICT: {
        if (plist_dict_get_size(a) != plist_dict_get_size(b))
            return false;
        std::vector<std::pair<std::string, plist_t>> entries;
        plist_store::forEachDictEntry(b, [&](const std::string& key, plist_t value) { entries.emplace_back(key, value); });
        size_t i = 0;
        bool same = true;
        plist_store::forEachDictEntry(a, [&](const std::string& key, plist_t value) {
            same = same && entries[i].first == key && sameValues(value, entries[i].second);
            ++i;
        });
        return same;
    }
    default:
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const plist_store::Loaded loaded = plist_store::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (loaded.status != plist_store::LoadStatus::Ok) {
        FUZZ_CHECK(!loaded.reason.empty(), "a refused file has a reason");
        FUZZ_CHECK(!loaded.dict, "a refused file has no dictionary");
        return 0;
    }
    FUZZ_CHECK(plist_get_node_type(loaded.dict.get()) == PLIST_DICT, "a loaded file is a dictionary");
    const QVariant values = plist_variant::toVariant(loaded.dict.get());
    FUZZ_CHECK(values.typeId() == QMetaType::QVariantMap, "a dictionary converts to a map");

    std::string bytes;
    FUZZ_CHECK(plist_store::toBinary(loaded.dict.get(), bytes), "the store writes it back");
    const plist_store::Loaded again = plist_store::parse(bytes);
    if (again.status != plist_store::LoadStatus::Ok)
        std::fprintf(stderr, "refused after writing back: %s\n", again.reason.c_str());
    FUZZ_CHECK(again.status == plist_store::LoadStatus::Ok, "a file the store loads, it can write back");
    FUZZ_CHECK(sameValues(loaded.dict.get(), again.dict.get()), "a file written back holds the values it held");
    return 0;
}
