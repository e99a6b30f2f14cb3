// The bplist00 writer of the store. libplist 2.2's plist_to_bin uniques objects through a hash
// table that degrades with the number of objects: 200,000 keys take seconds, twice as many four
// times as long. This one numbers objects in one walk, shares equal texts and keys through a
// hash map as a Mac's writer does, and writes each object once, so the cost follows the size.
#include "platform/PlistCompat.h"
#include "platform/PlistStore.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace plist_store {

namespace {

class BinaryWriter {
public:
    bool write(plist_t root, std::string& out)
    {
        count(root);
        refSize_ = bytesFor(objects_);
        body_.reserve(64 + objects_ * 8);
        body_ = "bplist00";
        offsets_.reserve(objects_);
        if (!emit(root))
            return false;
        const uint64_t tableAt = body_.size();
        const int offsetSize = bytesFor(offsets_.empty() ? 0 : offsets_.back());
        for (uint64_t offset : offsets_)
            appendBigEndian(offset, offsetSize);
        body_.append(6, '\0');
        body_ += static_cast<char>(offsetSize);
        body_ += static_cast<char>(refSize_);
        appendBigEndian(objects_, 8);
        appendBigEndian(0, 8);
        appendBigEndian(tableAt, 8);
        out.swap(body_);
        return true;
    }

private:
    static int bytesFor(uint64_t value)
    {
        if (value <= 0xFF)
            return 1;
        if (value <= 0xFFFF)
            return 2;
        if (value <= 0xFFFFFFFFull)
            return 4;
        return 8;
    }

    void appendBigEndian(uint64_t value, int size)
    {
        for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
            body_ += static_cast<char>((value >> shift) & 0xFF);
    }

    // Object numbers in the order emit() writes them: a collection, then what it holds, depth first.
    // Texts and keys are shared by content, as a Mac's writer shares them.
    uint64_t count(plist_t node)
    {
        const plist_type type = plist_get_node_type(node);
        if (type == PLIST_STRING || type == PLIST_KEY) {
            const std::string_view text = stringValue(node);
            auto [it, added] = texts_.try_emplace(std::string(text), objects_);
            if (added)
                ++objects_;
            numbers_[node] = it->second;
            return it->second;
        }
        const uint64_t number = objects_++;
        numbers_[node] = number;
        if (type == PLIST_ARRAY) {
            forEachArrayItem(node, [&](plist_t item) { count(item); });
        } else if (type == PLIST_DICT) {
            forEachDictEntry(node, [&](const std::string& key, plist_t value) {
                auto [it, added] = texts_.try_emplace(key, objects_);
                if (added)
                    ++objects_;
                (void)it;
                count(value);
            });
        }
        return number;
    }

    void marker(unsigned type, uint64_t length)
    {
        if (length < 15) {
            body_ += static_cast<char>(type << 4 | length);
            return;
        }
        body_ += static_cast<char>(type << 4 | 0xF);
        const int size = bytesFor(length);
        body_ += static_cast<char>(0x10 | (size == 1 ? 0 : size == 2 ? 1 : size == 4 ? 2 : 3));
        appendBigEndian(length, size);
    }

    // Marks where object `number` starts; false when the walk and the numbering disagree.
    bool begin(uint64_t number)
    {
        if (number != offsets_.size())
            return false;
        offsets_.push_back(body_.size());
        return true;
    }

    bool text(std::string_view value)
    {
        const bool ascii = std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii) {
            marker(0x5, value.size());
            body_.append(value.data(), value.size());
            return true;
        }
        std::u16string units;
        units.reserve(value.size());
        for (size_t pos = 0; pos < value.size();) {
            const auto byte = [&](size_t i) { return static_cast<unsigned char>(value[i]); };
            char32_t cp = byte(pos);
            size_t length = cp < 0x80 ? 1 : cp < 0xE0 ? 2 : cp < 0xF0 ? 3 : 4;
            if (pos + length > value.size())
                return false;
            if (length > 1) {
                cp &= length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07;
                for (size_t k = 1; k < length; ++k)
                    cp = (cp << 6) | (byte(pos + k) & 0x3F);
            }
            pos += length;
            if (cp >= 0x10000) {
                units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
                units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                units += static_cast<char16_t>(cp);
            }
        }
        marker(0x6, units.size());
        for (char16_t unit : units)
            appendBigEndian(unit, 2);
        return true;
    }

