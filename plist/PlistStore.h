#pragma once
// The per-user property-list store: one file per domain in ~/Library/Preferences, as on a Mac.
// Shared by the `defaults` stand-in and the program's own user defaults so both agree on the
// file layout, the locking and the atomic replace.
#include <plist/plist.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace plist_store {

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

// Strings that libplist hands out with malloc.
struct FreeDeleter {
    void operator()(char* text) const { std::free(text); }
};
using CString = std::unique_ptr<char, FreeDeleter>;

// Calls visit(key, value) for each entry of a dictionary node, in the dictionary's own order.
template <typename Visit>
void forEachDictEntry(plist_t dict, Visit visit)
{
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(dict, &iter);
    for (;;) {
        char* rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, iter, &rawKey, &value);
        const CString key(rawKey);
        if (!value)
            break;
        visit(std::string(key ? key.get() : ""), value);
    }
    std::free(iter);
}

// Calls visit(item) for each item of an array node, in order. Walks the list once: libplist 2.2's
// plist_array_get_item walks from the start for arrays read from a binary file, so an index loop
// over such an array is quadratic.
template <typename Visit>
void forEachArrayItem(plist_t array, Visit visit)
{
    plist_array_iter iter = nullptr;
    plist_array_new_iter(array, &iter);
    for (;;) {
        plist_t item = nullptr;
        plist_array_next_item(array, iter, &item);
        if (!item)
            break;
        visit(item);
    }
    std::free(iter);
}

// The text of a PLIST_STRING node, without a copy and with its true length; empty for other
// nodes. plist_get_string_val aborts on a text holding a NUL byte, so nothing here uses it.
inline std::string_view stringValue(plist_t node)
{
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    return text ? std::string_view(text, static_cast<size_t>(length)) : std::string_view();
}

// How deep a file may nest collections, the domain's own dictionary counting as the first level.
// Deep enough for any real preference, shallow enough that nothing that walks a file recursively
// (libplist, the printer, the program's conversions) can exhaust the stack. Files nested deeper
// are refused before they are parsed, and a value written into a domain may nest one level less.
constexpr int kMaxNesting = 256;

// "$HOME/Library/Preferences"; empty when HOME is unset or empty.
std::string preferencesFolder();

// Canonical domain name: "-g", "-globalDomain", "NSGlobalDomain" and ".GlobalPreferences" all name
// the global domain.
std::string canonicalDomain(const std::string& domain);

// A domain name names one file in the preferences folder: it is not empty and holds neither "/"
// nor "..", so that no name reaches outside the folder.
bool isValidDomainName(const std::string& domain);

// Full path of a domain's file; empty when there is no home folder or the name is not valid.
std::string domainPath(const std::string& domain);

enum class LoadStatus { Ok,
                        Missing,
                        Unparsable };
struct Loaded {
    LoadStatus status = LoadStatus::Missing;
    PlistPtr dict;      // a dictionary when status is Ok
    std::string reason; // why a file is Unparsable, worded to follow "cannot be used: "
};

// Reads a whole domain file (binary or XML). A reader never sees half a file because writers
// replace files atomically. A file the store could not write back exactly as it reads it is
// Unparsable, as is one that is not a property list holding a dictionary (see PlistCheck.h).
Loaded load(const std::string& path);

// The same for the bytes of a file held in memory.
Loaded parse(std::string_view bytes);

enum class WriteStatus {
    Ok,
    Unparsable, // the domain's file is not one the store can use; left untouched
    IoError,    // errno tells why
    BadValue,   // the value itself cannot be stored (nested too deeply, a text with NUL)
    NotAnArray, // appendToArray() found a value of another kind under the key
    Refused,    // editDomain(): the edit itself declined; the file is left untouched
    Missing,    // editDomain() without creating: the domain has no file
};

