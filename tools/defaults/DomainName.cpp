#include "DomainName.h"

#include "Messages.h"
#include "PathDomain.h"

#include "plist/PlistStore.h"

#include <cctype>
#include <cstdlib>
#include <fstream>

namespace defaults_tool {

namespace {

const char kGlobal[] = ".GlobalPreferences";
const char kSuffix[] = ".plist";

bool isUuid(const std::string& text)
{
    if (text.size() != 36)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        if (dash ? text[i] != '-' : !std::isxdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The bundle identifier of NAME.app in one of the folders the sandbox can hold applications in.
std::string bundleIdentifier(const std::string& name)
{
    std::vector<std::string> folders;
    if (const char* home = std::getenv("HOME"); home && *home)
        folders.push_back(std::string(home) + "/Applications");
    const char* root = std::getenv("QUORREL_TOOL_ROOT");
    const std::string base = root ? root : "";
    for (const char* folder : {"/Applications", "/System/Applications", "/System/Library/CoreServices"})
        folders.push_back(base + folder);
    for (const std::string& folder : folders) {
        const plist_store::Loaded info = plist_store::load(folder + '/' + name + ".app/Contents/Info.plist");
        if (info.status != plist_store::LoadStatus::Ok)
            continue;
        plist_t id = plist_dict_get_item(info.dict.get(), "CFBundleIdentifier");
        if (id && plist_get_node_type(id) == PLIST_STRING && !plist_store::stringValue(id).empty())
            return std::string(plist_store::stringValue(id));
    }
    // The applications the sandbox stands in for by processes, not bundles.
    if (name == "Finder")
        return "com.apple.finder";
    if (name == "Dock")
        return "com.apple.dock";
    if (name == "Quorrel")
        return "org.quorrel.Quorrel";
    return {};
}

} // namespace

std::string hostIdentifier()
{
    // Read once: domains, find and read name every domain with it.
    static const std::string identifier = [] {
        if (const char* given = std::getenv("QUORREL_HOST_UUID"); given && isUuid(given))
            return upper(given);
        std::ifstream file("/etc/machine-id");
        std::string id;
        if (file >> id && id.size() == 32) {
            const std::string uuid = id.substr(0, 8) + '-' + id.substr(8, 4) + '-' + id.substr(12, 4) + '-'
                + id.substr(16, 4) + '-' + id.substr(20);
            if (isUuid(uuid))
                return upper(uuid);
        }
        return std::string("00000000-0000-0000-0000-000000000000");
    }();
    return identifier;
}

std::string domainsFolder(const Host& host)
{
    const std::string folder = plist_store::preferencesFolder();
    if (folder.empty() || !host.current)
        return folder;
    return folder + "/ByHost";
}

Domain domainNamed(const std::string& name, const Host& host)
{
    Domain domain;
    domain.name = plist_store::canonicalDomain(name);
    domain.global = domain.name == kGlobal;
    domain.shown = shownDomain(domain.name);
    const std::string folder = domainsFolder(host);
    if (!folder.empty())
        domain.path = folder + '/' + domain.name + (host.current ? "." + hostIdentifier() : "") + kSuffix;
    return domain;
}

size_t readDomain(const std::vector<std::string>& args, size_t pos, const Host& host, Domain& domain, int& status)
{
    if (pos >= args.size() || args[pos].empty()) {
        status = usage();
        return 0;
    }
    size_t used = 1;
    std::string name = args[pos];
    if (name == "-app") {
        if (pos + 1 >= args.size() || args[pos + 1].empty()) {
            status = usage();
            return 0;
        }
        std::string app = args[pos + 1];
        if (endsWith(app, ".app"))
            app.resize(app.size() - 4);
        name = bundleIdentifier(app);
        if (name.empty()) {
            status = noApplication(args[pos + 1]);
            return 0;
        }
        used = 2;
    }
    if (used == 1 && isPathDomain(name)) {
        // A path names its file whatever the host options say. (Only a path given as such: an
        // application's identifier is always a name.)
        std::string why;
        if (!pathDomainFile(name, domain.path, why)) {
            status = refusedPath(name, why);
            return 0;
        }
        domain.name = domain.shown = name;
        domain.global = false;
        return used;
    }
    if (!plist_store::isValidDomainName(name)) {
        status = invalidDomainName(name);
        return 0;
    }
    domain = domainNamed(name, host);
    if (domain.path.empty()) {
        status = noHome();
        return 0;
    }
    return used;
}

std::string domainOfFile(const std::string& fileName, const Host& host)
{
    std::string end = kSuffix;
    if (host.current)
        end = "." + hostIdentifier() + end;
    if (!endsWith(fileName, end) || fileName.size() == end.size())
        return {};
    std::string name = fileName.substr(0, fileName.size() - end.size());
    // Hidden files are the store's own (locks, temporary files), except the global domain's.
    if (name[0] == '.' && name != kGlobal)
        return {};
    // A file named by another spelling of the global domain (NSGlobalDomain.plist) is no domain:
    // that name reads .GlobalPreferences.plist, so listing it would show the global domain twice.
    if (!plist_store::isValidDomainName(name) || plist_store::canonicalDomain(name) != name)
        return {};
    return name;
}

} // namespace defaults_tool
