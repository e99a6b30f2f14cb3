#pragma once
// The value part of `defaults write DOMAIN KEY ...`: a plain or old-style value, or one of the
// type options (-string, -data, -int[eger], -float, -bool[ean], -date, -array, -array-add, -dict,
// -dict-add) with what each accepts on a Mac. Values are made before the domain is touched, so
// a value that is refused never changes a file.
#include "plist/PlistStore.h"

#include <string>
#include <vector>

namespace defaults_tool {

enum class WriteMode { Set,
                       ArrayAdd,
                       DictAdd };

struct WriteValue {
    plist_store::PlistPtr value;
    WriteMode mode = WriteMode::Set;
};

// Parses args[pos...] to the end. On failure the message is given and `status` holds the exit status.
bool parseWriteValue(const std::vector<std::string>& args, size_t pos, WriteValue& out, int& status);

// A value_rep `depth` levels below the domain's dictionary: plain text unless it holds one of
// " ( ) [ ] { } < >, then an old-style property list. Null, with the message given, when it
// does not parse or cannot be stored.
plist_t valueFromRep(const std::string& text, int depth, int& status);

// A whole old-style property list as `write DOMAIN 'PLIST'` and `find` take it, bare words too.
// Null with the message given when it does not parse or cannot be stored.
plist_t parseRep(const std::string& text, int depth, int& status);

// The type options' own readers; false when the text is not one the Mac accepts.
bool parseBoolean(const std::string& text, bool& value);
bool parseHexData(const std::string& text, std::string& bytes);
long long parseInteger(const std::string& text); // as NSString's longLongValue: a leading number, else 0
double parseReal(const std::string& text);       // as NSString's doubleValue: a leading number, else 0
bool parseDate(const std::string& text, int64_t& msecsSince2001);

} // namespace defaults_tool
