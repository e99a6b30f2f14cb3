#pragma once
// The steps of plist_store::load() before libplist parses a file, shared with the read of one key
// (PlistKeyRead.h), so that both refuse exactly the same files for the same reasons.
#include "PlistStore.h"

#include <string>

namespace plist_store {

// A domain's file read and checked: Ok with `bytes` a bplist00 file that passed
// plist_check::binary() (an XML file converted to one, `fromXml`), Missing, or Unparsable with
// the reason.
struct CheckedFile {
    LoadStatus status = LoadStatus::Missing;
    std::string bytes;
    bool fromXml = false; // made from XML, which keeps each key of a dictionary once
    std::string reason;
};
CheckedFile readChecked(const std::string& path);

} // namespace plist_store
