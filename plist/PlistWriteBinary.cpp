// The bplist00 writer of the store. libplist 2.2's plist_to_bin uniques objects through a hash
// table that degrades with the number of objects: 200,000 keys take seconds, twice as many four
// times as long. This one writes each object as the walk reaches it, numbered in that order (a
// collection, then for each entry its key and its value, depth first), with room for a
// collection's references filled in as its entries get their numbers. Equal texts and keys are
// written once, as a Mac's writer shares them: the index of texts compares a new text with the
// bytes already written (read back from the file once they have left memory), so no text is
// copied or kept apart. Memory is four bytes of offset an object and the index on top of the
// tree, and the output unless it goes to a file: there it leaves in pieces as it grows, the
// collections' references too.
#include "BinaryOutput.h"
#include "PlistBinaryFormat.h"
#include "PlistCompat.h"
#include "PlistStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
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

// References of a collection, filled in in order from `at`: they are written a piece at a time
// over the zeros that hold their place, so a large collection's are never all in memory at once.
struct RefRun {
    uint64_t at = 0;
    std::string pending;
};

class BinaryWriter {
public:
    BinaryWriter(TopKey edit, const BinarySizeHint& hint, int fd) : edit_(edit), hint_(hint), out_(fd) {}

    // References take the fewest bytes that number every object, as a Mac's writer picks them.
    // They are written before the count is known: sized from the file being replaced, and
    // written again in the rare case that the count ends up needing another size.
    bool write(plist_t root, std::string* out)
    {
        int refSize = bytesFor(hint_.objects);
        for (int attempt = 0; attempt < 4 && !out_.failed(); ++attempt) {
            const Pass pass = writeAll(root, refSize);
            if (pass == Pass::Failed)
                break;
            const int needed = bytesFor(offsets_.size());
            if (pass == Pass::Done && needed == refSize) {
                texts_ = TextIndex(); // not needed for the table: its memory goes back first
                appendTable(out_.tail(), offsets_, refSize, 0, out_.size() - out_.tail().size());
                return out_.finish(out);
            }
            refSize = pass == Pass::RefsTooSmall ? std::max(needed, nextRefSize(refSize)) : needed;
        }
        errno = out_.failed() ? out_.error() : EINVAL;
        return false;
    }

private:
    static constexpr uint32_t kFailed = UINT32_MAX;
    static constexpr size_t kRefPiece = 16 * 1024;
    enum class Pass { Done,
                      RefsTooSmall,
                      Failed };

    static int nextRefSize(int size) { return size >= 4 ? 8 : size * 2; }

    Pass writeAll(plist_t root, int refSize)
    {
        refSize_ = refSize;
        refsTooSmall_ = false;
        out_.restart(std::max(hint_.bytes + hint_.bytes / 16, hint_.objects * 4) + 256);
        out_.tail() = "bplist00";
        offsets_.clear();
        offsets_.reserve(hint_.objects + 16);
        texts_ = TextIndex(hint_.objects);
        if (node(root, 0) != kFailed && !out_.failed())
            return Pass::Done;
        return refsTooSmall_ ? Pass::RefsTooSmall : Pass::Failed;
    }

    // Whether one more object still has a number and an offset of four bytes (a file the store
    // reads is below 4 GiB); moves finished bytes to the file first.
    bool roomForObject()
    {
        out_.flushIfFull();
        return offsets_.size() < kFailed - 1 && out_.size() <= UINT32_MAX && !out_.failed();
    }

    // The next object's number, starting it at the end of the output; kFailed past what one file
    // can number.
    uint32_t startObject()
    {
        if (!roomForObject())
            return kFailed;
        offsets_.push_back(static_cast<uint32_t>(out_.size()));
        return static_cast<uint32_t>(offsets_.size() - 1);
    }

    // A text's number: that of an equal text written before, else a new object.
    uint32_t text(std::string_view utf8)
    {
        if (!roomForObject())
            return kFailed;
        std::string& tail = out_.tail();
        const size_t at = tail.size();
        const uint64_t offset = out_.size();
        if (!appendText(tail, utf8))
            return kFailed;
        const std::string_view written = std::string_view(tail).substr(at);
        const auto writtenAt = [&](uint32_t n) { return out_.bytesAt(offsets_[n], written.size()); };
        const uint64_t known = texts_.findOrAdd(written, static_cast<uint32_t>(offsets_.size()), writtenAt);
        if (known != TextIndex::kAbsent) {
            tail.resize(at);
            return static_cast<uint32_t>(known);
        }
        offsets_.push_back(static_cast<uint32_t>(offset));
        return static_cast<uint32_t>(offsets_.size() - 1);
    }

