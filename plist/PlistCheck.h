#pragma once
// Checks of a preference file before and after libplist parses it. A file the store cannot keep
// exactly is refused with a reason instead of being read in part or rewritten changed, and no file
// can make libplist or the code above it recurse without bound, expand without bound or abort.
// Each check returns an empty text when the file passes, else why it does not, worded to follow
// "cannot be used: ".
#include <plist/plist.h>

#include <string>
#include <string_view>

namespace plist_check {

// A bplist00 file, before libplist sees it: the trailer and offset table, every object and every
// reference inside the file, only types the store keeps (no sets, nulls, integers over 64 bits,
// dates libplist cannot hold), texts valid and without NUL, nesting within
// plist_store::kMaxNesting, no collection inside itself, and the nodes the file expands to, a
// shared object counted at every use, within what its size allows.
std::string binary(std::string_view bytes);

// An XML file, read whole: an encoding the store reads (UTF-8, US-ASCII, or ISO-8859-1), valid
// UTF-8 without NUL, exactly one value (in an optional <plist>) and that a dictionary, every key
// with one value, nesting within the limit, and leaf values the store keeps exactly (integers,
// reals, dates, base64 data). `binary` receives the same values as a bplist00 file, which the
// store then reads as any binary file: libplist reads that in time that follows its size.
// Reals are read in the thread's locale: call it in the C locale.
std::string xml(std::string_view bytes, std::string& binary);

// The parsed tree: a dictionary at the top, every text and key valid UTF-8 without NUL, no key
// twice in one dictionary (unless `keysUnique`: made by xml(), which keeps each key once).
std::string tree(plist_t root, bool keysUnique = false);

// A node made in memory (a value about to be written): nested at most `levels` deep, texts
// without NUL.
std::string value(plist_t node, int levels);

} // namespace plist_check
