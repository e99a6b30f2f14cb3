#include "HostileFiles.h"

#include <cstring>

namespace hostile {

namespace {

void appendBigEndian(std::string& out, uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

int bytesFor(uint64_t largest)
{
    if (largest < (1ULL << 8))
        return 1;
    if (largest < (1ULL << 16))
        return 2;
    if (largest < (1ULL << 32))
        return 4;
    return 8;
}

// An int object: 0x1n followed by 2^n big-endian bytes.
std::string intObject(uint64_t value)
{
    const int size = bytesFor(value);
    std::string out(1, static_cast<char>(0x10 | (size == 1 ? 0 : size == 2 ? 1
                                                     : size == 4           ? 2
                                                                           : 3)));
    appendBigEndian(out, value, size);
    return out;
}

// A marker whose low nibble holds a count, or 0xF and an int object for counts from 15.
std::string marker(unsigned type, uint64_t count)
{
    if (count < 15)
        return std::string(1, static_cast<char>(type | count));
    return std::string(1, static_cast<char>(type | 0xF)) + intObject(count);
}

std::string dateObject(double secondsSince2001)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &secondsSince2001, sizeof bits);
    std::string out("\x33", 1);
    appendBigEndian(out, bits, 8);
    return out;
}

std::string realObject(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::string out("\x23", 1);
    appendBigEndian(out, bits, 8);
    return out;
}

// { k = value } around one hand-made object.
std::string oneValue(const std::string& object)
{
    BinaryPlist file;
    const size_t key = file.ascii("k");
    const size_t value = file.raw(object);
    return file.bytes(file.dict({{key, value}}));
}

} // namespace

size_t BinaryPlist::add(Object object)
{
    objects_.push_back(std::move(object));
    return objects_.size() - 1;
}

size_t BinaryPlist::ascii(const std::string& bytes)
{
    return add({marker(0x50, bytes.size()) + bytes, {}});
}

size_t BinaryPlist::utf16(const std::u16string& units)
{
    std::string head = marker(0x60, units.size());
    for (const char16_t unit : units)
        appendBigEndian(head, unit, 2);
    return add({head, {}});
}

size_t BinaryPlist::integer(int64_t value)
{
    if (value >= 0)
        return add({intObject(static_cast<uint64_t>(value)), {}});
    std::string head("\x13", 1);
    appendBigEndian(head, static_cast<uint64_t>(value), 8);
    return add({head, {}});
}

size_t BinaryPlist::raw(const std::string& bytes)
{
    return add({bytes, {}});
}

size_t BinaryPlist::array(const std::vector<size_t>& items)
{
    return add({marker(0xA0, items.size()), items});
}

size_t BinaryPlist::dict(const std::vector<std::pair<size_t, size_t>>& entries)
{
    Object object{marker(0xD0, entries.size()), {}};
    for (const auto& entry : entries)
        object.refs.push_back(entry.first);
    for (const auto& entry : entries)
        object.refs.push_back(entry.second);
    return add(object);
}

void BinaryPlist::setItems(size_t array, const std::vector<size_t>& items)
{
    objects_.at(array) = {marker(0xA0, items.size()), items};
}

std::string BinaryPlist::bytes(size_t top) const
{
    const int refSize = bytesFor(objects_.empty() ? 0 : objects_.size() - 1);
    std::string out = "bplist00";
    std::vector<uint64_t> offsets;
    for (const Object& object : objects_) {
        offsets.push_back(out.size());
        out += object.head;
        for (const size_t ref : object.refs)
            appendBigEndian(out, ref, refSize);
    }
    const uint64_t table = out.size();
    const int offsetSize = bytesFor(offsets.empty() ? 0 : offsets.back());
    for (const uint64_t offset : offsets)
        appendBigEndian(out, offset, offsetSize);
    out.append(6, '\0'); // unused, sort version
    out += static_cast<char>(offsetSize);
    out += static_cast<char>(refSize);
    appendBigEndian(out, objects_.size(), 8);
    appendBigEndian(out, top, 8);
    appendBigEndian(out, table, 8);
    return out;
}

std::string xmlPlist(const std::string& body, const std::string& encoding)
{
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n"
                                                            "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                                            "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                                            "<plist version=\"1.0\">\n<dict>\n"
        + body + "</dict>\n</plist>\n";
}

