#pragma once
// One key of a domain's file, read without building the tree of the whole file: a read of one
// key of a large domain (the global domain holding a long language list) then costs the checks of
// the file and the decoding of that key's value alone. The file is refused exactly as load()
// refuses it.
#include "PlistStore.h"

#include <memory>
#include <string>
#include <string_view>

namespace plist_store {

// An array of texts read straight from its file, which it holds: no copy of each item is made,
// so that a list of 100,000 texts costs little more than the file itself.
class TextList {
public:
    TextList();
    ~TextList();
    TextList(TextList&&) noexcept;
    TextList& operator=(TextList&&) noexcept;

    size_t size() const;
    // Item `i` (below size()) as UTF-8: a view into the file, or into `scratch` for a text the file
    // holds as UTF-16. Valid until the next call with the same `scratch`.
    std::string_view at(size_t i, std::string& scratch) const;

private:
    friend struct TextListMaker;
    struct Data;
    std::unique_ptr<Data> data_;
};

struct LoadedKey {
    LoadStatus status = LoadStatus::Missing; // of the file, as load() gives it
    PlistPtr value;                          // when Ok: the key's value, null when the file has no such key
    std::string reason;                      // why a file is Unparsable
    // With TextsApart: an array made of texts only comes as its texts, `value` null.
    bool isTextArray = false;
    TextList texts;
};

// How a key's value comes back: always as a node, or an array of texts as its texts, which skips
// making a node per item for a caller that only prints them (a language list).
enum class KeyForm { Node,
                     TextsApart };

// The value under `key` (UTF-8, compared byte for byte) in the domain file at `path`, the same
// node load() followed by plist_dict_get_item() would give.
LoadedKey loadKey(const std::string& path, std::string_view key, KeyForm form = KeyForm::Node);

} // namespace plist_store
