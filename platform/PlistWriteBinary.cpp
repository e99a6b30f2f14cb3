// The bplist00 writer of the store. libplist 2.2's plist_to_bin uniques objects through a hash
// table that degrades with the number of objects: 200,000 keys take seconds, twice as many four
// times as long. This one numbers objects in one walk into flat tables (each object once, in the
// order it is written; equal texts and keys shared, as a Mac's writer shares them), then writes
// them in that order. Nothing is looked up by node and no text is copied into a map, so time and
// memory follow the size of the tree.
#include "platform/PlistBinaryFormat.h"
#include "platform/PlistStore.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace plist_store {

namespace {

using namespace plist_binary;

// Copies of dictionary keys (libplist hands each out in a fresh allocation) in a few large blocks,
// so that the views the text index keeps stay put and the whole lot is freed at once.
class KeyArena {
public:
    std::string_view keep(const char* text)
    {
        const size_t length = std::strlen(text);
        if (length > kBlock / 4) {
            large_.emplace_back(text, length);
            return large_.back();
        }
        if (blocks_.empty() || used_ + length > kBlock) {
            blocks_.emplace_back(new char[kBlock]);
            used_ = 0;
        }
        char* at = blocks_.back().get() + used_;
        std::memcpy(at, text, length);
        used_ += length;
        return std::string_view(at, length);
    }

private:
    static constexpr size_t kBlock = 1 << 20;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<std::string> large_; // a vector of strings moves them, but a string's heap text stays
    size_t used_ = 0;
};

class BinaryWriter {
public:
    bool write(plist_t root, std::string& out)
    {
        if (number(root, 0) == kFailed)
            return false;
        const int refSize = bytesFor(objects_.size());
        std::string body;
        body.reserve(64 + objects_.size() * 8);
        body = "bplist00";
        std::vector<uint64_t> offsets;
        offsets.reserve(objects_.size());
        for (const Object& object : objects_) {
            offsets.push_back(body.size());
            if (!emit(object, refSize, body))
                return false;
        }
        appendTable(body, offsets, refSize, 0);
        out.swap(body);
        return true;
    }

private:
    static constexpr uint64_t kFailed = UINT64_MAX;

    struct Object {
        plist_t node = nullptr;  // null for a dictionary key
        std::string_view text;   // a text or a key: its UTF-8
        size_t firstRef = 0;     // a collection: where its references start in refs_
        size_t refCount = 0;
    };

    uint64_t add(Object object)
    {
        objects_.push_back(object);
        return objects_.size() - 1;
    }

    uint64_t shared(std::string_view text, plist_t node)
    {
        const uint64_t known = texts_.findOrAdd(text, objects_.size());
        return known != TextIndex::kAbsent ? known : add({node, text, 0, 0});
    }

    // Numbers `node` and everything below it in the order write() emits them: a collection, then
    // for each entry its key (unless shared) and its value, depth first. The depth was checked
    // when the tree was loaded or made.
    uint64_t number(plist_t node, int depth)
    {
        if (depth > kMaxNesting + 1)
            return kFailed;
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            return shared(stringValue(node), node);
        case PLIST_ARRAY: {
            const size_t count = plist_array_get_size(node);
            const size_t first = refs_.size();
            refs_.resize(first + count);
            const uint64_t self = add({node, {}, first, count});
            size_t i = 0;
            bool ok = true;
            forEachArrayItem(node, [&](plist_t item) {
                const uint64_t child = ok && i < count ? number(item, depth + 1) : kFailed;
                ok = child != kFailed;
                if (ok)
                    refs_[first + i++] = child;
            });
            return ok && i == count ? self : kFailed;
        }
        case PLIST_DICT: {
            const size_t count = plist_dict_get_size(node);
            const size_t first = refs_.size();
            refs_.resize(first + 2 * count);
            const uint64_t self = add({node, {}, first, 2 * count});
            plist_dict_iter iter = nullptr;
            plist_dict_new_iter(node, &iter);
            size_t i = 0;
            for (;;) {
                char* rawKey = nullptr;
                plist_t value = nullptr;
                plist_dict_next_item(node, iter, &rawKey, &value);
                const CString key(rawKey);
                if (!value)
                    break;
                if (i == count) {
                    i = count + 1;
                    break;
                }
                refs_[first + i] = shared(keys_.keep(key ? key.get() : ""), nullptr);
                const uint64_t child = number(value, depth + 1);
                if (child == kFailed) {
                    i = count + 1;
                    break;
                }
                refs_[first + count + i++] = child;
            }
            std::free(iter);
            return i == count ? self : kFailed;
        }
        case PLIST_BOOLEAN:
        case PLIST_UINT:
        case PLIST_REAL:
        case PLIST_DATE:
        case PLIST_DATA:
        case PLIST_UID:
            return add({node, {}, 0, 0});
        default:
            return kFailed;
        }
    }

