// The bplist00 writer of the store. libplist 2.2's plist_to_bin uniques objects through a hash
// table that degrades with the number of objects: 200,000 keys take seconds, twice as many four
// times as long. This one writes each object as the walk reaches it, numbered in that order (a
// collection, then for each entry its key and its value, depth first), with room for a
// collection's references filled in as its entries get their numbers. Equal texts and keys are
// written once, as a Mac's writer shares them: the index of texts compares a new text with the
// bytes already written, so no text is copied or kept apart. Memory is the output, four bytes of
// offset an object and the index, on top of the tree.
#include "PlistBinaryFormat.h"
#include "PlistCompat.h"
#include "PlistStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace plist_store {

namespace {

using namespace plist_binary;

// A key of the top dictionary to write with another value than the tree holds, or to add.
struct TopKey {
    std::string_view key;
    plist_t value = nullptr;
};

class BinaryWriter {
public:
    BinaryWriter(TopKey edit, const BinarySizeHint& hint) : edit_(edit), hint_(hint) {}

    // References take the fewest bytes that number every object, as a Mac's writer picks them.
    // They are written before the count is known: sized from the file being replaced, and
    // written again in the rare case that the count ends up needing another size.
    bool write(plist_t root, std::string& out)
    {
        int refSize = bytesFor(hint_.objects);
        for (int attempt = 0; attempt < 4; ++attempt) {
            const Pass pass = writeAll(root, refSize);
            if (pass == Pass::Failed)
                return false;
            const int needed = bytesFor(offsets_.size());
            if (pass == Pass::Done && needed == refSize) {
                appendTable(body_, offsets_, refSize, 0);
                out.swap(body_);
                return true;
            }
            refSize = pass == Pass::RefsTooSmall ? std::max(needed, nextRefSize(refSize)) : needed;
        }
        return false;
    }

private:
    static constexpr uint32_t kFailed = UINT32_MAX;
    enum class Pass { Done,
                      RefsTooSmall,
                      Failed };

    static int nextRefSize(int size) { return size >= 4 ? 8 : size * 2; }

    Pass writeAll(plist_t root, int refSize)
    {
        refSize_ = refSize;
        refsTooSmall_ = false;
        body_.clear();
        body_.reserve(std::max(hint_.bytes + hint_.bytes / 16, hint_.objects * 4) + 256);
        body_ = "bplist00";
        offsets_.clear();
        offsets_.reserve(hint_.objects + 16);
        texts_ = TextIndex(hint_.objects);
        if (node(root, 0) != kFailed)
            return Pass::Done;
        return refsTooSmall_ ? Pass::RefsTooSmall : Pass::Failed;
    }

    // The next object's number, starting it at the end of the output; kFailed past what one file
    // can number (offsets are four bytes: a file the store reads is below 4 GiB).
    uint32_t startObject()
    {
        if (offsets_.size() >= kFailed - 1 || body_.size() > UINT32_MAX)
            return kFailed;
        offsets_.push_back(static_cast<uint32_t>(body_.size()));
        return static_cast<uint32_t>(offsets_.size() - 1);
    }

    // A text's number: that of an equal text written before, else a new object.
    uint32_t text(std::string_view utf8)
    {
        if (offsets_.size() >= kFailed - 1 || body_.size() > UINT32_MAX)
            return kFailed;
        const size_t at = body_.size();
        if (!appendText(body_, utf8))
            return kFailed;
        const std::string_view written = std::string_view(body_).substr(at);
        const auto writtenAt = [&](uint32_t n) { return std::string_view(body_).substr(offsets_[n], written.size()); };
        const uint64_t known = texts_.findOrAdd(written, static_cast<uint32_t>(offsets_.size()), writtenAt);
        if (known != TextIndex::kAbsent) {
            body_.resize(at);
            return static_cast<uint32_t>(known);
        }
        offsets_.push_back(static_cast<uint32_t>(at));
        return static_cast<uint32_t>(offsets_.size() - 1);
    }

    // A collection's marker and room for `refs` references; where the room starts.
    size_t startCollection(unsigned type, size_t entries, size_t refs)
    {
        appendMarker(body_, type, entries);
        const size_t at = body_.size();
        body_.append(refs * size_t(refSize_), '\0');
        return at;
    }

    bool setRef(size_t room, size_t index, uint32_t number)
    {
        if (number == kFailed)
            return false;
        if (refSize_ < 4 && number >> (8 * refSize_) != 0) {
            refsTooSmall_ = true;
            return false;
        }
        char* at = body_.data() + room + index * size_t(refSize_);
        for (int i = refSize_ - 1; i >= 0; --i, number >>= 8)
            at[i] = static_cast<char>(number & 0xFF);
        return true;
    }

