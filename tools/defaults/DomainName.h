#pragma once
// Which file a domain argument names. A domain is one file in ~/Library/Preferences (or, with
// -currentHost, in its ByHost folder, as on a Mac); the global domain has four spellings,
// -app NAME names an application's domain by the application's name, and an absolute path names
// a file inside the home folder (PathDomain.h).
#include <string>
#include <vector>

namespace defaults_tool {

struct Domain {
    std::string name;  // ".GlobalPreferences" for the global domain, else the domain's own name or path
    std::string shown; // how messages name it (a path as given)
    std::string path;  // its file
    bool global = false;
};

// The options before the verb that choose the host: none, or -currentHost.
struct Host {
    bool current = false;
};

// The identifier a Mac puts into the names of its ByHost files (its hardware UUID). Here it is
// $QUORREL_HOST_UUID when that is a UUID, else one made from /etc/machine-id, which stays the same
// for the life of the machine, else all zeros.
std::string hostIdentifier();

// The ByHost folder or the preferences folder; empty without a home folder.
std::string domainsFolder(const Host& host);

// Reads the domain that starts at args[pos]: one argument, or two for -app NAME. On success
// fills `domain` and returns how many arguments it took; else gives the message and returns 0
// with the exit status in `status`.
size_t readDomain(const std::vector<std::string>& args, size_t pos, const Host& host, Domain& domain, int& status);

// The domain of a file in domainsFolder(host), or empty when the file names no domain.
std::string domainOfFile(const std::string& fileName, const Host& host);

// The Domain for a canonical name found in the folder (by domains, find and read).
Domain domainNamed(const std::string& name, const Host& host);

} // namespace defaults_tool
