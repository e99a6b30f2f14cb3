// import DOMAIN PATH|- and export DOMAIN PATH|-.
#include "Messages.h"
#include "VerbSupport.h"
#include "Verbs.h"
#include "XmlPlist.h"

#include "plist/UniqueFd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace defaults_tool {

namespace {

bool readStream(int fd, std::string& out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out.append(buffer, static_cast<size_t>(n));
    }
}

bool writeStream(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The domain and, at `next`, the path an import or export names; `next` is 0 when the arguments
// are not those, with the message given.
NamedDomain domainAndPath(const Invocation& call)
{
    NamedDomain named = domainAfterVerb(call, 1, 1);
    if (named.next && call.args[named.next].empty()) {
        named.status = usage();
        named.next = 0;
    }
    return named;
}

} // namespace

int importVerb(const Invocation& call)
{
    auto [domain, pathAt, status] = domainAndPath(call);
    if (!pathAt)
        return status;
    const std::string& path = call.args[pathAt];
    std::string bytes;
    if (path == "-") {
        if (!readStream(STDIN_FILENO, bytes))
            return couldNotImport("standard input", std::strerror(errno));
    } else {
        const posix::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd)
            return couldNotImport(path, std::strerror(errno));
        if (!readStream(fd.get(), bytes))
            return couldNotImport(path, std::strerror(errno));
    }
    // The same checks as for a domain's own file: what cannot be kept exactly is not taken in.
    plist_store::Loaded loaded = plist_store::parse(bytes);
    if (loaded.status != plist_store::LoadStatus::Ok)
        return couldNotImport(path == "-" ? "standard input" : path, "it cannot be used: " + loaded.reason);
    std::string reason;
    return reportWrite(plist_store::replaceDomain(domain.path, loaded.dict.release(), &reason), domain, std::string(),
                       reason);
}

int exportVerb(const Invocation& call)
{
    auto [domain, pathAt, status] = domainAndPath(call);
    if (!pathAt)
        return status;
    const std::string& path = call.args[pathAt];
    plist_store::Loaded loaded;
    if (!loadDomain(domain, false, loaded, status))
        return status;
    if (loaded.status == plist_store::LoadStatus::Missing)
        return domainMissing(domain.shown);
    if (path == "-") {
        const std::string xml = xmlPlist(loaded.dict.get());
        std::fwrite(xml.data(), 1, xml.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    // A file gets the binary form, as the Mac's tool saves it.
    std::string bytes;
    if (!plist_store::toBinary(loaded.dict.get(), bytes))
        return couldNotExport(path, "the domain could not be converted");
    posix::UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd)
        return couldNotExport(path, std::strerror(errno));
    const bool written = writeStream(fd.get(), bytes);
    const int error = errno;
    if (!fd.close() || !written)
        return couldNotExport(path, std::strerror(written ? errno : error));
    return 0;
}

} // namespace defaults_tool
