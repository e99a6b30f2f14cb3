#pragma once
// One function per verb of `defaults`; each takes the whole command line after the host options
// (args[0] is the verb) and returns the exit status.
#include "DomainName.h"

#include <string>
#include <vector>

namespace defaults_tool {

struct Invocation {
    Host host;
    std::vector<std::string> args;
};

int readVerb(const Invocation& call);     // read [DOMAIN [KEY]]
int readTypeVerb(const Invocation& call); // read-type DOMAIN KEY
int writeVerb(const Invocation& call);    // write DOMAIN KEY VALUE..., write DOMAIN 'PLIST'
int deleteVerb(const Invocation& call);   // delete DOMAIN [KEY]
int renameVerb(const Invocation& call);   // rename DOMAIN OLD NEW
int domainsVerb(const Invocation& call);  // domains
int findVerb(const Invocation& call);     // find WORD
int importVerb(const Invocation& call);   // import DOMAIN PATH|-
int exportVerb(const Invocation& call);   // export DOMAIN PATH|-

} // namespace defaults_tool
