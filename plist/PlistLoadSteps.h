#pragma once
// The steps of plist_store::load() before libplist parses a file, shared with the read of one key
// (PlistKeyRead.h), so that both refuse exactly the same files for the same reasons.
#include "ByteBuffer.h"
#include "PlistStore.h"

#include <string>
#include <string_view>

namespace plist_store {

// A domain's file read and checked: Ok with view() a bplist00 file that passed
// plist_check::binary() (`bytes` as read, or an XML file's `converted` to one), Missing, or
// Unparsable with the reason.
struct CheckedFile {
    LoadStatus status = LoadStatus::Missing;
    byte_buffer::ByteBuffer bytes;
    std::string converted;
    bool fromXml = false; // made from XML, which keeps each key of a dictionary once
    std::string reason;

    std::string_view view() const { return fromXml ? std::string_view(converted) : bytes.view(); }
};
CheckedFile readChecked(const std::string& path);

} // namespace plist_store
