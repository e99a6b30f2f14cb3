// domains and find WORD.
#include "Describe.h"
#include "Messages.h"
#include "VerbSupport.h"
#include "Verbs.h"

#include <cctype>

namespace defaults_tool {

namespace {

std::string folded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool contains(std::string_view text, const std::string& word)
{
    return folded(text).find(word) != std::string::npos;
}

// Whether a text anywhere in the value, or a key of a dictionary in it, holds the word.
bool valueContains(plist_t value, const std::string& word)
{
    bool found = false;
    switch (plist_get_node_type(value)) {
    case PLIST_STRING:
        return contains(plist_store::stringValue(value), word);
    case PLIST_ARRAY:
        plist_store::forEachArrayItem(value, [&](plist_t item) { found = found || valueContains(item, word); });
        return found;
    case PLIST_DICT:
        plist_store::forEachDictEntry(value, [&](const std::string& key, plist_t item) {
            found = found || contains(key, word) || valueContains(item, word);
        });
        return found;
    default:
        return false;
    }
}

} // namespace

int domainsVerb(const Invocation& call)
{
    if (call.args.size() != 1)
        return usage();
    std::string list;
    for (const std::string& name : domainNames(call.host))
        list += (list.empty() ? "" : ", ") + name;
    return print(list);
}

int findVerb(const Invocation& call)
{
    if (call.args.size() != 2)
        return usage();
    const std::string word = folded(call.args[1]);
    std::vector<std::string> names = domainNames(call.host);
    names.push_back(".GlobalPreferences");
    int status = 0;
    bool anything = false;
    for (const std::string& name : names) {
        const Domain domain = domainNamed(name, call.host);
        plist_store::Loaded loaded;
        int refused = 0;
        if (!loadDomain(domain, false, loaded, refused)) {
            status = refused;
            continue;
        }
        if (loaded.status != plist_store::LoadStatus::Ok)
            continue;
        const std::string shownName = domain.global ? "Apple Global Domain" : name;
        const bool wholeDomain = contains(shownName, word);
        std::vector<std::pair<std::string, plist_t>> found;
        plist_store::forEachDictEntry(loaded.dict.get(), [&](const std::string& key, plist_t value) {
            if (wholeDomain || contains(key, word) || valueContains(value, word))
                found.emplace_back(key, value);
        });
        if (found.empty())
            continue;
        anything = true;
        const int printed = print("Found " + std::to_string(found.size()) + " keys in domain '" + shownName
                                  + "': " + describeEntries(found));
        if (printed != 0)
            return printed;
    }
    if (!anything && status == 0)
        return nothingFound(call.args[1]);
    return status;
}

} // namespace defaults_tool
