#pragma once
// The per-user property-list store: one file per domain in ~/Library/Preferences, as on a Mac.
// Shared by the `defaults` stand-in and the program's own user defaults so both agree on the
// file layout, the locking and the atomic replace.
#include <plist/plist.h>

#include <memory>
#include <string>

namespace plist_store {

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

// "$HOME/Library/Preferences"; empty when HOME is unset or empty.
std::string preferencesFolder();

// Canonical domain name: "-g", "NSGlobalDomain" and ".GlobalPreferences" all name the global domain.
std::string canonicalDomain(const std::string& domain);

// Full path of a domain's file; empty when there is no home folder.
std::string domainPath(const std::string& domain);

enum class LoadStatus { Ok, Missing, Unparsable };
struct Loaded {
    LoadStatus status = LoadStatus::Missing;
    PlistPtr dict; // a dictionary when status is Ok
};

// Reads a whole domain file (binary or XML). A reader never sees half a file because writers
// replace files atomically.
Loaded load(const std::string& path);

enum class WriteStatus { Ok, Unparsable, IoError };

// Read-modify-write of one key under an exclusive lock, then an atomic replace of the file.
// Takes ownership of `value`; a null value removes the key. A file that cannot be parsed is
// left untouched and reported as Unparsable. Creates missing folders.
WriteStatus writeKey(const std::string& path, const std::string& key, plist_t value);

} // namespace plist_store
