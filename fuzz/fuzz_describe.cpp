// The printer of `defaults read`: load, then print. What prints must print the same after the
// store has written the file back, or a write would have changed a value.
#include "FuzzSupport.h"
#include "tools/defaults/Describe.h"

#include "plist/PlistStore.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const plist_store::Loaded loaded = plist_store::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (loaded.status != plist_store::LoadStatus::Ok)
        return 0;
    const std::string printed = defaults_tool::describe(loaded.dict.get());
    FUZZ_CHECK(!printed.empty() && printed.front() == '{' && printed.back() == '}', "a domain prints as a dictionary");
    for (const char c : printed)
        FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80, "the printout is 7-bit");

    std::string bytes;
    FUZZ_CHECK(plist_store::toBinary(loaded.dict.get(), bytes), "the store writes it back");
    const plist_store::Loaded again = plist_store::parse(bytes);
    FUZZ_CHECK(again.status == plist_store::LoadStatus::Ok, "a file the store loads, it can write back");
    FUZZ_CHECK(defaults_tool::describe(again.dict.get()) == printed, "writing back changes nothing that prints");
    return 0;
}
