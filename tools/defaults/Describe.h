#pragma once
// Text of a value the way the Mac's `defaults read` prints it: the old-style property-list layout
// Foundation uses for descriptions, squeezed into 7-bit ASCII.
#include <plist/plist.h>

#include <string>

namespace defaults_tool {

// The whole printout of `node` without the final line break.
std::string describe(plist_t node);

// `text` in 7-bit form: printable ASCII, newline and tab stay; "\" doubles; other characters below
// 256 become \ooo and the rest \uxxxx per UTF-16 unit. `quoted` also escapes '"'.
std::string escape7Bit(const std::string& text, bool quoted);

} // namespace defaults_tool
