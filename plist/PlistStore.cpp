#include "PlistStore.h"

#include "ByteBuffer.h"
#include "DecimalNumber.h"
#include "PlistCheck.h"
#include "PlistCompat.h"
#include "PlistLoadSteps.h"
#include "UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plist_store {

namespace {

const char kGlobalDomain[] = ".GlobalPreferences";

using byte_buffer::ByteBuffer;
using posix::UniqueFd;

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

enum class ReadStatus { Ok,
                        Missing,
                        Error,
                        NotARegularFile,
                        Link };

// Reads `fd` to its end into `out`, in as few reads as its `expected` size allows (plus one byte,
// so that the read that finds the end needs no more room). A file that grows meanwhile still reads
// whole.
bool readToEnd(int fd, size_t expected, ByteBuffer& out)
{
    out.clear();
    out.resize(expected + 1);
    size_t used = 0;
    for (;;) {
        if (used == out.size())
            out.resize(2 * out.size());
        const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            out.resize(used);
            return true;
        }
        used += static_cast<size_t>(n);
    }
}

// Reads a domain's file whole. Only a regular file is read: opening a FIFO would wait for a
// writer for ever (holding the domain's lock, when writing), and a device is no settings file.
// `followLink` false: a link is reported as such, not read.
ReadStatus readAll(const std::string& path, ByteBuffer& out, bool followLink)
{
    struct stat before {};
    if ((followLink ? ::stat(path.c_str(), &before) : ::lstat(path.c_str(), &before)) != 0)
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Error;
    if (S_ISLNK(before.st_mode))
        return ReadStatus::Link;
    if (!S_ISREG(before.st_mode))
        return ReadStatus::NotARegularFile;
    // O_NONBLOCK: should a FIFO take the file's place after the look above, the open still
    // returns at once and the check below refuses it.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW)));
    if (fd.get() < 0) {
        if (errno == ELOOP && !followLink)
            return ReadStatus::Link;
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Error;
    }
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0)
        return ReadStatus::Error;
    if (!S_ISREG(opened.st_mode))
        return ReadStatus::NotARegularFile;
    return readToEnd(fd.get(), static_cast<size_t>(opened.st_size), out) ? ReadStatus::Ok : ReadStatus::Error;
}

// Why a file that is not a regular one is not used, worded like the other reasons.
std::string refusedKind(ReadStatus status)
{
    return status == ReadStatus::Link ? "it is a symbolic link, and a write would part it from the file it names"
                                      : "it is not a regular file";
}

Loaded unparsable(std::string reason)
{
    Loaded result;
    result.status = LoadStatus::Unparsable;
    result.reason = std::move(reason);
    return result;
}

// load()'s checks before libplist parses: `bytes` becomes the checked bplist00 form of the file
// (an XML file's is made into `fromXml`). Empty when usable, else why not.
std::string checkBytes(std::string_view& bytes, std::string& fromXml)
{
    if (bytes.empty())
        return "it is empty";
    if (bytes.substr(0, 6) == "bplist" && bytes.substr(0, 8) != "bplist00")
        return "it is a binary property list of a version other than bplist00";
    if (bytes.substr(0, 8) != "bplist00") {
        const decimal_number::CNumericLocale cNumbers;
        std::string why = plist_check::xml(bytes, fromXml);
        if (!why.empty())
            return why;
        bytes = fromXml;
    }
    if (bytes.size() > std::numeric_limits<uint32_t>::max())
        return "it is larger than 4 GiB";
    return plist_check::binary(bytes);
}

// Frees the bytes a tree is parsed from, once it is built.
using FreeBytes = std::function<void()>;

