// A key's value decoded straight from a checked bplist00 file: the file's offset table gives every
// object's place, so only the top dictionary's keys, the keys of the other dictionaries (each
// dictionary holds a key once, which load() also checks) and the value asked for are decoded.
#include "PlistKeyRead.h"

#include "PlistBinaryFormat.h"
#include "PlistLoadSteps.h"
#include "Utf8.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace plist_store {

namespace {

// Objects of a file that plist_check::binary() passed: every offset, count and reference in it
// lies inside the file, texts are valid and collections nest within the limit without cycles.
class CheckedBinary {
public:
    explicit CheckedBinary(std::string_view bytes) : bytes_(bytes), trailer_(plist_binary::readTrailer(bytes)) {}

    uint64_t top() const { return trailer_.top; }
    uint64_t objects() const { return trailer_.objects; }
    unsigned type(uint64_t object) const { return byte(offsetOf(object)) >> 4; }

    // A collection's count and where its references start.
    uint64_t count(uint64_t object, size_t& refs) const
    {
        refs = offsetOf(object);
        return readCount(refs);
    }
    uint64_t ref(size_t refs, uint64_t i) const { return bigEndian(refs + i * trailer_.refSize, trailer_.refSize); }

    // A text object as UTF-8, as libplist decodes it: a view into the file for ASCII, else into
    // `scratch`.
    std::string_view text(uint64_t object, std::string& scratch) const
    {
        size_t at = offsetOf(object);
        const bool ascii = byte(at) >> 4 == plist_binary::kAscii;
        const uint64_t count = readCount(at);
        if (ascii)
            return bytes_.substr(at, count);
        scratch.clear();
        for (uint64_t i = 0; i < count; ++i) {
            char32_t unit = static_cast<char32_t>(bigEndian(at + 2 * i, 2));
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < count) {
                const auto low = static_cast<char32_t>(bigEndian(at + 2 * (i + 1), 2));
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
            utf8::append(scratch, unit);
        }
        return scratch;
    }

    // Whether `object` is an array made of texts only.
    bool isTextArray(uint64_t object) const
    {
        if (type(object) != plist_binary::kArray)
            return false;
        size_t refs = 0;
        const uint64_t items = count(object, refs);
        for (uint64_t i = 0; i < items; ++i) {
            const unsigned kind = type(ref(refs, i));
            if (kind != plist_binary::kAscii && kind != plist_binary::kUtf16)
                return false;
        }
        return true;
    }

    // The bplist00 bytes of `root` and the objects below it alone, each object as it stands in
    // this file but for the numbers its references carry. libplist reads that into the very nodes
    // it would make of `root` in the whole file, and builds collections of any size in time that
    // follows their size, which plist_array_append_item() does not.
    std::string extract(uint64_t root) const
    {
        constexpr uint32_t kNone = UINT32_MAX;
        std::vector<uint32_t> renumbered; // needed for a collection's references alone
        if (isCollection(root)) {
            renumbered.assign(trailer_.objects, kNone);
            renumbered[root] = 0;
        }
        std::vector<uint64_t> order{root};
        for (size_t i = 0; i < order.size(); ++i) {
            forEachRef(order[i], [&](uint64_t child) {
                if (renumbered[child] == kNone) {
                    renumbered[child] = static_cast<uint32_t>(order.size());
                    order.push_back(child);
                }
            });
        }
        const int refSize = plist_binary::bytesFor(order.size());
        std::string out = "bplist00";
        out.reserve(bytes_.size());
        std::vector<uint64_t> offsets;
        offsets.reserve(order.size());
        for (const uint64_t object : order) {
            offsets.push_back(out.size());
            const size_t at = offsetOf(object);
            size_t refs = at;
            if (!isCollection(object)) {
                out.append(bytes_.substr(at, leafEnd(at) - at));
                continue;
            }
            readCount(refs);
            out.append(bytes_.substr(at, refs - at));
            forEachRef(object, [&](uint64_t child) { plist_binary::appendBigEndian(out, renumbered[child], refSize); });
        }
        plist_binary::appendTable(out, offsets, refSize, 0);
        return out;
    }

private:
    unsigned byte(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }

    uint64_t bigEndian(size_t at, unsigned size) const { return plist_binary::readBigEndian(bytes_, at, size); }

    bool isCollection(uint64_t object) const
    {
        const unsigned kind = type(object);
        return kind == plist_binary::kArray || kind == plist_binary::kDict;
    }

    // Calls visit(child) for every reference of a collection, a dictionary's keys first.
    template <typename Visit>
    void forEachRef(uint64_t object, const Visit& visit) const
    {
        if (!isCollection(object))
            return;
        size_t refs = 0;
        const uint64_t entries = count(object, refs);
        const uint64_t total = type(object) == plist_binary::kDict ? 2 * entries : entries;
        for (uint64_t i = 0; i < total; ++i)
            visit(ref(refs, i));
    }

    // Where the leaf object at `at` ends.
    size_t leafEnd(size_t at) const
    {
        const unsigned marker = byte(at);
        const unsigned info = marker & 0xF;
        switch (marker >> 4) {
        case plist_binary::kInt:
        case plist_binary::kReal:
            return at + 1 + (size_t(1) << info);
        case plist_binary::kDate:
            return at + 9;
        case plist_binary::kUid:
            return at + 1 + info + 1;
        case plist_binary::kData:
        case plist_binary::kAscii:
            return at + readCountAt(at);
        case plist_binary::kUtf16: {
            size_t end = at;
            const uint64_t units = readCount(end);
            return end + 2 * units;
        }
        default: // false, true
            return at + 1;
        }
    }