    bool emitText(uint64_t number, std::string_view value)
    {
        if (number < offsets_.size())
            return true; // shared, written already
        return begin(number) && text(value);
    }

    bool emit(plist_t node)
    {
        const uint64_t number = numbers_.at(node);
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
        case PLIST_KEY:
            return emitText(number, stringValue(node));
        case PLIST_BOOLEAN: {
            uint8_t flag = 0;
            plist_get_bool_val(node, &flag);
            if (!begin(number))
                return false;
            body_ += static_cast<char>(flag ? 0x09 : 0x08);
            return true;
        }
        case PLIST_UINT: {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            if (!begin(number))
                return false;
            // Integers are signed: only 0 to 2^31 - 1 fit fewer than eight bytes, as a Mac writes them.
            const int size = value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : value <= 0x7FFFFFFF ? 4 : 8;
            body_ += static_cast<char>(0x10 | (size == 1 ? 0 : size == 2 ? 1 : size == 4 ? 2 : 3));
            appendBigEndian(value, size);
            return true;
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            if (!begin(number))
                return false;
            uint64_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            body_ += static_cast<char>(0x23);
            appendBigEndian(bits, 8);
            return true;
        }
        case PLIST_DATE: {
            uint64_t bits = 0;
            if (!dateBits(node, bits) || !begin(number))
                return false;
            body_ += static_cast<char>(0x33);
            appendBigEndian(bits, 8);
            return true;
        }
        case PLIST_DATA: {
            uint64_t length = 0;
            const char* bytes = plist_get_data_ptr(node, &length);
            if (!begin(number))
                return false;
            marker(0x4, length);
            body_.append(bytes ? bytes : "", static_cast<size_t>(length));
            return true;
        }
        case PLIST_UID: {
            uint64_t value = 0;
            plist_get_uid_val(node, &value);
            if (!begin(number))
                return false;
            const int size = bytesFor(value);
            body_ += static_cast<char>(0x80 | (size - 1));
            appendBigEndian(value, size);
            return true;
        }
        case PLIST_ARRAY: {
            if (!begin(number))
                return false;
            std::vector<plist_t> items;
            items.reserve(plist_array_get_size(node));
            forEachArrayItem(node, [&](plist_t item) { items.push_back(item); });
            marker(0xA, items.size());
            for (plist_t item : items)
                appendBigEndian(numbers_.at(item), refSize_);
            for (plist_t item : items)
                if (!emit(item))
                    return false;
            return true;
        }
        case PLIST_DICT: {
            if (!begin(number))
                return false;
            std::vector<std::pair<std::string, plist_t>> entries;
            entries.reserve(plist_dict_get_size(node));
            forEachDictEntry(node, [&](const std::string& key, plist_t value) { entries.emplace_back(key, value); });
            marker(0xD, entries.size());
            for (const auto& entry : entries)
                appendBigEndian(texts_.at(entry.first), refSize_);
            for (const auto& entry : entries)
                appendBigEndian(numbers_.at(entry.second), refSize_);
            // Keys and values in the order count() numbered them.
            for (const auto& entry : entries) {
                if (!emitText(texts_.at(entry.first), entry.first) || !emit(entry.second))
                    return false;
            }
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
        const bool found = file.size() >= 8 + 9 && static_cast<unsigned char>(file[8]) == 0x33;
        bits = 0;
        for (size_t i = 9; found && i < 17; ++i)
            bits = (bits << 8) | static_cast<unsigned char>(file[i]);
        freeBuffer(bytes);
        return found;
    }

    uint64_t objects_ = 0;
    int refSize_ = 1;
    std::unordered_map<plist_t, uint64_t> numbers_;
    std::unordered_map<std::string, uint64_t> texts_;
    std::vector<uint64_t> offsets_;
    std::string body_;
};

} // namespace

bool toBinary(plist_t root, std::string& out)
{
    return root && BinaryWriter().write(root, out);
}

} // namespace plist_store
