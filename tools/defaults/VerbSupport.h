#pragma once
// What the verbs share: loading a domain with its messages, printing, and turning the store's
// answers into the Mac's messages.
#include "DomainName.h"
#include "Verbs.h"

#include "plist/PlistStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace defaults_tool {

// The domain a verb names right after itself (one argument, or two for -app NAME) and the index
// of the argument after it. When the verb names none, or fewer than `fewest` or more than `most`
// arguments follow it, the message (the usage for a wrong count) has been given, `next` is 0 and
// `status` is the verb's exit status.
struct NamedDomain {
    Domain domain;
    size_t next = 0;
    int status = 0;
};
NamedDomain domainAfterVerb(const Invocation& call, size_t fewest, size_t most = SIZE_MAX);

// Loads a domain. A file the store cannot use is reported (with "Defaults have not been
// changed." when `changing`) and gives false with the status set; a missing file is Missing.
bool loadDomain(const Domain& domain, bool changing, plist_store::Loaded& loaded, int& status);

// Writes `text` and a line break to standard output; 0, or 1 when the output failed.
int print(const std::string& text);

// The message and status for what a write to `domain` came back with (Ok gives 0 and no message).
int reportWrite(plist_store::WriteStatus status, const Domain& domain, const std::string& key,
                const std::string& reason);

// The names of the domains that have a file, in code-unit order, the global domain not among them.
std::vector<std::string> domainNames(const Host& host);

} // namespace defaults_tool
