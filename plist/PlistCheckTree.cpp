// Checks of parsed and of newly made nodes. Both walk at most plist_store::kMaxNesting levels:
// a loaded file was measured before it was parsed, and a new value is measured here.
#include "PlistCheck.h"

#include "PlistStore.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
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

// A 64-bit hash of a key: equal hashes are where a dictionary may hold a key twice.
uint64_t keyHash(std::string_view text)
{
    uint64_t hash = 1469598103934665603ull; // FNV-1a, then mixed
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash ^= hash >> 31;
    hash *= 0x9e3779b97f4a7c15ull;
    return hash ^ (hash >> 29);
}

// Whether the dictionary holds a key twice, given the hashes of all its keys. Only keys whose hash
// repeats are compared as texts, so a large dictionary costs eight bytes a key and a sort.
bool repeatsAKey(plist_t dict, std::vector<uint64_t>& hashes)
{
    std::sort(hashes.begin(), hashes.end());
    std::vector<uint64_t> repeated;
    for (size_t i = 1; i < hashes.size(); ++i) {
        if (hashes[i] == hashes[i - 1] && (repeated.empty() || repeated.back() != hashes[i]))
            repeated.push_back(hashes[i]);
    }
    if (repeated.empty())
        return false;
    std::vector<std::string> suspects;
    plist_store::forEachDictEntry(dict, [&](const std::string& key, plist_t) {
        if (std::binary_search(repeated.begin(), repeated.end(), keyHash(key)))
            suspects.push_back(key);
    });
    std::sort(suspects.begin(), suspects.end());
    return std::adjacent_find(suspects.begin(), suspects.end()) != suspects.end();
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
    const size_t count = plist_dict_get_size(node);
    const bool checkKeys = keysOnce && count > 1;
    std::vector<uint64_t> hashes;
    hashes.reserve(checkKeys ? count : 0);
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(node, &iter);
    std::string why;
    while (why.empty()) {
        char* rawKey = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iter, &rawKey, &item);
        const plist_store::CString key(rawKey);
        if (!item)
            break;
        const std::string_view text = key ? std::string_view(key.get()) : std::string_view();
        why = textProblem(text);
        if (why.empty() && checkKeys)
            hashes.push_back(keyHash(text));
        if (why.empty())
            why = walk(item, above + 1, levels, keysOnce);
    }
    std::free(iter);
    if (why.empty() && checkKeys && repeatsAKey(node, hashes))
        why = "a dictionary in it holds the same key twice";
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
