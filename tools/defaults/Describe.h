#pragma once
// Text of a value the way the Mac's `defaults read` prints it: the old-style property-list layout
// Foundation uses for descriptions, squeezed into 7-bit ASCII.
#include <plist/plist.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace defaults_tool {

// The whole printout of `node` without the final line break, built in one buffer: the cost is the
// size of the printout, whatever the nesting.
std::string describe(plist_t node);

// The printout of a dictionary made of these entries (keys need not be sorted), for printing part
// of a domain without building a dictionary: libplist 2.2's dictionaries slow down as they grow.
std::string describeEntries(const std::vector<std::pair<std::string, plist_t>>& entries);

// Item `i` of a list of texts, UTF-8, in `scratch` or elsewhere; valid until the next call.
using TextAt = std::function<std::string_view(size_t i, std::string& scratch)>;

// The printout of an array of `count` such texts without the final line break, the same as
// describe() gives of an array node holding them, without the nodes. It is handed to `write` in
// pieces of about 64 KiB, so that a long list needs no buffer of its whole size.
void describeTextArray(size_t count, const TextAt& item, const std::function<void(std::string_view)>& write);

// Appends `text` in the 7-bit form a single text prints in: printable ASCII, newline and tab stay;
// "\" doubles; other characters below 256 become \ooo and the rest \uxxxx per UTF-16 unit. (Texts
// inside collections are quoted first and take another form; see Describe.cpp.)
void appendEscaped7Bit(std::string& out, std::string_view text);

} // namespace defaults_tool