    // A collection's marker and zeros in place of its `refs` references, which setRef() fills
    // in; where they start.
    uint64_t startCollection(unsigned type, size_t entries, size_t refs)
    {
        appendMarker(out_.tail(), type, entries);
        const uint64_t at = out_.size();
        out_.appendZeros(refs * size_t(refSize_));
        return at;
    }

    bool setRef(RefRun& run, uint32_t number)
    {
        if (number == kFailed)
            return false;
        if (refSize_ < 4 && number >> (8 * refSize_) != 0) {
            refsTooSmall_ = true;
            return false;
        }
        appendBigEndian(run.pending, number, refSize_);
        return run.pending.size() < kRefPiece || writeRefs(run);
    }

    bool writeRefs(RefRun& run)
    {
        out_.overwrite(run.at, run.pending);
        run.at += run.pending.size();
        run.pending.clear();
        return !out_.failed();
    }

    uint32_t endCollection(uint32_t self, bool ok, std::initializer_list<RefRun*> runs)
    {
        for (RefRun* run : runs)
            ok = ok && writeRefs(*run);
        return ok ? self : kFailed;
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
        RefRun refs{startCollection(kArray, count, count), {}};
        size_t i = 0;
        bool ok = true;
        forEachArrayItem(node, [&](plist_t item) {
            ok = ok && i < count && setRef(refs, this->node(item, depth + 1));
            ++i;
        });
        return endCollection(self, ok && i == count, {&refs});
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
        const uint64_t room = startCollection(kDict, count, 2 * count);
        RefRun keys{room, {}};
        RefRun values{room + count * size_t(refSize_), {}};
        size_t i = 0;
        const auto entry = [&](std::string_view key, plist_t value) {
            const bool ok = i < count && setRef(keys, text(key)) && setRef(values, this->node(value, depth + 1));
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
        return endCollection(self, ok && i == count, {&keys, &values});
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
            out_.tail() += static_cast<char>(flag ? kTrueMarker : kFalseMarker);
            return true;
        }
        case PLIST_UINT: {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            appendInteger(out_.tail(), value);
            return true;
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            appendDouble(out_.tail(), kRealMarker, value);
            return true;
        }
        case PLIST_DATE:
            return appendDate(node);
        case PLIST_DATA: {
            uint64_t length = 0;
            const char* bytes = plist_get_data_ptr(node, &length);
            appendMarker(out_.tail(), kData, length);
            out_.tail().append(bytes ? bytes : "", static_cast<size_t>(length));
            return true;
        }
        case PLIST_UID: {
            uint64_t value = 0;
            plist_get_uid_val(node, &value);
            const int size = bytesFor(value);
            out_.tail() += static_cast<char>(kUid << 4 | (size - 1));
            appendBigEndian(out_.tail(), value, size);
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
            out_.tail().append(file.substr(8, 9));
        freeBuffer(bytes);
        return found;
    }

    TopKey edit_;
    BinarySizeHint hint_;
    int refSize_ = 1;
    bool refsTooSmall_ = false;
    Output out_;
    std::vector<uint32_t> offsets_;
    TextIndex texts_;
};

} // namespace

bool toBinary(plist_t root, std::string& out, const BinarySizeHint& hint)
{
    return root && BinaryWriter({}, hint, -1).write(root, &out);
}

bool toBinaryWithKey(plist_t root, std::string_view key, plist_t value, std::string& out, const BinarySizeHint& hint)
{
    return root && value && plist_get_node_type(root) == PLIST_DICT
        && BinaryWriter({key, value}, hint, -1).write(root, &out);
}

bool writeBinaryFile(int fd, plist_t root, std::string_view key, plist_t value, const BinarySizeHint& hint)
{
    if (!root || (value && plist_get_node_type(root) != PLIST_DICT)) {
        errno = EINVAL;
        return false;
    }
    return BinaryWriter({key, value}, hint, fd).write(root, nullptr);
}

} // namespace plist_store