// Read-modify-write of one key under an exclusive lock, then an atomic replace of the file.
// Takes ownership of `value`; a null value removes the key. A file that cannot be used is left
// untouched and reported as Unparsable. Creates missing folders. Files are written in the binary
// format, as a Mac writes them. `reason`, when given, receives why for Unparsable and BadValue.
WriteStatus writeKey(const std::string& path, const std::string& key, plist_t value, std::string* reason = nullptr);

// Appends the items of the array `items` (taking ownership) to the array under `key` in one
// read-modify-write, or stores `items` itself when the key is missing.
WriteStatus appendToArray(const std::string& path, const std::string& key, plist_t items,
                          std::string* reason = nullptr);

// What an edit did to a domain's dictionary: Changed writes it back, the others leave the file as
// it was (NotAnArray: the key to append to holds something else).
enum class Edit { Changed,
                  Unchanged,
                  Refused,
                  NotAnArray };

// Read-modify-write of a whole domain under its lock: `edit` changes the dictionary in place (a
// new, empty one when the file is missing and `createIfMissing`); Changed writes it back, the
// others leave the file exactly as it was. New values it adds must have passed
// storableValue() for the level they go to. Without `createIfMissing` a missing domain gives
// Missing and `edit` is not called.
WriteStatus editDomain(const std::string& path, bool createIfMissing, const std::function<Edit(plist_t dict)>& edit,
                       std::string* reason = nullptr);

// For a process that exits right after its writes (the `defaults` stand-in): the domain read for
// a write is not freed afterwards.
void keepWrittenTreesUntilExit();

// Replaces the whole domain with the dictionary `dict` (taking ownership), under the lock.
WriteStatus replaceDomain(const std::string& path, plist_t dict, std::string* reason = nullptr);

// Whether `value` may be stored `depth` levels below the domain's dictionary (1 for a key's
// value): nested within the limit, texts without NUL. `reason` receives why not.
bool storableValue(plist_t value, int depth, std::string* reason = nullptr);

enum class RemoveStatus { Ok,
                          Missing,
                          IoError };

// Deletes a whole domain file, under the same lock as writeKey(). On IoError, errno tells why.
RemoveStatus removeDomain(const std::string& path);

// The bplist00 bytes of `root`, written in time that grows with its size (libplist 2.2's
// plist_to_bin does not); equal texts and keys are stored once, as on a Mac. False for a node
// that has no binary form.
// What the file being replaced held (read from its trailer and its size): a writer that sizes its
// tables from these once does not copy them as they grow. Hints only; zero for none.
struct BinarySizeHint {
    size_t objects = 0;
    size_t bytes = 0;
};
bool toBinary(plist_t root, std::string& out, const BinarySizeHint& hint = {});

// The same for `root` with `key` set to `value` in it (in its place when the key is there, else
// added at the end), leaving `root` itself as it is. False also when `root` is not a dictionary.
bool toBinaryWithKey(plist_t root, std::string_view key, plist_t value, std::string& out,
                     const BinarySizeHint& hint = {});

// The same bytes written to `fd` (an empty file open for reading and writing) as they are made,
// in pieces: a large domain's new file is never held whole in memory. A null `value` writes `root`
// as it is. False with errno set when the tree has no binary form (EINVAL) or writing failed.
bool writeBinaryFile(int fd, plist_t root, std::string_view key, plist_t value, const BinarySizeHint& hint = {});

// Property-list dates count from 2001-01-01 00:00:00 UTC, this many seconds after the Unix epoch.
constexpr int64_t kSecondsFrom1970To2001 = 978307200;

// Milliseconds from 2001-01-01 00:00:00 UTC of a PLIST_DATE node, rounded to the nearest. libplist
// 2.2 loads a date before 2001 as a truncated second plus an unsigned fraction, and dates made with
// dateNode() carry the fraction's sign; both read right here. (Less than a second before 2001,
// libplist has already lost the sign when loading.)
int64_t dateMSecs(plist_t node);

// A new PLIST_DATE node that libplist writes out as exactly this time; null outside the range a
// libplist date can hold (about 1933 to 2069).
plist_t dateNode(int64_t msecsSince2001);

} // namespace plist_store
