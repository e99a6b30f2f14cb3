#pragma once
// One key of a domain's file, read without building the tree of the whole file: a read of one
// key of a large domain (the global domain holding a long language list) then costs the checks of
// the file and the decoding of that key's value alone. The file is refused exactly as load()
// refuses it.
#include "PlistStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace plist_store {

struct LoadedKey {
    LoadStatus status = LoadStatus::Missing; // of the file, as load() gives it
    PlistPtr value;                          // when Ok: the key's value, null when the file has no such key
    std::string reason;                      // why a file is Unparsable
    // With TextsApart: an array made of texts only comes as its texts (UTF-8), `value` null.
    bool isTextArray = false;
    std::vector<std::string> texts;
};

// How a key's value comes back: always as a node, or an array of texts as its texts, which skips
// making a node per item for a caller that only prints them (a language list).
enum class KeyForm { Node,
                     TextsApart };

// The value under `key` (UTF-8, compared byte for byte) in the domain file at `path`, the same
// node load() followed by plist_dict_get_item() would give.
LoadedKey loadKey(const std::string& path, std::string_view key, KeyForm form = KeyForm::Node);

} // namespace plist_store