std::string utf16NulValue()
{
    BinaryPlist file;
    const size_t key = file.ascii("k");
    const size_t value = file.utf16(std::u16string(u"a\0b", 3));
    return file.bytes(file.dict({{key, value}}));
}

std::string utf16NulKey()
{
    BinaryPlist file;
    const size_t key = file.utf16(std::u16string(u"k\0x", 3));
    const size_t value = file.ascii("v");
    return file.bytes(file.dict({{key, value}}));
}

std::string utf16LoneSurrogate()
{
    BinaryPlist file;
    const size_t key = file.ascii("k");
    const size_t value = file.utf16(std::u16string{u'x', char16_t(0xD800)});
    return file.bytes(file.dict({{key, value}}));
}

std::string asciiHighByte()
{
    BinaryPlist file;
    const size_t key = file.ascii("k");
    const size_t value = file.ascii("Ren\xE9");
    return file.bytes(file.dict({{key, value}}));
}

std::string latin1Xml()
{
    return xmlPlist("\t<key>k</key>\n\t<string>Ren\xE9</string>\n", "ISO-8859-1");
}

std::string sharedDag(int levels)
{
    BinaryPlist file;
    const size_t key = file.ascii("k");
    size_t node = file.ascii("x");
    for (int i = 0; i < levels; ++i)
        node = file.array({node, node});
    return file.bytes(file.dict({{key, node}}));
}

std::string selfReference()
{
    BinaryPlist file;
    const size_t key = file.ascii("k");
    const size_t loop = file.array({});
    file.setItems(loop, {loop});
    return file.bytes(file.dict({{key, loop}}));
}

std::string deepXml(int levels)
{
    std::string body = "\t<key>k</key>\n";
    body.reserve(body.size() + 16 * static_cast<size_t>(levels));
    for (int i = 0; i < levels; ++i)
        body += "<array>";
    for (int i = 0; i < levels; ++i)
        body += "</array>";
    return xmlPlist(body + "\n");
}

std::string deepBinary(int levels)
{
    BinaryPlist file;
    const size_t key = file.ascii("k");
    size_t node = file.array({});
    for (int i = 1; i < levels; ++i)
        node = file.array({node});
    return file.bytes(file.dict({{key, node}}));
}

