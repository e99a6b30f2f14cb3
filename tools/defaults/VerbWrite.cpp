// write DOMAIN KEY VALUE... and write DOMAIN 'PLIST'.
#include "Messages.h"
#include "ValueArguments.h"
#include "VerbSupport.h"
#include "Verbs.h"

#include "plist/Utf8.h"

namespace defaults_tool {

namespace {

// The whole domain replaced by one old-style dictionary.
int writeWholeDomain(const Domain& domain, const std::string& rep)
{
    int status = 0;
    plist_store::PlistPtr dict(parseRep(rep, 0, status));
    if (!dict)
        return status;
    if (plist_get_node_type(dict.get()) != PLIST_DICT)
        return repNotADictionary();
    std::string reason;
    const plist_store::WriteStatus written = plist_store::replaceDomain(domain.path, dict.release(), &reason);
    if (written == plist_store::WriteStatus::BadValue)
        return cannotStore(rep, reason);
    return reportWrite(written, domain, std::string(), reason);
}

// -dict-add: the pairs go into the dictionary under the key, or become it.
int addToDictionary(const Domain& domain, const std::string& key, plist_store::PlistPtr pairs)
{
    std::string reason;
    if (!plist_store::storableValue(pairs.get(), 1, &reason))
        return cannotStore("the value of " + key, reason);
    bool notADict = false;
    const plist_store::WriteStatus written = plist_store::editDomain(
        domain.path, true,
        [&](plist_t dict) {
            plist_t existing = plist_dict_get_item(dict, key.c_str());
            if (!existing) {
                plist_dict_set_item(dict, key.c_str(), pairs.release());
                return plist_store::Edit::Changed;
            }
            if (plist_get_node_type(existing) != PLIST_DICT) {
                notADict = true;
                return plist_store::Edit::Refused;
            }
            plist_store::forEachDictEntry(pairs.get(), [&](const std::string& name, plist_t value) {
                plist_dict_set_item(existing, name.c_str(), plist_copy(value));
            });
            return plist_store::Edit::Changed;
        },
        &reason);
    if (notADict)
        return notADictionary(key);
    return reportWrite(written, domain, key, reason);
}

} // namespace

int writeVerb(const Invocation& call)
{
    const auto& args = call.args;
    auto [domain, keyAt, status] = domainAfterVerb(call, 1);
    if (!keyAt)
        return status;
    if (args.size() == keyAt + 1)
        return writeWholeDomain(domain, args[keyAt]);

    WriteValue value;
    if (!parseWriteValue(args, keyAt + 1, value, status))
        return status;
    const std::string key = utf8::withLatin1Fallback(args[keyAt]);
    std::string reason;
    switch (value.mode) {
    case WriteMode::Set:
        return reportWrite(plist_store::writeKey(domain.path, key, value.value.release(), &reason), domain, args[keyAt],
                           reason);
    case WriteMode::ArrayAdd:
        return reportWrite(plist_store::appendToArray(domain.path, key, value.value.release(), &reason), domain,
                           args[keyAt], reason);
    case WriteMode::DictAdd:
        break;
    }
    return addToDictionary(domain, key, std::move(value.value));
}

} // namespace defaults_tool
