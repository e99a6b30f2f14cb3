// The bplist00 format: "bplist00", the objects, a table of their offsets, and a 32-byte trailer
// (offset size, reference size, object count, top object, table offset). Collections refer to
// their items by index, so a file can share one object in many places; libplist copies a shared
// object at every use, which is what lets 146 bytes expand into millions of nodes.
#include "PlistCheck.h"

#include "PlistBinaryFormat.h"
#include "PlistStore.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace plist_check {

namespace {

constexpr size_t kHeaderSize = 8;
using plist_binary::kTrailerSize;

const char kDamaged[] = "it is a damaged binary property list";
const char kUnknownKind[] = "it holds an object of a kind a preference file cannot hold";
const char kNul[] = "a text in it holds a NUL character, which the store cannot keep";
const char kHalfPair[] = "a UTF-16 text in it holds half a surrogate pair";

uint64_t saturatingAdd(uint64_t a, uint64_t b)
{
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// Apple's writer uses 1, 2, 4 or 8 bytes; libplist also writes 3.
bool isValidSize(unsigned size)
{
    return size >= 1 && size <= 8;
}

class BinaryChecker {
public:
    explicit BinaryChecker(std::string_view bytes) : bytes_(bytes) {}

    std::string run()
    {
        if (bytes_.size() < kHeaderSize + 1 + 1 + kTrailerSize)
            return kDamaged;
        const size_t trailer = bytes_.size() - kTrailerSize;
        trailer_ = plist_binary::readTrailer(bytes_);
        if (!isValidSize(trailer_.offsetSize) || !isValidSize(trailer_.refSize) || trailer_.objects == 0 || trailer_.top >= trailer_.objects
            || trailer_.table <= kHeaderSize || trailer_.table > trailer || trailer_.objects > (trailer - trailer_.table) / trailer_.offsetSize)
            return kDamaged;

        states_.assign((trailer_.objects + kStatesPerByte - 1) / kStatesPerByte, 0);
        // Without shared collections a file expands to at most one node per reference, so to fewer
        // nodes than it has bytes; shared texts (Apple's writer stores equal texts once) repeat
        // their bytes, within a generous multiple.
        nodeBudget_ = bytes_.size();
        payloadBudget_ = (uint64_t(16) << 20) + 16 * uint64_t(bytes_.size());
        Expansion top;
        return visit(trailer_.top, 0, top);
    }

private:
    // Two bits per object are all the checker keeps for every object (a large file's checks
    // then touch few new pages); what a collection expands to is kept apart (`collections_`), as
    // only collections can be expensive to count again.
    enum class State : uint8_t { New,
                                 OnPath,
                                 LeafDone,
                                 CollectionDone };
    static constexpr uint64_t kStatesPerByte = 4;

    State state(uint64_t object) const
    {
        return static_cast<State>((states_[object / kStatesPerByte] >> (2 * (object % kStatesPerByte))) & 3);
    }

    void setState(uint64_t object, State state)
    {
        uint8_t& byte = states_[object / kStatesPerByte];
        const unsigned shift = 2 * (object % kStatesPerByte);
        byte = static_cast<uint8_t>((byte & ~(3u << shift)) | (static_cast<unsigned>(state) << shift));
    }

    // What an object expands to in libplist's tree: its nodes, the bytes its leaves hold, and the
    // levels of collections it holds (0 for a leaf).
    struct Expansion {
        uint64_t nodes = 1;
        uint64_t payload = 0;
        int height = 0;
    };

    unsigned byte(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }

    uint64_t bigEndian(size_t at, unsigned size) const { return plist_binary::readBigEndian(bytes_, at, size); }

    // Where an object starts; 0 when its offset is outside the object area.
    size_t offsetOf(uint64_t object) const
    {
        const uint64_t offset = bigEndian(trailer_.table + object * trailer_.offsetSize, trailer_.offsetSize);
        return offset >= kHeaderSize && offset < trailer_.table ? static_cast<size_t>(offset) : 0;
    }

    // `count` bytes from `at` lie inside the object area.
    bool fits(size_t at, uint64_t count) const { return at <= trailer_.table && count <= trailer_.table - at; }

    // The count in a marker's low nibble, or in the int object after it when the nibble is 0xF.
    bool readCount(size_t& at, uint64_t& count) const
    {
        const unsigned info = byte(at) & 0xF;
        ++at;
        if (info != plist_binary::kCountFollows) {
            count = info;
            return true;
        }
        if (!fits(at, 1) || (byte(at) >> 4) != plist_binary::kInt || (byte(at) & 0xF) > 3)
            return false;
        const unsigned size = 1u << (byte(at) & 0xF);
        if (!fits(at + 1, size))
            return false;
        count = bigEndian(at + 1, size);
        at += 1 + size;
        return true;
    }

    std::string tooDeep() const
    {
        return "it nests collections deeper than " + std::to_string(plist_store::kMaxNesting) + " levels";
    }

    // Checks a leaf object.
    std::string leaf(size_t at) const
    {
        const unsigned marker = byte(at);
        const unsigned info = marker & 0xF;
        switch (marker >> 4) {
        case plist_binary::kNull:
            return singleton(marker);
        case plist_binary::kInt:
            return integer(at, info);
        case plist_binary::kReal:
            if (info == 2 || info == 3)
                return fits(at + 1, 1u << info) ? std::string() : kDamaged;
            break;
        case plist_binary::kDate:
            if (marker == plist_binary::kDateMarker)
                return date(at);
            break;
        case plist_binary::kData:
            return data(at);
        case plist_binary::kAscii:
            return asciiText(at);
        case plist_binary::kUtf16:
            return utf16Text(at);
        case plist_binary::kUid:
            if (info <= 7)
                return fits(at + 1, info + 1) ? std::string() : kDamaged;
            break;
        case plist_binary::kOrderedSet:
        case plist_binary::kSet:
            return "it holds a set, which a preference file cannot hold";
        default:
            break;
        }
        return kUnknownKind;
    }

    static std::string singleton(unsigned marker)
    {
        if (marker == plist_binary::kFalseMarker || marker == plist_binary::kTrueMarker)
            return {};
        if (marker == plist_binary::kNull)
            return "it holds a null object, which a preference file cannot hold";
        return kUnknownKind;
    }

    std::string integer(size_t at, unsigned info) const
    {
        if (info <= 3)
            return fits(at + 1, 1u << info) ? std::string() : kDamaged;
        if (info == 4)
            return "it holds an integer wider than 64 bits, which the store cannot keep";
        return kUnknownKind;
    }

    std::string date(size_t at) const
    {
        if (!fits(at + 1, 8))
            return kDamaged;
        const uint64_t bits = bigEndian(at + 1, 8);
        double seconds = 0;
        static_assert(sizeof seconds == sizeof bits, "IEEE double");
        std::memcpy(&seconds, &bits, sizeof seconds);
        // libplist 2.2 holds dates as 32-bit seconds from 2001.
        if (!(seconds > -2147483649.0 && seconds < 2147483648.0))
            return "it holds a date outside 1932-12-13 to 2069-01-19, which the store cannot keep";
        return {};
    }

    std::string data(size_t at) const
    {
        uint64_t count = 0;
        if (!readCount(at, count) || !fits(at, count))
            return kDamaged;
        return {};
    }

    std::string asciiText(size_t at) const
    {
        uint64_t count = 0;
        if (!readCount(at, count) || !fits(at, count))
            return kDamaged;
        for (uint64_t i = 0; i < count; ++i) {
            const unsigned c = byte(at + i);
            if (c == 0)
                return kNul;
            if (c >= 0x80)
                return "a text in it is marked as ASCII but holds a byte above 127";
        }
        return {};
    }

    std::string utf16Text(size_t at) const
    {
        uint64_t count = 0;
        if (!readCount(at, count) || count > (trailer_.table - std::min<size_t>(at, trailer_.table)) / 2)
            return kDamaged;
        bool high = false; // the last unit opened a surrogate pair
        for (uint64_t i = 0; i < count; ++i) {
            const uint64_t unit = bigEndian(at + 2 * i, 2);
            if (unit == 0)
                return kNul;
            const bool isHigh = unit >= 0xD800 && unit <= 0xDBFF;
            const bool isLow = unit >= 0xDC00 && unit <= 0xDFFF;
            if (high != isLow)
                return kHalfPair;
            high = isHigh;
        }
        if (high)
            return kHalfPair;
        return {};
    }

    // The bytes libplist holds for a leaf that passed leaf(): read from its header alone, so that
    // a leaf used many times costs the same little at every use.
    uint64_t leafPayload(size_t at) const
    {
        const unsigned type = byte(at) >> 4;
        if (type != plist_binary::kData && type != plist_binary::kAscii && type != plist_binary::kUtf16)
            return 0;
        uint64_t count = 0;
        readCount(at, count);
        return type == plist_binary::kUtf16 ? 3 * count : count; // at most three UTF-8 bytes per unit
    }

    bool isText(uint64_t object) const
    {
        const size_t at = offsetOf(object);
        return at != 0 && ((byte(at) >> 4) == plist_binary::kAscii || (byte(at) >> 4) == plist_binary::kUtf16);
    }

    // Checks `object` and everything below it, and gives what it expands to; `above` collections
    // enclose it. Recursion stops at the nesting limit, so it is bounded whatever the file holds.
    std::string visit(uint64_t object, int above, Expansion& expansion)
    {
        switch (state(object)) {
        case State::New:
            break;
        case State::OnPath:
            return "a collection in it contains itself";
        case State::LeafDone:
            expansion = {1, leafPayload(offsetOf(object)), 0};
            return {};
        case State::CollectionDone:
            expansion = collections_.at(object);
            return above + expansion.height <= plist_store::kMaxNesting ? std::string() : tooDeep();
        }
        const size_t at = offsetOf(object);
        if (at == 0)
            return kDamaged;

        const unsigned type = byte(at) >> 4;
        if (type != plist_binary::kArray && type != plist_binary::kDict)
            return visitLeaf(object, at, expansion);
        return visitCollection(object, at, type, above, expansion);
    }

    std::string visitLeaf(uint64_t object, size_t at, Expansion& expansion)
    {
        std::string why = leaf(at);
        if (!why.empty())
            return why;
        setState(object, State::LeafDone);
        expansion = {1, leafPayload(at), 0};
        return {};
    }

    // An array or a dictionary (`type`) at `at`, and everything below it.
    std::string visitCollection(uint64_t object, size_t at, unsigned type, int above, Expansion& expansion)
    {
        if (above + 1 > plist_store::kMaxNesting)
            return tooDeep();
        size_t refs = at;
        uint64_t count = 0;
        if (!readCount(refs, count))
            return kDamaged;
        const uint64_t refCount = type == plist_binary::kDict ? 2 * count : count;
        if (count > UINT64_MAX / 2 || refCount > (trailer_.table - std::min<size_t>(refs, trailer_.table)) / trailer_.refSize)
            return kDamaged;

        setState(object, State::OnPath);
        Expansion total;
        for (uint64_t i = 0; i < refCount; ++i) {
            const uint64_t child = bigEndian(refs + i * trailer_.refSize, trailer_.refSize);
            if (child >= trailer_.objects)
                return kDamaged;
            if (type == plist_binary::kDict && i < count && !isText(child))
                return "a dictionary key in it is not a text";
            Expansion below;
            std::string why = visit(child, above + 1, below);
            if (!why.empty())
                return why;
            total.nodes = saturatingAdd(total.nodes, below.nodes);
            total.payload = saturatingAdd(total.payload, below.payload);
            if (total.nodes > nodeBudget_ || total.payload > payloadBudget_)
                return "its shared objects expand to far more than a file of its size holds";
            total.height = std::max(total.height, below.height);
        }
        ++total.height;
        setState(object, State::CollectionDone);
        collections_.emplace(object, total);
        expansion = total;
        return {};
    }

    std::string_view bytes_;
    plist_binary::Trailer trailer_;
    uint64_t nodeBudget_ = 0;
    uint64_t payloadBudget_ = 0;
    std::vector<uint8_t> states_;
    std::unordered_map<uint64_t, Expansion> collections_; // of those checked
};

} // namespace

std::string binary(std::string_view bytes)
{
    return BinaryChecker(bytes).run();
}

} // namespace plist_check
