// Checks of parsed and of newly made nodes. Both walk at most plist_store::kMaxNesting levels:
// a loaded file was measured before it was parsed, and a new value is measured here.
#include "PlistCheck.h"

#include "PlistBinaryFormat.h"
#include "PlistStore.h"
#include "Utf8.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace plist_check {

namespace {

const char kNul[] = "a text in it holds a NUL character, which the store cannot keep";

std::string tooDeep(int levels)
{
    return "it nests collections deeper than " + std::to_string(levels) + " levels";
}

std::string textProblem(std::string_view text)
{
    if (std::memchr(text.data(), '\0', text.size()))
        return kNul;
    if (!utf8::isValid(text))
        return "a text in it is not valid UTF-8";
    return {};
}

// `keysOnce`: a loaded file may repeat a key in one dictionary (a binary file can), which libplist
// keeps twice; the store could not write that back as it was read.
std::string walk(plist_t node, int above, int levels, bool keysOnce);

std::string walkArray(plist_t node, int above, int levels, bool keysOnce)
{
    std::string why;
    plist_store::forEachArrayItem(node, [&](plist_t item) {
        if (why.empty())
            why = walk(item, above + 1, levels, keysOnce);
    });
    return why;
}

std::string walkDict(plist_t node, int above, int levels, bool keysOnce)
{
    // libplist hands out each key as a fresh copy; they stay alive while the index refers to them.
    const size_t count = plist_dict_get_size(node);
    std::vector<plist_store::CString> keys;
    keys.reserve(keysOnce ? count : 0);
    plist_binary::TextIndex seen(keysOnce && count > 1 ? count : 0);
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(node, &iter);
    std::string why;
    while (why.empty()) {
        char* rawKey = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iter, &rawKey, &item);
        plist_store::CString key(rawKey);
        if (!item)
            break;
        const std::string_view text = key ? std::string_view(key.get()) : std::string_view();
        why = textProblem(text);
        if (why.empty() && keysOnce && count > 1) {
            keys.push_back(std::move(key));
            const auto keyText = [&](uint32_t n) { return std::string_view(keys[n].get()); };
            if (seen.findOrAdd(text, static_cast<uint32_t>(keys.size() - 1), keyText) != plist_binary::TextIndex::kAbsent)
                why = "a dictionary in it holds the same key twice";
        }
        if (why.empty())
            why = walk(item, above + 1, levels, keysOnce);
    }
    std::free(iter);
    return why;
}

std::string walk(plist_t node, int above, int levels, bool keysOnce)
{
    switch (plist_get_node_type(node)) {
    case PLIST_STRING:
        return textProblem(plist_store::stringValue(node));
    case PLIST_ARRAY:
        return above + 1 > levels ? tooDeep(levels) : walkArray(node, above, levels, keysOnce);
    case PLIST_DICT:
        return above + 1 > levels ? tooDeep(levels) : walkDict(node, above, levels, keysOnce);
    default:
        return {};
    }
}

} // namespace

std::string tree(plist_t root, bool keysUnique)
{
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return "its top level is not a dictionary";
    return walk(root, 0, plist_store::kMaxNesting, !keysUnique);
}

std::string value(plist_t node, int levels)
{
    return walk(node, 0, levels, false);
}

} // namespace plist_check
