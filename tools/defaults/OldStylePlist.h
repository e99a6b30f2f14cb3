#pragma once
// Reader for the old-style (OpenStep) property-list text that `defaults write` accepts as a value:
// (a, b), { key = value; }, "quoted \"text\"", <0fbd77>, bare words. libplist reads this form
// only from 2.3 on (plist_from_openstep), and Debian 12 ships 2.2 (see ARCHITECTURE.md,
// "Workarounds bound to a library version").
#include "plist/PlistStore.h"

#include <plist/plist.h>

#include <string>

namespace defaults_tool {

// Returns a new node the caller owns, or null when `text` is not one whole old-style value.
// Collections may nest `levels` deep (a value sits inside its domain's dictionary, which is the
// first of the levels a file may have). A value that parses but cannot be stored (nested deeper,
// or a text holding NUL, which would be cut short) is null with `problem` saying why; a syntax
// error leaves `problem` empty.
plist_t parseOldStylePlist(const std::string& text, int levels, std::string& problem);

} // namespace defaults_tool
