#pragma once
// Pieces of the bplist00 format shared by the store's two producers of binary files, the writer
// of a libplist tree (PlistWriteBinary.cpp) and the reader of XML files (PlistReadXml.cpp), which
// turns an XML file into the binary form libplist reads in time that follows the size, and by its
// two readers of binary files, the checker (PlistCheckBinary.cpp) and the read of one key.
#include "Utf8.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace plist_binary {

// The kinds of object a marker's high nibble names, and the low nibble that says the count
// follows as an integer object.
enum Marker : unsigned {
    kNull = 0x0, // also false (0x08) and true (0x09)
    kInt = 0x1,
    kReal = 0x2,
    kDate = 0x3,
    kData = 0x4,
    kAscii = 0x5,
    kUtf16 = 0x6,
    kUid = 0x8,
    kArray = 0xA,
    kOrderedSet = 0xB,
    kSet = 0xC,
    kDict = 0xD,
};

constexpr unsigned kCountFollows = 0xF;
// Whole one-byte markers.
constexpr unsigned char kFalseMarker = 0x08;
constexpr unsigned char kTrueMarker = 0x09;

// The fewest of 1, 2, 4 or 8 bytes that hold `value`, as a Mac's writer picks them.
inline int bytesFor(uint64_t value)
{
    if (value <= 0xFF)
        return 1;
    if (value <= 0xFFFF)
        return 2;
    if (value <= 0xFFFFFFFFull)
        return 4;
    return 8;
}

