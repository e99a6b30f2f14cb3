// delete DOMAIN [KEY] and rename DOMAIN OLD NEW.
#include "Messages.h"
#include "VerbSupport.h"
#include "Verbs.h"

#include "plist/Utf8.h"

#include <cerrno>

namespace defaults_tool {

int deleteVerb(const Invocation& call)
{
    const auto& args = call.args;
    auto [domain, keyAt, status] = domainAfterVerb(call, 0, 1);
    if (!keyAt)
        return status;
    if (args.size() == keyAt) {
        switch (plist_store::removeDomain(domain.path)) {
        case plist_store::RemoveStatus::Ok:
            return 0;
        case plist_store::RemoveStatus::Missing:
            return domainNotFound(domain.shown);
        case plist_store::RemoveStatus::IoError:
            break;
        }
        return couldNotWrite(domain.shown);
    }
    const std::string& key = args[keyAt];
    const std::string stored = utf8::withLatin1Fallback(key);
    bool missingKey = false;
    std::string reason;
    const plist_store::WriteStatus written = plist_store::editDomain(
        domain.path, false,
        [&](plist_t dict) {
            if (!plist_dict_get_item(dict, stored.c_str())) {
                missingKey = true;
                return plist_store::Edit::Refused;
            }
            plist_dict_remove_item(dict, stored.c_str());
            return plist_store::Edit::Changed;
        },
        &reason);
    if (missingKey)
        return pairMissing(domain.shown, key);
    return reportWrite(written, domain, key, reason);
}

int renameVerb(const Invocation& call)
{
    const auto& args = call.args;
    auto [domain, oldAt, status] = domainAfterVerb(call, 2, 2);
    if (!oldAt)
        return status;
    const std::string oldKey = utf8::withLatin1Fallback(args[oldAt]);
    const std::string newKey = utf8::withLatin1Fallback(args[oldAt + 1]);
    bool missingKey = false;
    std::string reason;
    const plist_store::WriteStatus written = plist_store::editDomain(
        domain.path, false,
        [&](plist_t dict) {
            plist_t value = plist_dict_get_item(dict, oldKey.c_str());
            if (!value) {
                missingKey = true;
                return plist_store::Edit::Refused;
            }
            if (oldKey == newKey)
                return plist_store::Edit::Unchanged;
            plist_dict_set_item(dict, newKey.c_str(), plist_copy(value));
            plist_dict_remove_item(dict, oldKey.c_str());
            return plist_store::Edit::Changed;
        },
        &reason);
    if (missingKey || written == plist_store::WriteStatus::Missing)
        return pairMissing(domain.shown, args[oldAt]);
    return reportWrite(written, domain, args[oldAt], reason);
}

} // namespace defaults_tool
