// The old-style value parser of `defaults write`. A value it accepts must be one the store keeps:
// written into a domain, the file reads back.
#include "FuzzSupport.h"
#include "tools/defaults/OldStylePlist.h"

#include "plist/PlistCheck.h"
#include "plist/PlistStore.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    plist_t value = defaults_tool::parseOldStylePlist(text, plist_store::kMaxNesting - 1, problem);
    if (!value)
        return 0;
    FUZZ_CHECK(problem.empty(), "a parsed value comes with no problem");
    FUZZ_CHECK(plist_check::value(value, plist_store::kMaxNesting - 1).empty(), "a parsed value is storable");

    plist_store::PlistPtr domain(plist_new_dict());
    plist_dict_set_item(domain.get(), "k", value);
    std::string bytes;
    FUZZ_CHECK(plist_store::toBinary(domain.get(), bytes), "the store writes it back");
    const plist_store::Loaded loaded = plist_store::parse(bytes);
    if (loaded.status != plist_store::LoadStatus::Ok)
        std::fprintf(stderr, "refused: %s\n", loaded.reason.c_str());
    FUZZ_CHECK(loaded.status == plist_store::LoadStatus::Ok, "the written domain reads back");
    return 0;
}
