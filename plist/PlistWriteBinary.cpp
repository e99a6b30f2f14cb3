// The bplist00 writer of the store. libplist 2.2's plist_to_bin uniques objects through a hash
// table that degrades with the number of objects: 200,000 keys take seconds, twice as many four
// times as long. This one numbers objects in one walk into flat tables (each object once, in the
// order it is written; equal texts and keys shared, as a Mac's writer shares them), then writes
// them in that order. Nothing is looked up by node and no text is copied into a map, so time and
// memory follow the size of the tree.
#include "PlistBinaryFormat.h"
#include "PlistCompat.h"
#include "PlistStore.h"

#include <algorithm>
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
    std::string_view keep(std::string_view key)
    {
        const char* text = key.data();
        const size_t length = key.size();
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

// A key of the top dictionary to write with another value than the tree holds, or to add.
struct TopKey {
    std::string_view key;
    plist_t value = nullptr;
};

class BinaryWriter {
public:
    BinaryWriter(TopKey edit, const BinarySizeHint& hint) : edit_(edit), hint_(hint), texts_(hint.objects)
    {
        objects_.reserve(hint.objects + 16);
        refs_.reserve(hint.objects + 16);
    }

    bool write(plist_t root, std::string& out)
    {
        if (number(root, 0) == kFailed)
            return false;
        const int refSize = bytesFor(objects_.size());
        std::string body;
        body.reserve(std::max(hint_.bytes + hint_.bytes / 16, objects_.size() * 4) + 256);
        body = "bplist00";
        std::vector<uint32_t> offsets; // a file the store reads is below 4 GiB
        offsets.reserve(objects_.size());
        for (const Object& object : objects_) {
            if (body.size() > UINT32_MAX)
                return false;
            offsets.push_back(static_cast<uint32_t>(body.size()));
            if (!emit(object, refSize, body))
                return false;
        }
        appendTable(body, offsets, refSize, 0);
        out.swap(body);
        return true;
    }

private:
    static constexpr uint32_t kFailed = UINT32_MAX;

    // Sixteen bytes an object: a text or key (its UTF-8), or a node (a collection with where its
    // references start in refs_ and how many it has).
    static constexpr uint32_t kText = UINT32_MAX;
    struct Object {
        const void* at = nullptr; // the text's first byte, or the node
        uint32_t size = 0;        // a text's length, or a collection's number of references
        uint32_t firstRef = 0;    // kText for a text
        bool isText() const { return firstRef == kText; }
        std::string_view view() const { return std::string_view(static_cast<const char*>(at), size); }
        plist_t node() const { return const_cast<void*>(at); }
    };

    uint32_t add(const Object& object)
    {
        if (objects_.size() >= kFailed - 1)
            return kFailed;
        objects_.push_back(object);
        return static_cast<uint32_t>(objects_.size() - 1);
    }

    uint32_t shared(std::string_view text)
    {
        if (text.size() >= kFailed)
            return kFailed;
        const uint64_t known = texts_.findOrAdd(text, static_cast<uint32_t>(objects_.size()),
                                                [this](uint32_t n) { return objects_[n].view(); });
        return known != TextIndex::kAbsent ? static_cast<uint32_t>(known)
                                           : add({text.data(), static_cast<uint32_t>(text.size()), kText});
    }

    // Room for a collection's references; false past what one file can number.
    bool reserveRefs(size_t count, uint32_t& first)
    {
        if (refs_.size() + count >= kFailed)
            return false;
        first = static_cast<uint32_t>(refs_.size());
        refs_.resize(refs_.size() + count);
        return true;
    }

    // Numbers `node` and everything below it in the order write() emits them: a collection, then
    // for each entry its key (unless shared) and its value, depth first. The depth was checked
    // when the tree was loaded or made.
    uint32_t number(plist_t node, int depth)
    {
        if (depth > kMaxNesting + 1)
            return kFailed;
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            return shared(stringValue(node));
        case PLIST_ARRAY: {
            const size_t count = plist_array_get_size(node);
            uint32_t first = 0;
            if (!reserveRefs(count, first))
                return kFailed;
            const uint32_t self = add({node, static_cast<uint32_t>(count), first});
            size_t i = 0;
            bool ok = self != kFailed;
            forEachArrayItem(node, [&](plist_t item) {
                const uint32_t child = ok && i < count ? number(item, depth + 1) : kFailed;
                ok = child != kFailed;
                if (ok)
                    refs_[first + i++] = child;
            });
            return ok && i == count ? self : kFailed;
        }
        case PLIST_DICT:
            return numberDict(node, depth);
        case PLIST_BOOLEAN:
        case PLIST_UINT:
        case PLIST_REAL:
        case PLIST_DATE:
        case PLIST_DATA:
        case PLIST_UID:
            return add({node, 0, 0});
        default:
            return kFailed;
        }
    }

    uint32_t numberDict(plist_t node, int depth)
    {
        // The top dictionary may get the edited key: in its place when it is there, else at the end.
        const bool edited = depth == 0 && edit_.value;
        const bool added = edited && !plist_dict_get_item(node, std::string(edit_.key).c_str());
        const size_t count = plist_dict_get_size(node) + (added ? 1 : 0);
        uint32_t first = 0;
        if (!reserveRefs(2 * count, first))
            return kFailed;
        const uint32_t self = add({node, static_cast<uint32_t>(2 * count), first});
        size_t i = 0;
        const auto entry = [&](std::string_view key, plist_t value) {
            if (i == count)
                return false;
            const uint32_t keyNumber = shared(keys_.keep(key));
            const uint32_t child = keyNumber == kFailed ? kFailed : number(value, depth + 1);
            if (child == kFailed)
                return false;
            refs_[first + i] = keyNumber;
            refs_[first + count + i++] = child;
            return true;
        };
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        bool ok = self != kFailed;
        while (ok) {
            char* rawKey = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, iter, &rawKey, &value);
            const CString key(rawKey);
            if (!value)
                break;
            const std::string_view text = key ? std::string_view(key.get()) : std::string_view();
            ok = entry(text, edited && text == edit_.key ? edit_.value : value);
        }
        std::free(iter);
        if (ok && added)
            ok = entry(edit_.key, edit_.value);
        return ok && i == count ? self : kFailed;
    }

    bool emit(const Object& object, int refSize, std::string& out) const
    {
        if (object.isText())
            return appendText(out, object.view());
        const plist_t node = object.node();
        switch (plist_get_node_type(node)) {
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
            appendMarker(out, dict ? 0xD : 0xA, dict ? object.size / 2 : object.size);
            for (size_t i = 0; i < object.size; ++i)
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
        freeBuffer(bytes);
        return found;
    }

    TopKey edit_;
    BinarySizeHint hint_;
    std::vector<Object> objects_;
    std::vector<uint32_t> refs_;
    TextIndex texts_;
    KeyArena keys_;
};

} // namespace

bool toBinary(plist_t root, std::string& out, const BinarySizeHint& hint)
{
    return root && BinaryWriter({}, hint).write(root, out);
}

bool toBinaryWithKey(plist_t root, std::string_view key, plist_t value, std::string& out, const BinarySizeHint& hint)
{
    return root && value && plist_get_node_type(root) == PLIST_DICT && BinaryWriter({key, value}, hint).write(root, out);
}

} // namespace plist_store
