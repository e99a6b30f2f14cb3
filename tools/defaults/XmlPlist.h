#pragma once
// A domain as the XML property list `defaults export DOMAIN -` prints: Apple's header, a tab per
// level, keys in code-unit order, base64 data in lines that end at column 76.
#include <plist/plist.h>

#include <string>

namespace defaults_tool {

std::string xmlPlist(plist_t root);

} // namespace defaults_tool