std::vector<Seed> fileSeeds()
{
    std::vector<Seed> seeds;

    {
        BinaryPlist file;
        const size_t en = file.ascii("en");
        const size_t languages = file.array({en, file.ascii("de"), file.utf16(u"fr-CA\u00e9\u65e5"), en});
        const size_t inner = file.dict({{file.ascii("on"), file.raw("\x09")}, {file.ascii("n"), file.integer(-3)}});
        seeds.push_back({"ordinary.plist",
                         file.bytes(file.dict({{file.ascii("AppleLanguages"), languages},
                                               {file.ascii("AppleLocale"), file.ascii("en_US")},
                                               {file.ascii("count"), file.integer(70000)},
                                               {file.ascii("ratio"), file.raw(realObject(0.25))},
                                               {file.ascii("when"), file.raw(dateObject(7e8))},
                                               {file.ascii("bytes"), file.raw(std::string("\x43\x01\x02\x03", 4))},
                                               {file.ascii("inner"), inner},
                                               {file.ascii("empty"), file.array({})}}))});
    }
    seeds.push_back({"ordinary.xml.plist",
                     xmlPlist("\t<key>AppleLanguages</key>\n\t<array>\n\t\t<string>en</string>\n"
                              "\t\t<string>fr-CA</string>\n\t</array>\n"
                              "\t<key>count</key>\n\t<integer>-12</integer>\n"
                              "\t<key>ratio</key>\n\t<real>2.5</real>\n"
                              "\t<key>on</key>\n\t<true/>\n"
                              "\t<key>when</key>\n\t<date>2024-01-02T03:04:05Z</date>\n"
                              "\t<key>bytes</key>\n\t<data>QUJD</data>\n"
                              "\t<key>text</key>\n\t<string>a &amp; b &lt;c&gt; &#233;<![CDATA[<x>]]></string>\n"
                              "\t<key>inner</key>\n\t<dict>\n\t\t<key>x</key>\n\t\t<string/>\n\t</dict>\n")});

    seeds.push_back({"utf16-nul-value.plist", utf16NulValue()});
    seeds.push_back({"utf16-nul-key.plist", utf16NulKey()});
    seeds.push_back({"utf16-lone-surrogate.plist", utf16LoneSurrogate()});
    seeds.push_back({"ascii-high-byte.plist", asciiHighByte()});
    seeds.push_back({"latin1.xml.plist", latin1Xml()});
    seeds.push_back({"shared-dag.plist", sharedDag(24)});
    seeds.push_back({"self-reference.plist", selfReference()});
    seeds.push_back({"deep-100000.xml.plist", deepXml(100000)});
    seeds.push_back({"deep-10000.plist", deepBinary(10000)});
    seeds.push_back({"xml-surrogate-reference.xml.plist",
                     xmlPlist("\t<key>k</key>\n\t<string>a&#xD800;b</string>\n")});
    // Found by the fuzzer: an entity reference with no name once threw out of the scan.
    seeds.push_back({"xml-empty-entity.xml.plist", xmlPlist("\t<key>k</key>\n\t<string>a&;b</string>\n")});
    seeds.push_back({"xml-not-utf8.xml.plist", xmlPlist("\t<key>k</key>\n\t<string>Ren\xE9</string>\n")});
    seeds.push_back({"date-2100.plist", oneValue(dateObject(3155760000.0))});
    seeds.push_back({"xml-date-2100.xml.plist", xmlPlist("\t<key>k</key>\n\t<date>2100-01-01T00:00:00Z</date>\n")});
    {
        std::string wide("\x14", 1);
        appendBigEndian(wide, 1, 8);
        appendBigEndian(wide, 5, 8);
        seeds.push_back({"integer-128-bit.plist", oneValue(wide)});
    }
    seeds.push_back({"xml-integer-overflow.xml.plist",
                     xmlPlist("\t<key>k</key>\n\t<integer>99999999999999999999</integer>\n")});
    seeds.push_back({"xml-bad-base64.xml.plist", xmlPlist("\t<key>k</key>\n\t<data>QUJ</data>\n")});
    // Files holding more than one value, which a lenient reader takes as their first.
    seeds.push_back({"xml-two-dicts.xml.plist",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n"
                     "<dict><key>a</key><integer>1</integer></dict>\n"
                     "<dict><key>b</key><integer>2</integer></dict>\n</plist>\n"});
    seeds.push_back({"xml-key-without-value.xml.plist", xmlPlist("\t<key>k</key>\n\t<true/>\n\t<key>lonely</key>\n")});
    seeds.push_back({"xml-key-in-array.xml.plist", xmlPlist("\t<key>k</key>\n\t<array><key>x</key><string>v</string></array>\n")});
    {
        BinaryPlist file;
        const size_t key = file.ascii("k");
        const size_t item = file.ascii("x");
        seeds.push_back({"set.plist", file.bytes(file.dict({{key, file.raw(marker(0xC0, 1) + '\x01')}, {item, item}}))});
    }
    seeds.push_back({"null.plist", oneValue(std::string(1, '\0'))});
    {
        BinaryPlist file;
        const size_t key = file.ascii("k");
        seeds.push_back({"duplicate-keys.plist",
                         file.bytes(file.dict({{key, file.ascii("first")}, {key, file.ascii("second")}}))});
    }
    return seeds;
}

std::vector<Seed> valueSeeds()
{
    return {
        {"array.txt", "(en, \"en-US\", zh-Hans,)"},
        {"dict.txt", "{ lang = en; \"list key\" = (a, b); nested = { x = \"1 2\"; }; }"},
        {"quoted.txt", "(\"q\\\"x\\\\y\\n\", 'single', \"\\U00e9\\u65e5\\ud83d\\ude00\", \"\\101\\102\")"},
        {"data.txt", "<0fbd 77>"},
        {"comments.txt", "(a, (b, c), /* note */ d // end\n)"},
        {"nul.txt", "\"a\\000b\""},
        {"deep.txt", std::string(300, '(') + std::string(300, ')')},
        {"unclosed.txt", "(en,de"},
    };
}

} // namespace hostile