    // The end of a data or ASCII object at `at`: its header and one byte per count.
    size_t readCountAt(size_t at) const
    {
        size_t end = at;
        const uint64_t bytes = readCount(end);
        return end - at + bytes;
    }

    size_t offsetOf(uint64_t object) const
    {
        return static_cast<size_t>(bigEndian(trailer_.table + object * trailer_.offsetSize, trailer_.offsetSize));
    }

    // The count in a marker's low nibble or in the integer after it; `at` moves past both.
    uint64_t readCount(size_t& at) const
    {
        const unsigned info = byte(at) & 0xF;
        ++at;
        if (info != plist_binary::kCountFollows)
            return info;
        const unsigned size = 1u << (byte(at) & 0xF);
        const uint64_t count = bigEndian(at + 1, size);
        at += 1 + size;
        return count;
    }

    std::string_view bytes_;
    plist_binary::Trailer trailer_;
};

// Whether some dictionary reachable from `object` holds a key twice; each shared collection is
// looked at once.
class RepeatedKeys {
public:
    explicit RepeatedKeys(const CheckedBinary& file) : file_(file), seen_(file.objects(), false) {}

    bool below(uint64_t object)
    {
        const unsigned type = file_.type(object);
        if ((type != plist_binary::kArray && type != plist_binary::kDict) || seen_[object])
            return false;
        seen_[object] = true;
        size_t refs = 0;
        const uint64_t count = file_.count(object, refs);
        if (type == plist_binary::kDict && holdsAKeyTwice(refs, count))
            return true;
        const uint64_t first = type == plist_binary::kDict ? count : 0;
        for (uint64_t i = 0; i < count; ++i) {
            if (below(file_.ref(refs, first + i)))
                return true;
        }
        return false;
    }

private:
    bool holdsAKeyTwice(size_t refs, uint64_t count) const
    {
        if (count < 2)
            return false;
        std::vector<std::string> keys;
        keys.reserve(count);
        std::string scratch;
        for (uint64_t i = 0; i < count; ++i)
            keys.emplace_back(file_.text(file_.ref(refs, i), scratch));
        std::sort(keys.begin(), keys.end());
        return std::adjacent_find(keys.begin(), keys.end()) != keys.end();
    }

    const CheckedBinary& file_;
    std::vector<bool> seen_;
};

// The libplist node of `object` and everything below it; null should libplist not read it.
PlistPtr build(const CheckedBinary& file, uint64_t object)
{
    const std::string bytes = file.extract(object);
    plist_t node = nullptr;
    plist_from_bin(bytes.data(), static_cast<uint32_t>(bytes.size()), &node);
    return PlistPtr(node);
}

LoadedKey refused(std::string reason)
{
    LoadedKey result;
    result.status = LoadStatus::Unparsable;
    result.reason = std::move(reason);
    return result;
}

// The same from the whole tree, should libplist not read what build() made of the value.
LoadedKey fromWholeTree(const std::string& path, std::string_view key)
{
    Loaded loaded = load(path);
    LoadedKey result;
    result.status = loaded.status;
    result.reason = std::move(loaded.reason);
    if (plist_t value = loaded.dict ? plist_dict_get_item(loaded.dict.get(), std::string(key).c_str()) : nullptr)
        result.value.reset(plist_copy(value));
    return result;
}

} // namespace

struct TextList::Data {
    Data(CheckedFile file, uint64_t array) : file(std::move(file)), binary(this->file.view())
    {
        items = binary.count(array, refs);
    }
    CheckedFile file;
    CheckedBinary binary; // over `file`, which stays where it is with this
    size_t refs = 0;
    uint64_t items = 0;
};

TextList::TextList() = default;
TextList::~TextList() = default;
TextList::TextList(TextList&&) noexcept = default;
TextList& TextList::operator=(TextList&&) noexcept = default;

size_t TextList::size() const
{
    return data_ ? static_cast<size_t>(data_->items) : 0;
}

std::string_view TextList::at(size_t i, std::string& scratch) const
{
    return data_->binary.text(data_->binary.ref(data_->refs, i), scratch);
}

struct TextListMaker {
    static TextList make(CheckedFile file, uint64_t array)
    {
        TextList list;
        list.data_ = std::make_unique<TextList::Data>(std::move(file), array);
        return list;
    }
};

LoadedKey loadKey(const std::string& path, std::string_view key, KeyForm form)
{
    CheckedFile checked = readChecked(path);
    if (checked.status == LoadStatus::Missing)
        return {};
    if (checked.status != LoadStatus::Ok)
        return refused(std::move(checked.reason));
    const CheckedBinary file(checked.view());
    const uint64_t top = file.top();
    if (file.type(top) != plist_binary::kDict)
        return refused("its top level is not a dictionary");
    if (!checked.fromXml && RepeatedKeys(file).below(top))
        return refused("a dictionary in it holds the same key twice");
    LoadedKey result;
    result.status = LoadStatus::Ok;
    size_t refs = 0;
    const uint64_t count = file.count(top, refs);
    std::string scratch;
    for (uint64_t i = 0; i < count; ++i) {
        if (file.text(file.ref(refs, i), scratch) != key)
            continue;
        const uint64_t value = file.ref(refs, count + i);
        if (form == KeyForm::TextsApart && file.isTextArray(value)) {
            result.isTextArray = true;
            result.texts = TextListMaker::make(std::move(checked), value);
            return result;
        }
        result.value = build(file, value);
        return result.value ? std::move(result) : fromWholeTree(path, key);
    }
    return result;
}

} // namespace plist_store
