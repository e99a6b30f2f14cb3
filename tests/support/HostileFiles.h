#pragma once
// Preference files that are odd but possible, made byte by byte: the tests feed them to the store
// and the `defaults` stand-in, and fuzz/make_seeds writes them out as the fuzzers' seeds.
// Plain C++, no Qt, so the fuzz build can use it as it is.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace hostile {

// Writes bplist00 files object by object. Object references and offsets take the fewest bytes
// that hold them, as Apple's writer does.
class BinaryPlist {
public:
    size_t ascii(const std::string& bytes);    // marked ASCII, bytes taken as they are
    size_t utf16(const std::u16string& units); // big-endian UTF-16, units taken as they are
    size_t integer(int64_t value);
    size_t raw(const std::string& bytes); // a hand-made object without references
    size_t array(const std::vector<size_t>& items);
    size_t dict(const std::vector<std::pair<size_t, size_t>>& entries);
    // Replaces the items of an array made before: how a file refers to itself.
    void setItems(size_t array, const std::vector<size_t>& items);
    std::string bytes(size_t top) const;

private:
    struct Object {
        std::string head;         // marker, count and payload
        std::vector<size_t> refs; // after the head, in the file's reference size
    };
    size_t add(Object object);
    std::vector<Object> objects_;
};

// An XML property list around `body`, which holds the inside of the top <dict>.
std::string xmlPlist(const std::string& body, const std::string& encoding = "UTF-8");

// { k = "a<U+0000>b" } with the text stored as UTF-16, the way a Mac writes non-ASCII text.
std::string utf16NulValue();
// { "k<U+0000>x" = v }.
std::string utf16NulKey();
// { k = "x<U+D800>" }: half a surrogate pair.
std::string utf16LoneSurrogate();
// { k = "Ren<E9>" } in an object marked ASCII.
std::string asciiHighByte();
// { k = "René" } in an XML file declared and written in ISO-8859-1.
std::string latin1Xml();
// { k = ... } whose arrays each hold the next one twice: 2^levels leaves in a file of about
// 146 bytes for 24 levels.
std::string sharedDag(int levels);
// { k = (itself) }.
std::string selfReference();
// { k = ((((...)))) } with `levels` arrays, XML or binary.
std::string deepXml(int levels);
std::string deepBinary(int levels);

struct Seed {
    std::string name;
    std::string bytes;
};
// Every odd file above and a few more, plus two ordinary domains to mutate from.
std::vector<Seed> fileSeeds();
// Values as `defaults write` gets them.
std::vector<Seed> valueSeeds();

} // namespace hostile
