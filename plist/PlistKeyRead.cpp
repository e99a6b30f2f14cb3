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

// libplist 2.2 indexes a dictionary of more than this many keys as each one is set, at a cost that
// grows with the square of its keys; such a value is taken from the whole tree instead.
constexpr uint64_t kLargestDictBuilt = 500;

// Objects of a file that plist_check::binary() passed: every offset, count and reference in it
// lies inside the file, texts are valid and collections nest within the limit without cycles.
class CheckedBinary {
public:
    explicit CheckedBinary(std::string_view bytes) : bytes_(bytes)
    {
        const size_t trailer = bytes.size() - 32;
        offsetSize_ = byte(trailer + 6);
        refSize_ = byte(trailer + 7);
        objects_ = bigEndian(trailer + 8, 8);
        top_ = bigEndian(trailer + 16, 8);
        table_ = bigEndian(trailer + 24, 8);
    }

    uint64_t top() const { return top_; }
    uint64_t objects() const { return objects_; }
    unsigned type(uint64_t object) const { return byte(offsetOf(object)) >> 4; }

    // A collection's count and where its references start.
    uint64_t count(uint64_t object, size_t& refs) const
    {
        refs = offsetOf(object);
        return readCount(refs);
    }
    uint64_t ref(size_t refs, uint64_t i) const { return bigEndian(refs + i * refSize_, refSize_); }

    // A text object as UTF-8, as libplist decodes it.
    std::string text(uint64_t object) const
    {
        size_t at = offsetOf(object);
        const bool ascii = byte(at) >> 4 == plist_binary::kAscii;
        const uint64_t count = readCount(at);
        if (ascii)
            return std::string(bytes_.substr(at, count));
        std::string out;
        out.reserve(count);
        for (uint64_t i = 0; i < count; ++i) {
            char32_t unit = static_cast<char32_t>(bigEndian(at + 2 * i, 2));
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < count) {
                const auto low = static_cast<char32_t>(bigEndian(at + 2 * (i + 1), 2));
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
            utf8::append(out, unit);
        }
        return out;
    }

    // A leaf object as libplist builds it; null for a kind left to libplist (dates, UIDs).
    plist_t leaf(uint64_t object) const
    {
        size_t at = offsetOf(object);
        const unsigned marker = byte(at);
        switch (marker >> 4) {
        case plist_binary::kNull:
            return plist_new_bool(marker == plist_binary::kTrueMarker);
        case plist_binary::kInt:
            return plist_new_uint(bigEndian(at + 1, 1u << (marker & 0xF)));
        case plist_binary::kReal:
            return plist_new_real(real(at + 1, marker & 0xF));
        case plist_binary::kAscii:
        case plist_binary::kUtf16:
            return plist_new_string(text(object).c_str());
        case plist_binary::kData: {
            const uint64_t count = readCount(at);
            return plist_new_data(bytes_.data() + at, count);
        }
        default:
            return nullptr;
        }
    }

private:
    unsigned byte(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }

    uint64_t bigEndian(size_t at, unsigned size) const
    {
        uint64_t value = 0;
        for (unsigned i = 0; i < size; ++i)
            value = (value << 8) | byte(at + i);
        return value;
    }

    size_t offsetOf(uint64_t object) const
    {
        return static_cast<size_t>(bigEndian(table_ + object * offsetSize_, offsetSize_));
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

    double real(size_t at, unsigned sizeLog2) const
    {
        if (sizeLog2 == 2) {
            const auto bits = static_cast<uint32_t>(bigEndian(at, 4));
            float value = 0;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        const uint64_t bits = bigEndian(at, 8);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    std::string_view bytes_;
    unsigned offsetSize_ = 0;
    unsigned refSize_ = 0;
    uint64_t objects_ = 0;
    uint64_t top_ = 0;
    uint64_t table_ = 0;
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
        for (uint64_t i = 0; i < count; ++i)
            keys.push_back(file_.text(file_.ref(refs, i)));
        std::sort(keys.begin(), keys.end());
        return std::adjacent_find(keys.begin(), keys.end()) != keys.end();
    }

    const CheckedBinary& file_;
    std::vector<bool> seen_;
};

// Builds the libplist node of `object` and everything below it; null when some part of it is of
// a kind left to libplist.
PlistPtr build(const CheckedBinary& file, uint64_t object)
{
    const unsigned type = file.type(object);
    if (type != plist_binary::kArray && type != plist_binary::kDict)
        return PlistPtr(file.leaf(object));
    size_t refs = 0;
    const uint64_t count = file.count(object, refs);
    if (type == plist_binary::kArray) {
        PlistPtr array(plist_new_array());
        for (uint64_t i = 0; i < count; ++i) {
            PlistPtr item = build(file, file.ref(refs, i));
            if (!item)
                return nullptr;
            plist_array_append_item(array.get(), item.release());
        }
        return array;
    }
    if (count > kLargestDictBuilt)
        return nullptr;
    PlistPtr dict(plist_new_dict());
    for (uint64_t i = 0; i < count; ++i) {
        PlistPtr value = build(file, file.ref(refs, count + i));
        if (!value)
            return nullptr;
        plist_dict_set_item(dict.get(), file.text(file.ref(refs, i)).c_str(), value.release());
    }
    return dict;
}

LoadedKey refused(std::string reason)
{
    LoadedKey result;
    result.status = LoadStatus::Unparsable;
    result.reason = std::move(reason);
    return result;
}

// The same from the whole tree, for a value holding something build() leaves to libplist.
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

LoadedKey loadKey(const std::string& path, std::string_view key)
{
    CheckedFile checked = readChecked(path);
    if (checked.status == LoadStatus::Missing)
        return {};
    if (checked.status != LoadStatus::Ok)
        return refused(std::move(checked.reason));
    const CheckedBinary file(checked.bytes);
    const uint64_t top = file.top();
    if (file.type(top) != plist_binary::kDict)
        return refused("its top level is not a dictionary");
    if (!checked.fromXml && RepeatedKeys(file).below(top))
        return refused("a dictionary in it holds the same key twice");
    LoadedKey result;
    result.status = LoadStatus::Ok;
    size_t refs = 0;
    const uint64_t count = file.count(top, refs);
    for (uint64_t i = 0; i < count; ++i) {
        if (file.text(file.ref(refs, i)) != key)
            continue;
        result.value = build(file, file.ref(refs, count + i));
        return result.value ? std::move(result) : fromWholeTree(path, key);
    }
    return result;
}

} // namespace plist_store
