#include "platform/PlistStore.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plist_store {

namespace {

const char kGlobalDomain[] = ".GlobalPreferences";

// Closes a descriptor on every way out, keeping errno as the failing call left it.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0) {
            const int saved = errno;
            ::close(fd_);
            errno = saved;
        }
        fd_ = fd;
    }
    // Closes now and reports a failed close, which on some file systems is where a write error shows.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string parentFolder(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// mkdir -p; folders we make are private, like ~/Library on a Mac.
bool makeFolders(const std::string& folder)
{
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return true;
        errno = ENOTDIR;
        return false;
    }
    if (errno != ENOENT)
        return false;
    const std::string parent = parentFolder(folder);
    if (parent != folder && !makeFolders(parent))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

enum class ReadStatus { Ok, Missing, Error };

ReadStatus readAll(const std::string& path, std::string& out)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Error;
    out.clear();
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return ReadStatus::Error;
        }
        if (n == 0)
            return ReadStatus::Ok;
        out.append(buffer, static_cast<size_t>(n));
    }
}

// A parsed dictionary, or null for anything else (garbage, an empty file, another root type).
PlistPtr parseDictionary(const std::string& bytes)
{
    if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max())
        return nullptr;
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    PlistPtr owned(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return nullptr;
    return owned;
}

struct LockedFile {
    Fd fd;
    bool lock(const std::string& path)
    {
        fd.reset(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        if (fd.get() < 0)
            return false;
        while (::flock(fd.get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return false;
        }
        return true;
    }
    // The lock goes with the descriptor; the lock file itself stays, as removing it would let a
    // waiting writer lock a file nobody else can see any more.
};

// The lock of a domain file: a hidden file beside it, so that it neither shows among the user's
// preference files nor matches a pattern such as com.apple.help*.plist.
std::string lockPath(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    const std::string::size_type name = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name) + "." + path.substr(name) + ".lock";
}

// Writes `bytes` to a new file beside `path` and renames it over `path`, so readers see either the
// old or the new file and never a part of one.
bool replaceFile(const std::string& path, const std::string& bytes, mode_t mode)
{
    std::string temp = path + ".XXXXXX";
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    const bool written = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), bytes.data(), bytes.size())
        && ::fsync(fd.get()) == 0 && fd.close() && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!written) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return false;
    }
    // Make the rename itself durable; a failure here does not undo a replace that readers already see.
    Fd folder(::open(parentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

} // namespace

std::string preferencesFolder()
{
    const char* home = std::getenv("HOME");
    if (!home || !*home)
        return {};
    std::string folder = home;
    if (folder.back() != '/')
        folder += '/';
    return folder + "Library/Preferences";
}

std::string canonicalDomain(const std::string& domain)
{
    if (domain == "-g" || domain == "-globalDomain" || domain == "NSGlobalDomain" || domain == kGlobalDomain)
        return kGlobalDomain;
    return domain;
}

std::string domainPath(const std::string& domain)
{
    if (domain.empty())
        return {};
    // Like the Mac's tool, a domain starting with a slash names a file directly.
    if (domain.front() == '/') {
        const std::string suffix = ".plist";
        const bool hasSuffix = domain.size() > suffix.size()
            && domain.compare(domain.size() - suffix.size(), suffix.size(), suffix) == 0;
        return hasSuffix ? domain : domain + suffix;
    }
    const std::string folder = preferencesFolder();
    if (folder.empty())
        return {};
    return folder + '/' + canonicalDomain(domain) + ".plist";
}

Loaded load(const std::string& path)
{
    Loaded result;
    std::string bytes;
    switch (readAll(path, bytes)) {
    case ReadStatus::Missing:
        result.status = LoadStatus::Missing;
        return result;
    case ReadStatus::Error:
        result.status = LoadStatus::Unparsable;
        return result;
    case ReadStatus::Ok:
        break;
    }
    result.dict = parseDictionary(bytes);
    result.status = result.dict ? LoadStatus::Ok : LoadStatus::Unparsable;
    return result;
}

WriteStatus writeKey(const std::string& path, const std::string& key, plist_t value)
{
    PlistPtr newValue(value);
    if (path.empty()) {
        errno = ENOENT;
        return WriteStatus::IoError;
    }
    // Removing from a domain that does not exist changes nothing; don't leave folders behind for it.
    struct stat existing {};
    if (!newValue && ::stat(path.c_str(), &existing) != 0 && errno == ENOENT)
        return WriteStatus::Ok;
    if (!makeFolders(parentFolder(path)))
        return WriteStatus::IoError;

    LockedFile lock;
    if (!lock.lock(lockPath(path)))
        return WriteStatus::IoError;

    std::string bytes;
    PlistPtr dict;
    mode_t mode = 0600;
    switch (readAll(path, bytes)) {
    case ReadStatus::Missing:
        if (!newValue)
            return WriteStatus::Ok; // removed meanwhile by someone else
        dict.reset(plist_new_dict());
        break;
    case ReadStatus::Error:
        return WriteStatus::IoError;
    case ReadStatus::Ok: {
        dict = parseDictionary(bytes);
        if (!dict)
            return WriteStatus::Unparsable;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
            mode = st.st_mode & 07777;
        break;
    }
    }

    if (newValue) {
        plist_dict_set_item(dict.get(), key.c_str(), newValue.release());
    } else {
        if (!plist_dict_get_item(dict.get(), key.c_str()))
            return WriteStatus::Ok;
        plist_dict_remove_item(dict.get(), key.c_str());
    }

    char* binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict.get(), &binary, &length);
    if (!binary) {
        errno = EINVAL;
        return WriteStatus::IoError;
    }
    bytes.assign(binary, length);
    plist_to_bin_free(binary);
    return replaceFile(path, bytes, mode) ? WriteStatus::Ok : WriteStatus::IoError;
}

RemoveStatus removeDomain(const std::string& path)
{
    struct stat existing {};
    if (path.empty() || (::stat(path.c_str(), &existing) != 0 && errno == ENOENT))
        return RemoveStatus::Missing;
    LockedFile lock;
    if (!lock.lock(lockPath(path)))
        return RemoveStatus::IoError;
    if (::unlink(path.c_str()) == 0)
        return RemoveStatus::Ok;
    return errno == ENOENT ? RemoveStatus::Missing : RemoveStatus::IoError;
}

int64_t dateMSecs(plist_t node)
{
    int32_t sec = 0;
    int32_t usec = 0;
    plist_get_date_val(node, &sec, &usec);
    const int64_t fraction = std::llround(std::abs(usec) / 1000.0);
    const bool negative = usec < 0 || sec < 0;
    return int64_t(sec) * 1000 + (negative ? -fraction : fraction);
}

plist_t dateNode(int64_t msecsSince2001)
{
    // Truncating division keeps second and fraction of one sign, and libplist writes sec + usec.
    const int64_t sec = msecsSince2001 / 1000;
    const int64_t usec = (msecsSince2001 % 1000) * 1000;
    if (sec < std::numeric_limits<int32_t>::min() || sec > std::numeric_limits<int32_t>::max())
        return nullptr;
    return plist_new_date(static_cast<int32_t>(sec), static_cast<int32_t>(usec));
}

} // namespace plist_store
