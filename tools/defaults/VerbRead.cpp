// read and read-type.
#include "Describe.h"
#include "Messages.h"
#include "VerbSupport.h"
#include "Verbs.h"

#include "plist/PlistKeyRead.h"
#include "plist/Utf8.h"

#include <cstdio>

namespace defaults_tool {

namespace {

// `defaults read` alone: every domain, each under its name, the global domain last.
int readAll(const Host& host)
{
    plist_store::PlistPtr all(plist_new_dict());
    int status = 0;
    std::vector<std::string> names = domainNames(host);
    names.push_back(".GlobalPreferences");
    for (const std::string& name : names) {
        const Domain domain = domainNamed(name, host);
        plist_store::Loaded loaded;
        int refused = 0;
        if (!loadDomain(domain, false, loaded, refused)) {
            status = refused; // the others still print; the status says that one did not
            continue;
        }
        if (loaded.status != plist_store::LoadStatus::Ok)
            continue;
        plist_dict_set_item(all.get(), domain.global ? "Apple Global Domain" : name.c_str(), loaded.dict.release());
    }
    const int printed = print(describe(all.get()));
    return status ? status : printed;
}

const char* typeName(plist_t value)
{
    switch (plist_get_node_type(value)) {
    case PLIST_STRING:
        return "string";
    case PLIST_DATA:
        return "data";
    case PLIST_UINT:
        return "integer";
    case PLIST_REAL:
        return "float";
    case PLIST_BOOLEAN:
        return "boolean";
    case PLIST_DATE:
        return "date";
    case PLIST_ARRAY:
        return "array";
    case PLIST_DICT:
        return "dictionary";
    default:
        return "unknown";
    }
}

// The value under `key` of a domain, read without the rest of the domain (an array of texts as its
// texts, with `form` TextsApart). `status` is set when the file cannot be used (reported here).
plist_store::LoadedKey valueOfKey(const Domain& domain, const std::string& key, plist_store::KeyForm form, int& status)
{
    plist_store::LoadedKey loaded = plist_store::loadKey(domain.path, utf8::withLatin1Fallback(key), form);
    if (loaded.status == plist_store::LoadStatus::Unparsable)
        status = unusableFile(domain.shown, domain.path, loaded.reason, false);
    return loaded;
}

// A list of texts printed straight from its file, piece by piece.
int printTextList(const plist_store::TextList& texts)
{
    bool written = true;
    describeTextArray(
        texts.size(), [&texts](size_t i, std::string& scratch) { return texts.at(i, scratch); },
        [&written](std::string_view piece) {
            written = std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size() && written;
        });
    const int printed = print(std::string()); // the line break, and the flush
    return written ? printed : 1;
}

} // namespace

int readVerb(const Invocation& call)
{
    const auto& args = call.args;
    if (args.size() == 1)
        return readAll(call.host);
    auto [domain, keyAt, status] = domainAfterVerb(call, 0, 1);
    if (!keyAt)
        return status;
    if (args.size() == keyAt) {
        plist_store::Loaded loaded;
        if (!loadDomain(domain, false, loaded, status))
            return status;
        if (loaded.status == plist_store::LoadStatus::Missing)
            return domainMissing(domain.shown);
        return print(describe(loaded.dict.get()));
    }
    const std::string& key = args[keyAt];
    const plist_store::LoadedKey value = valueOfKey(domain, key, plist_store::KeyForm::TextsApart, status);
    if (status)
        return status;
    if (value.isTextArray)
        return printTextList(value.texts);
    if (!value.value)
        return pairMissing(domain.shown, key);
    return print(describe(value.value.get()));
}

int readTypeVerb(const Invocation& call)
{
    const auto& args = call.args;
    auto [domain, keyAt, status] = domainAfterVerb(call, 1, 1);
    if (!keyAt)
        return status;
    const std::string& key = args[keyAt];
    const plist_store::LoadedKey value = valueOfKey(domain, key, plist_store::KeyForm::Node, status);
    if (status)
        return status;
    if (!value.value)
        return pairMissing(domain.shown, key);
    return print(std::string("Type is ") + typeName(value.value.get()));
}

} // namespace defaults_tool