    // Writes `node` and everything below it. The depth was checked when the tree was loaded or
    // made.
    uint32_t node(plist_t node, int depth)
    {
        if (depth > kMaxNesting + 1)
            return kFailed;
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            return text(stringValue(node));
        case PLIST_ARRAY:
            return array(node, depth);
        case PLIST_DICT:
            return dict(node, depth);
        default:
            return leaf(node);
        }
    }

    uint32_t array(plist_t node, int depth)
    {
        const size_t count = plist_array_get_size(node);
        const uint32_t self = startObject();
        if (self == kFailed)
            return kFailed;
        const size_t room = startCollection(kArray, count, count);
        size_t i = 0;
        bool ok = true;
        forEachArrayItem(node, [&](plist_t item) {
            ok = ok && i < count && setRef(room, i, this->node(item, depth + 1));
            ++i;
        });
        return ok && i == count ? self : kFailed;
    }

    uint32_t dict(plist_t node, int depth)
    {
        // The top dictionary may get the edited key: in its place when it is there, else at the end.
        const bool edited = depth == 0 && edit_.value;
        const bool added = edited && !plist_dict_get_item(node, std::string(edit_.key).c_str());
        const size_t count = plist_dict_get_size(node) + (added ? 1 : 0);
        const uint32_t self = startObject();
        if (self == kFailed)
            return kFailed;
        const size_t room = startCollection(kDict, count, 2 * count);
        size_t i = 0;
        const auto entry = [&](std::string_view key, plist_t value) {
            const bool ok = i < count && setRef(room, i, text(key)) && setRef(room, count + i, this->node(value, depth + 1));
            ++i;
            return ok;
        };
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        bool ok = true;
        while (ok) {
            char* rawKey = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, iter, &rawKey, &value);
            const CString key(rawKey);
            if (!value)
                break;
            const std::string_view name = key ? std::string_view(key.get()) : std::string_view();
            ok = entry(name, edited && name == edit_.key ? edit_.value : value);
        }
        std::free(iter);
        if (ok && added)
            ok = entry(edit_.key, edit_.value);
        return ok && i == count ? self : kFailed;
    }

    // Any value that is neither a text nor a collection.
    uint32_t leaf(plist_t node)
    {
        const plist_type type = plist_get_node_type(node);
        if (type != PLIST_BOOLEAN && type != PLIST_UINT && type != PLIST_REAL && type != PLIST_DATE
            && type != PLIST_DATA && type != PLIST_UID)
            return kFailed;
        const uint32_t self = startObject();
        return self != kFailed && appendLeaf(node, type) ? self : kFailed;
    }

    bool appendLeaf(plist_t node, plist_type type)
    {
        switch (type) {
        case PLIST_BOOLEAN: {
            uint8_t flag = 0;
            plist_get_bool_val(node, &flag);
            body_ += static_cast<char>(flag ? kTrueMarker : kFalseMarker);
            return true;
        }
        case PLIST_UINT: {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            appendInteger(body_, value);
            return true;
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            appendDouble(body_, kRealMarker, value);
            return true;
        }
        case PLIST_DATE:
            return appendDate(node);
        case PLIST_DATA: {
            uint64_t length = 0;
            const char* bytes = plist_get_data_ptr(node, &length);
            appendMarker(body_, kData, length);
            body_.append(bytes ? bytes : "", static_cast<size_t>(length));
            return true;
        }
        case PLIST_UID: {
            uint64_t value = 0;
            plist_get_uid_val(node, &value);
            const int size = bytesFor(value);
            body_ += static_cast<char>(kUid << 4 | (size - 1));
            appendBigEndian(body_, value, size);
            return true;
        }
        default:
            return false;
        }
    }

    // libplist 2.2 keeps a date as a double that no call hands out (plist_get_date_val rounds it to
    // microseconds and drops the sign of the last second before 2001); its own writer, given the
    // date alone, writes that double exactly.
    bool appendDate(plist_t node)
    {
        PlistPtr alone(plist_copy(node));
        char* bytes = nullptr;
        uint32_t length = 0;
        plist_to_bin(alone.get(), &bytes, &length);
        if (!bytes)
            return false;
        const std::string_view file(bytes, length);
        const bool found = file.size() >= 8 + 9 && static_cast<unsigned char>(file[8]) == kDateMarker;
        if (found)
            body_.append(file.substr(8, 9));
        freeBuffer(bytes);
        return found;
    }

    TopKey edit_;
    BinarySizeHint hint_;
    int refSize_ = 1;
    bool refsTooSmall_ = false;
    std::string body_;
    std::vector<uint32_t> offsets_;
    TextIndex texts_;
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
