#pragma once
// Reader for the old-style (OpenStep) property-list text that `defaults write` accepts as a value:
// (a, b), { key = value; }, "quoted \"text\"", <0fbd77>, bare words. libplist has no such parser.
#include <plist/plist.h>

#include <string>

namespace defaults_tool {

// Returns a new node the caller owns, or null when `text` is not one whole old-style value.
plist_t parseOldStylePlist(const std::string& text);

} // namespace defaults_tool
