// The store's file loading, as the `defaults` stand-in and the program at start-up do it. Any bytes
// either load or are refused with a reason; a loaded file converts to Qt values, and written back
// as the store writes it, loads again.
#include "FuzzSupport.h"

#include "platform/PlistStore.h"
#include "platform/PlistVariant.h"

#include <QVariant>

#include <cstdint>
#include <string>
#include <string_view>

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
    return 0;
}
