#include "VerbSupport.h"

#include "Messages.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <dirent.h>

namespace defaults_tool {

NamedDomain domainAfterVerb(const Invocation& call, size_t fewest, size_t most)
{
    NamedDomain named;
    const size_t used = readDomain(call.args, 1, call.host, named.domain, named.status);
    named.next = used ? 1 + used : 0;
    if (named.next) {
        const size_t after = call.args.size() - named.next;
        if (after < fewest || after > most) {
            named.status = usage();
            named.next = 0;
        }
    }
    return named;
}

bool loadDomain(const Domain& domain, bool changing, plist_store::Loaded& loaded, int& status)
{
    loaded = plist_store::load(domain.path);
    if (loaded.status != plist_store::LoadStatus::Unparsable)
        return true;
    status = unusableFile(domain.shown, domain.path, loaded.reason, changing);
    return false;
}

int print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int reportWrite(plist_store::WriteStatus status, const Domain& domain, const std::string& key,
                const std::string& reason)
{
    switch (status) {
    case plist_store::WriteStatus::Ok:
        return 0;
    case plist_store::WriteStatus::Unparsable:
        return unusableFile(domain.shown, domain.path, reason, true);
    case plist_store::WriteStatus::BadValue:
        return cannotStore("the value of " + key, reason);
    case plist_store::WriteStatus::NotAnArray:
        return notAnArray(key);
    case plist_store::WriteStatus::Missing:
        return domainNotFound(domain.shown);
    case plist_store::WriteStatus::Refused:
    case plist_store::WriteStatus::IoError:
        break;
    }
    return couldNotWrite(domain.shown);
}

std::vector<std::string> domainNames(const Host& host)
{
    std::vector<std::string> names;
    const std::string folder = domainsFolder(host);
    DIR* dir = folder.empty() ? nullptr : ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = domainOfFile(entry->d_name, host);
        if (!name.empty() && name != ".GlobalPreferences")
            names.push_back(std::move(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace defaults_tool