// The whole tree of checked bplist00 bytes. `freeBytes`, when given, frees those bytes as soon as
// libplist's tree is built, so that a large file is not held twice through the checks.
Loaded parseChecked(std::string_view bytes, bool fromXml, const FreeBytes& freeBytes)
{
    plist_t root = nullptr;
    plist_from_bin(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    PlistPtr owned(root);
    if (freeBytes)
        freeBytes();
    if (!root)
        return unparsable("it is not a property list");
    std::string why = plist_check::tree(root, fromXml);
    if (!why.empty())
        return unparsable(std::move(why));
    Loaded result;
    result.status = LoadStatus::Ok;
    result.dict = std::move(owned);
    return result;
}

// The tree of a file's bytes, which `freeBytes` (when given) frees as soon as they are no longer
// needed.
Loaded parseBytes(std::string_view bytes, const FreeBytes& freeBytes)
{
    std::string fromXml;
    std::string why = checkBytes(bytes, fromXml);
    if (!why.empty())
        return unparsable(std::move(why));
    if (fromXml.empty())
        return parseChecked(bytes, false, freeBytes);
    if (freeBytes)
        freeBytes(); // the XML text; its bplist00 form is in fromXml
    return parseChecked(bytes, true, [&fromXml] { std::string().swap(fromXml); });
}

struct LockedFile {
    UniqueFd fd;
    bool lock(const std::string& path)
    {
        fd.reset(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
        struct stat st {};
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
            return false;
        if (!S_ISREG(st.st_mode)) {
            errno = EINVAL; // a FIFO or device in the lock file's place
            return false;
        }
        while (::flock(fd.get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return false;
        }
        return true;
    }
    // The lock goes with the descriptor; the lock file itself stays, as removing it would let a
    // waiting writer lock a file nobody else can see any more.
};

// A hidden file beside a domain's file, so that it neither shows among the user's preference
// files nor matches a pattern such as com.apple.help*.plist.
std::string hiddenBeside(const std::string& path, const char* suffix)
{
    const std::string::size_type slash = path.rfind('/');
    const std::string::size_type name = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name) + "." + path.substr(name) + suffix;
}

std::string lockPath(const std::string& path)
{
    return hiddenBeside(path, ".lock");
}

// The one temporary file of a domain. Only a writer holding the domain's lock uses it, so writers
// that die half-way leave at most this one file, which the next writer replaces; no name the
// store did not make is ever removed.
std::string tempPath(const std::string& path)
{
    return hiddenBeside(path, ".tmp");
}

// Has `fill` write the new contents into the domain's temporary file and renames that over
// `path`, so readers see either the old or the new file and never a part of one. The caller holds
// the domain's lock. On any failure the temporary file goes and the old file stays as it was.
bool replaceFile(const std::string& path, const std::function<bool(int fd)>& fill, mode_t mode)
{
    const std::string temp = tempPath(path);
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT)
        return false;
    // Read as well as written: the writer reads back texts it has already put in the file.
    UniqueFd fd(::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return false;
    const bool written = ::fchmod(fd.get(), mode) == 0 && fill(fd.get()) && ::fsync(fd.get()) == 0 && fd.close()
        && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!written) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return false;
    }
    // Make the rename itself durable; a failure here does not undo a replace that readers already see.
    UniqueFd folder(::open(parentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

// The number of objects a binary file's trailer gives, within what its size allows; 0 for XML.
size_t binaryObjectCount(std::string_view bytes)
{
    if (bytes.size() < 40 || bytes.substr(0, 8) != "bplist00")
        return 0;
    uint64_t count = 0;
    for (size_t i = bytes.size() - 24; i < bytes.size() - 16; ++i)
        count = (count << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<size_t>(std::min<uint64_t>(count, bytes.size()));
}

bool exitsAfterWriting = false;

// Freeing a large domain node by node costs about a tenth of its write; a process that exits
// right after gives the memory back at once. The tree stays reachable until the very end, so leak
// checkers are quiet: the list itself is never destroyed, since a static vector's destructor would
// run before the checker looks and leave the trees unreachable.
void keepIfExitingSoon(PlistPtr& dict)
{
    static auto* const kept = new std::vector<plist_t>;
    if (exitsAfterWriting && dict)
        kept->push_back(dict.release());
}

// One key of the domain's dictionary to write with a new value, set by a change instead of
// changing the dictionary: libplist 2.2 indexes a dictionary of more than 500 keys when one is
// added, in a table whose cost grows with the square of the keys.
struct NewKeyValue {
    std::string_view key;
    plist_t value = nullptr; // owned by the caller
};

// A domain's dictionary as a change starts from it, with what the write back keeps of its file.
struct CurrentDomain {
    PlistPtr dict;
    mode_t mode = 0600;
    BinarySizeHint hint;
};

// Reads the domain's file under its lock into `current` (a new dictionary when it is missing and
// `createIfMissing`). Ok when there is a dictionary to change, else why not.
WriteStatus readCurrent(const std::string& path, bool createIfMissing, std::string* reason, CurrentDomain& current)
{
    ByteBuffer bytes;
    // A link is not followed: the replace below would put a file of its own in the link's place
    // and leave the file the link names with the old contents.
    const ReadStatus read = readAll(path, bytes, false);
    switch (read) {
    case ReadStatus::Missing:
        if (!createIfMissing)
            return WriteStatus::Missing; // removed meanwhile by someone else
        current.dict.reset(plist_new_dict());
        return WriteStatus::Ok;
    case ReadStatus::Error:
        return WriteStatus::IoError;
    case ReadStatus::NotARegularFile:
    case ReadStatus::Link:
        if (reason)
            *reason = refusedKind(read);
        return WriteStatus::Unparsable;
    case ReadStatus::Ok:
        break;
    }
    current.hint = {binaryObjectCount(bytes.view()), bytes.size()};
    Loaded loaded = parseBytes(bytes.view(), [&bytes] { bytes.clear(); });
    if (loaded.status != LoadStatus::Ok) {
        if (reason)
            *reason = loaded.reason;
        return WriteStatus::Unparsable;
    }
    current.dict = std::move(loaded.dict);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        current.mode = st.st_mode & 07777;
    return WriteStatus::Ok;
}

// Read-modify-write under the domain's lock. `change` works on the dictionary (a new one when the
// file is missing, unless `createIfMissing` is false).
WriteStatus update(const std::string& path, bool createIfMissing, std::string* reason,
                   const std::function<Edit(PlistPtr& dict, NewKeyValue& keyValue)>& change)
{
    if (path.empty()) {
        errno = ENOENT;
        return WriteStatus::IoError;
    }
    // Changing nothing in a domain that does not exist: don't leave folders behind for it.
    struct stat existing {};
    if (!createIfMissing && ::stat(path.c_str(), &existing) != 0 && errno == ENOENT)
        return WriteStatus::Missing;
    if (!makeFolders(parentFolder(path)))
        return WriteStatus::IoError;

    LockedFile lock;
    if (!lock.lock(lockPath(path)))
        return WriteStatus::IoError;

    CurrentDomain current;
    const WriteStatus read = readCurrent(path, createIfMissing, reason, current);
    if (read != WriteStatus::Ok)
        return read;
    PlistPtr& dict = current.dict;

    NewKeyValue keyValue;
    switch (change(dict, keyValue)) {
    case Edit::Changed:
        break;
    case Edit::Unchanged:
        return WriteStatus::Ok;
    case Edit::NotAnArray:
        return WriteStatus::NotAnArray;
    case Edit::Refused:
        return WriteStatus::Refused;
    }

    const bool replaced = replaceFile(
        path, [&](int fd) { return writeBinaryFile(fd, dict.get(), keyValue.key, keyValue.value, current.hint); },
        current.mode);
    keepIfExitingSoon(dict);
    return replaced ? WriteStatus::Ok : WriteStatus::IoError;
}

// A value goes one level below the domain's dictionary.
bool storable(plist_t value, std::string* reason)
{
    return storableValue(value, 1, reason);
}

} // namespace

void keepWrittenTreesUntilExit()
{
    exitsAfterWriting = true;
}

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

bool isValidDomainName(const std::string& domain)
{
    return !domain.empty() && domain.find('/') == std::string::npos && domain.find("..") == std::string::npos
        && domain != ".";
}

std::string domainPath(const std::string& domain)
{
    if (!isValidDomainName(domain))
        return {};
    const std::string folder = preferencesFolder();
    if (folder.empty())
        return {};
    return folder + '/' + canonicalDomain(domain) + ".plist";
}

Loaded parse(std::string_view bytes)
{
    return parseBytes(bytes, {});
}

CheckedFile readChecked(const std::string& path)
{
    CheckedFile file;
    switch (const ReadStatus read = readAll(path, file.bytes, true)) {
    case ReadStatus::Missing:
        return file;
    case ReadStatus::Error:
        file.status = LoadStatus::Unparsable;
        file.reason = std::string("it cannot be read: ") + std::strerror(errno);
        return file;
    case ReadStatus::NotARegularFile:
    case ReadStatus::Link:
        file.status = LoadStatus::Unparsable;
        file.reason = refusedKind(read);
        return file;
    case ReadStatus::Ok:
        break;
    }
    std::string_view bytes = file.bytes.view();
    file.reason = checkBytes(bytes, file.converted);
    file.status = file.reason.empty() ? LoadStatus::Ok : LoadStatus::Unparsable;
    file.fromXml = !file.converted.empty();
    if (file.fromXml)
        file.bytes.clear();
    return file;
}

Loaded load(const std::string& path)
{
    CheckedFile file = readChecked(path);
    if (file.status == LoadStatus::Missing)
        return {};
    if (file.status != LoadStatus::Ok)
        return unparsable(std::move(file.reason));
    return parseChecked(file.view(), file.fromXml, [&file] {
        file.bytes.clear();
        std::string().swap(file.converted);
    });
}

bool storableValue(plist_t value, int depth, std::string* reason)
{
    std::string why = plist_check::value(value, kMaxNesting - depth);
    if (why.empty())
        return true;
    if (reason)
        *reason = why;
    return false;
}

WriteStatus writeKey(const std::string& path, const std::string& key, plist_t value, std::string* reason)
{
    PlistPtr newValue(value);
    if (newValue && !storable(newValue.get(), reason))
        return WriteStatus::BadValue;
    const WriteStatus status = update(path, newValue != nullptr, reason, [&](PlistPtr& domain, NewKeyValue& keyValue) {
        plist_t dict = domain.get();
        if (newValue) {
            keyValue = {key, newValue.get()};
            return Edit::Changed;
        }
        if (!plist_dict_get_item(dict, key.c_str()))
            return Edit::Unchanged;
        plist_dict_remove_item(dict, key.c_str());
        return Edit::Changed;
    });
    // Removing a key from a domain that has no file changes nothing.
    return status == WriteStatus::Missing ? WriteStatus::Ok : status;
}

WriteStatus editDomain(const std::string& path, bool createIfMissing, const std::function<Edit(plist_t dict)>& edit,
                       std::string* reason)
{
    return update(path, createIfMissing, reason, [&](PlistPtr& domain, NewKeyValue&) { return edit(domain.get()); });
}

WriteStatus replaceDomain(const std::string& path, plist_t dict, std::string* reason)
{
    PlistPtr newDict(dict);
    if (!newDict || plist_get_node_type(newDict.get()) != PLIST_DICT) {
        if (reason)
            *reason = "the new contents are not a dictionary";
        return WriteStatus::BadValue;
    }
    if (!storableValue(newDict.get(), 0, reason))
        return WriteStatus::BadValue;
    return update(path, true, reason, [&](PlistPtr& domain, NewKeyValue&) {
        domain = std::move(newDict);
        return Edit::Changed;
    });
}

WriteStatus appendToArray(const std::string& path, const std::string& key, plist_t items, std::string* reason)
{
    PlistPtr newItems(items);
    if (!newItems || plist_get_node_type(newItems.get()) != PLIST_ARRAY) {
        if (reason)
            *reason = "the items to append are not an array";
        return WriteStatus::BadValue;
    }
    if (!storable(newItems.get(), reason))
        return WriteStatus::BadValue;
    return update(path, true, reason, [&](PlistPtr& domain, NewKeyValue& keyValue) {
        plist_t dict = domain.get();
        plist_t existing = plist_dict_get_item(dict, key.c_str());
        if (!existing) {
            keyValue = {key, newItems.get()};
            return Edit::Changed;
        }
        if (plist_get_node_type(existing) != PLIST_ARRAY)
            return Edit::NotAnArray;
        // Copies: libplist cannot hand over a node that still has a parent.
        forEachArrayItem(newItems.get(), [&](plist_t item) { plist_array_append_item(existing, plist_copy(item)); });
        return Edit::Changed;
    });
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
    dateParts(node, sec, usec);
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
    return newDate(static_cast<int32_t>(sec), static_cast<int32_t>(usec));
}

} // namespace plist_store