    bool emit(const Object& object, int refSize, std::string& out) const
    {
        if (!object.node)
            return appendText(out, object.text);
        const plist_t node = object.node;
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            return appendText(out, object.text);
        case PLIST_BOOLEAN: {
            uint8_t flag = 0;
            plist_get_bool_val(node, &flag);
            out += static_cast<char>(flag ? 0x09 : 0x08);
            return true;
        }
        case PLIST_UINT: {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            appendInteger(out, value);
            return true;
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            appendDouble(out, kRealMarker, value);
            return true;
        }
        case PLIST_DATE: {
            uint64_t bits = 0;
            if (!dateBits(node, bits))
                return false;
            out += static_cast<char>(kDateMarker);
            appendBigEndian(out, bits, 8);
            return true;
        }
        case PLIST_DATA: {
            uint64_t length = 0;
            const char* bytes = plist_get_data_ptr(node, &length);
            appendMarker(out, 0x4, length);
            out.append(bytes ? bytes : "", static_cast<size_t>(length));
            return true;
        }
        case PLIST_UID: {
            uint64_t value = 0;
            plist_get_uid_val(node, &value);
            const int size = bytesFor(value);
            out += static_cast<char>(0x80 | (size - 1));
            appendBigEndian(out, value, size);
            return true;
        }
        case PLIST_ARRAY:
        case PLIST_DICT: {
            const bool dict = plist_get_node_type(node) == PLIST_DICT;
            appendMarker(out, dict ? 0xD : 0xA, dict ? object.refCount / 2 : object.refCount);
            for (size_t i = 0; i < object.refCount; ++i)
                appendBigEndian(out, refs_[object.firstRef + i], refSize);
            return true;
        }
        default:
            return false;
        }
    }

    // libplist 2.2 keeps a date as a double that no call hands out (plist_get_date_val rounds it to
    // microseconds and drops the sign of the last second before 2001); its own writer, given the
    // date alone, writes that double exactly.
    static bool dateBits(plist_t node, uint64_t& bits)
    {
        PlistPtr alone(plist_copy(node));
        char* bytes = nullptr;
        uint32_t length = 0;
        plist_to_bin(alone.get(), &bytes, &length);
        if (!bytes)
            return false;
        const std::string_view file(bytes, length);
        const bool found = file.size() >= 8 + 9 && static_cast<unsigned char>(file[8]) == kDateMarker;
        bits = 0;
        for (size_t i = 9; found && i < 17; ++i)
            bits = (bits << 8) | static_cast<unsigned char>(file[i]);
        plist_to_bin_free(bytes);
        return found;
    }

    std::vector<Object> objects_;
    std::vector<uint64_t> refs_;
    TextIndex texts_;
    KeyArena keys_;
};

} // namespace

bool toBinary(plist_t root, std::string& out)
{
    return root && BinaryWriter().write(root, out);
}

} // namespace plist_store