// The number of `size` bytes at `at`, most significant first; the caller has checked that they
// lie inside `bytes`.
inline uint64_t readBigEndian(std::string_view bytes, size_t at, unsigned size)
{
    uint64_t value = 0;
    for (unsigned i = 0; i < size; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

constexpr size_t kTrailerSize = 32;

// What a file's last 32 bytes say: the widths of its offsets and references, how many objects it
// has, which is the top one and where the offset table starts. Unchecked: `bytes` only needs to
// hold the trailer.
struct Trailer {
    unsigned offsetSize = 0;
    unsigned refSize = 0;
    uint64_t objects = 0;
    uint64_t top = 0;
    uint64_t table = 0;
};

inline Trailer readTrailer(std::string_view bytes)
{
    const size_t at = bytes.size() - kTrailerSize;
    Trailer trailer;
    trailer.offsetSize = static_cast<unsigned char>(bytes[at + 6]);
    trailer.refSize = static_cast<unsigned char>(bytes[at + 7]);
    trailer.objects = readBigEndian(bytes, at + 8, 8);
    trailer.top = readBigEndian(bytes, at + 16, 8);
    trailer.table = readBigEndian(bytes, at + 24, 8);
    return trailer;
}

inline void appendBigEndian(std::string& out, uint64_t value, int size)
{
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

// An object's marker: its type in the high nibble and a length below 15 in the low one, or 0xF
// followed by the length as an integer object.
inline void appendMarker(std::string& out, unsigned type, uint64_t length)
{
    if (length < 15) {
        out += static_cast<char>(type << 4 | length);
        return;
    }
    out += static_cast<char>(type << 4 | kCountFollows);
    const int size = bytesFor(length);
    out += static_cast<char>(kInt << 4 | (size == 1 ? 0 : size == 2 ? 1
                                              : size == 4           ? 2
                                                                    : 3));
    appendBigEndian(out, length, size);
}

// A text object: ASCII as it is, anything else as big-endian UTF-16, as a Mac stores texts.
// False, and nothing written, when `utf8` is not valid UTF-8 (the store checks every text before).
inline bool appendText(std::string& out, std::string_view utf8)
{
    size_t firstHigh = 0;
    while (firstHigh < utf8.size() && static_cast<unsigned char>(utf8[firstHigh]) < 0x80)
        ++firstHigh;
    if (firstHigh == utf8.size()) {
        appendMarker(out, kAscii, utf8.size());
        out.append(utf8.data(), utf8.size());
        return true;
    }
    if (!utf8::isValid(utf8))
        return false;
    const std::u16string units = utf8::toUtf16(utf8);
    appendMarker(out, kUtf16, units.size());
    for (const char16_t unit : units)
        appendBigEndian(out, unit, 2);
    return true;
}

// Integers are signed: only 0 to 2^31 - 1 take fewer than eight bytes, as a Mac writes them.
inline void appendInteger(std::string& out, uint64_t value)
{
    const int size = value <= 0xFF ? 1 : value <= 0xFFFF ? 2
        : value <= 0x7FFFFFFF                            ? 4
                                                         : 8;
    out += static_cast<char>(kInt << 4 | (size == 1 ? 0 : size == 2 ? 1
                                              : size == 4           ? 2
                                                                    : 3));
    appendBigEndian(out, value, size);
}

// A real or (type 0x3) a date: a big-endian double.
inline void appendDouble(std::string& out, unsigned char marker, double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    out += static_cast<char>(marker);
    appendBigEndian(out, bits, 8);
}

constexpr unsigned char kRealMarker = kReal << 4 | 3;
constexpr unsigned char kDateMarker = kDate << 4 | 3;

// The offset table and the trailer after the last object; `offsets` holds each object's start.
// `outStart`: where `out` begins in the file, when the bytes before it are already written.
template <typename Offset>
void appendTable(std::string& out, const std::vector<Offset>& offsets, int refSize, uint64_t top,
                 uint64_t outStart = 0)
{
    const uint64_t tableAt = outStart + out.size();
    const int offsetSize = bytesFor(offsets.empty() ? 0 : offsets.back());
    out.reserve(out.size() + offsets.size() * size_t(offsetSize) + 32);
    for (const Offset offset : offsets)
        appendBigEndian(out, offset, offsetSize);
    out.append(6, '\0');
    out += static_cast<char>(offsetSize);
    out += static_cast<char>(refSize);
    appendBigEndian(out, offsets.size(), 8);
    appendBigEndian(out, top, 8);
    appendBigEndian(out, tableAt, 8);
}

// A set of texts for sharing or finding twice: open addressing over numbers whose texts the
// caller keeps (`textOf(number)`), eight bytes a slot and no allocation per text, so that a domain
// of many keys costs time and memory in proportion to its size.
class TextIndex {
public:
    static constexpr uint64_t kAbsent = UINT64_MAX;

    explicit TextIndex(size_t expected = 0) { grow(expected); }

    // The number stored with a text equal to `text`, or kAbsent after storing `number` with it.
    template <typename TextOf>
    uint64_t findOrAdd(std::string_view text, uint32_t number, const TextOf& textOf)
    {
        if ((used_ + 1) * 8 > slots_.size() * 7)
            grow(slots_.size());
        const uint32_t hash = hashOf(text);
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            Slot& slot = slots_[i];
            if (slot.number == kEmpty) {
                slot = {hash, number};
                ++used_;
                return kAbsent;
            }
            if (slot.hash == hash && textOf(slot.number) == text)
                return slot.number;
        }
    }

private:
    static constexpr uint32_t kEmpty = UINT32_MAX;

    struct Slot {
        uint32_t hash = 0;
        uint32_t number = kEmpty;
    };

    static uint32_t hashOf(std::string_view text)
    {
        uint64_t hash = 1469598103934665603ull; // FNV-1a, then mixed so that the low bits spread
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        hash ^= hash >> 29;
        hash *= 0xbf58476d1ce4e5b9ull;
        return static_cast<uint32_t>(hash ^ (hash >> 32));
    }

    void grow(size_t atLeast)
    {
        size_t size = 16;
        while (size * 7 < atLeast * 8 + 8)
            size *= 2;
        std::vector<Slot> old;
        old.swap(slots_);
        slots_.assign(size, Slot{});
        mask_ = size - 1;
        used_ = 0;
        for (const Slot& slot : old) {
            if (slot.number == kEmpty)
                continue;
            size_t i = slot.hash & mask_;
            while (slots_[i].number != kEmpty)
                i = (i + 1) & mask_;
            slots_[i] = slot;
            ++used_;
        }
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t used_ = 0;
};

} // namespace plist_binary
