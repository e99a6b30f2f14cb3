// XML property lists, read in one pass into the binary form the store reads every file in.
// libplist 2.2's own XML reader looks each key up as it adds it (a dictionary of 400,000 keys took
// a minute), takes every file as UTF-8 whatever it declares, reads leaf values leniently (an
// integer "12abc" as 12, "010" as 8, a date it cannot hold as 1932, base64 it cannot decode as no
// bytes) and reads a file holding several values as its first. This reader refuses all of those
// with a reason, measures the nesting before anything recurses, and writes each value once, so
// the cost follows the size of the file.
#include "DecimalNumber.h"
#include "PlistBinaryFormat.h"
#include "PlistCheck.h"

#include "PlistStore.h"
#include "Utf8.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace plist_check {

namespace {

const char kMalformed[] = "it is not a well-formed XML property list";
const char kUnknownEntity[] = "it holds an '&' that starts no known entity";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Decimal without leading zeros (a Mac's reader and libplist disagree on those), or 0x and hex
// digits, within a signed 64-bit integer; its bits as libplist keeps them.
std::optional<uint64_t> exactInteger(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    uint64_t limit = negative ? (uint64_t(1) << 63) : (uint64_t(1) << 63) - 1;
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && lower(text[1]) == 'x') {
        if (negative)
            return std::nullopt;
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '0') {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (const char c : text) {
        if (base == 10 ? !isDigit(c) : !isHexDigit(c))
            return std::nullopt;
        const unsigned digit = isDigit(c) ? unsigned(c - '0') : unsigned(lower(c) - 'a' + 10);
        if (value > (limit - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }
    return negative ? ~value + 1 : value;
}

// A number as C's strtod reads it in the C locale, all of the text.
bool isExactReal(std::string_view text)
{
    text = trimmed(text);
    std::string_view unsignedText = text;
    if (!unsignedText.empty() && (unsignedText.front() == '+' || unsignedText.front() == '-'))
        unsignedText.remove_prefix(1);
    if (equalsIgnoringCase(unsignedText, "nan") || equalsIgnoringCase(unsignedText, "inf")
        || equalsIgnoringCase(unsignedText, "infinity"))
        return true;
    const size_t length = decimal_number::leadingLength(text);
    return length > 0 && length == text.size();
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
int64_t daysFromCivil(int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

// YYYY-MM-DDTHH:MM:SSZ, the only form libplist reads, within the 32-bit seconds from 2001 it keeps.
// `seconds` receives the time from 2001-01-01 00:00:00 UTC.
std::string dateProblem(std::string_view text, int64_t& seconds)
{
    text = trimmed(text);
    const char* form = "dddd-dd-ddTdd:dd:ddZ";
    bool shaped = text.size() == 20;
    for (size_t i = 0; shaped && i < text.size(); ++i)
        shaped = form[i] == 'd' ? isDigit(text[i]) : text[i] == form[i];
    if (!shaped)
        return "a date in it is not written as YYYY-MM-DDTHH:MM:SSZ";
    const auto number = [&](size_t at, size_t length) {
        int value = 0;
        for (size_t i = at; i < at + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        return "a date in it is not a valid time";
    seconds = (daysFromCivil(year, unsigned(month), unsigned(day)) - daysFromCivil(2001, 1, 1)) * 86400
        + hour * 3600 + minute * 60 + second;
    if (seconds < INT32_MIN || seconds > INT32_MAX)
        return "it holds a date outside 1932-12-13 to 2069-01-19, which the store cannot keep";
    return {};
}

// Base64 with whitespace between, in whole groups of four, padding only at the end.
bool isExactBase64(std::string_view text)
{
    size_t count = 0;
    size_t padding = 0;
    for (const char c : text) {
        if (isSpace(c))
            continue;
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c) || c == '+' || c == '/';
        if (c == '=')
            ++padding;
        else if (!letter || padding > 0)
            return false;
        ++count;
    }
    return count % 4 == 0 && padding <= 2;
}

// The value of the encoding="..." of an XML declaration at the start; empty when there is none.
std::string declaredEncoding(std::string_view text)
{
    if (text.substr(0, 5) != "<?xml")
        return {};
    const size_t end = text.find("?>");
    const std::string_view declaration = text.substr(0, end);
    const size_t name = declaration.find("encoding");
    if (name == std::string_view::npos)
        return {};
    size_t at = name + 8;
    while (at < declaration.size() && (isSpace(declaration[at]) || declaration[at] == '='))
        ++at;
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const size_t close = declaration.find(declaration[at], at + 1);
    if (close == std::string_view::npos)
        return {};
    return std::string(declaration.substr(at + 1, close - at - 1));
}

// The bytes of base64 text that isExactBase64() accepted.
std::string decodeBase64(std::string_view text)
{
    std::string out;
    out.reserve(text.size() / 4 * 3);
    uint32_t group = 0;
    int bits = 0;
    for (const char c : text) {
        unsigned value = 0;
        if (c >= 'A' && c <= 'Z')
            value = unsigned(c - 'A');
        else if (c >= 'a' && c <= 'z')
            value = unsigned(c - 'a' + 26);
        else if (isDigit(c))
            value = unsigned(c - '0' + 52);
        else if (c == '+')
            value = 62;
        else if (c == '/')
            value = 63;
        else
            continue; // whitespace and padding
        group = (group << 6) | value;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return out;
}

// What an open element is.
enum class Element { Plist,
                     Dict,
                     Array,
                     Text,
                     Key,
                     Integer,
                     Real,
                     Date,
                     Data,
                     True,
                     False };

std::optional<Element> elementNamed(std::string_view name)
{
    static const std::pair<std::string_view, Element> kNames[] = {
        {"plist", Element::Plist},
        {"dict", Element::Dict},
        {"array", Element::Array},
        {"string", Element::Text},
        {"key", Element::Key},
        {"integer", Element::Integer},
        {"real", Element::Real},
        {"date", Element::Date},
        {"data", Element::Data},
        {"true", Element::True},
        {"false", Element::False},
    };
    for (const auto& [known, element] : kNames) {
        if (known == name)
            return element;
    }
    return std::nullopt;
}

bool isCollection(Element element)
{
    return element == Element::Dict || element == Element::Array;
}

bool holdsText(Element element)
{
    return element == Element::Text || element == Element::Key;
}

class XmlReader {
public:
    explicit XmlReader(std::string_view text) : text_(text) {}

    std::string run(std::string& binary)
    {
        // Every value takes at least one tag, and its bytes in binary form are fewer than in XML:
        // tables sized once from the file instead of copied as they grow.
        size_t tags = 0;
        for (const char c : text_)
            tags += c == '<';
        objects_.reserve(tags / 2 + 1);
        children_.reserve(tags / 2 + 1);
        refs_.reserve(tags / 2 + 1);
        leaves_.reserve(text_.size() / 3 + 16);
        while (at_ < text_.size()) {
            std::string why = text_[at_] == '<' ? markup() : characters();
            if (!why.empty())
                return why;
        }
        if (!open_.empty())
            return kMalformed;
        if (!top_)
            return "it is not a property list";
        if (!topIsDict_)
            return "its top level is not a dictionary";
        writeFile(binary);
        return {};
    }

private:
    // An object of the file made: a leaf's bytes in leaves_, or a collection's references in refs_.
    struct Object {
        size_t start = 0;
        size_t length = 0;
        bool collection = false;
        bool dict = false;
    };

    struct Open {
        Element element;
        std::string_view name; // as written, for the closing tag
        size_t firstChild = 0; // a collection's items, or a dictionary's keys and values, in children_
        bool keyPending = false;
        bool holdsValue = false; // <plist>
    };

    bool startsWith(std::string_view prefix) const { return text_.substr(at_, prefix.size()) == prefix; }

    bool inLeaf() const { return !open_.empty() && !isCollection(open_.back().element) && open_.back().element != Element::Plist; }

    // Skips the `opener` at the current place and on to just after `end`; false when it never comes.
    bool skipPast(std::string_view opener, std::string_view end, std::string_view* inside = nullptr)
    {
        const size_t from = at_ + opener.size();
        const size_t found = text_.find(end, from);
        if (found == std::string_view::npos)
            return false;
        if (inside)
            *inside = text_.substr(from, found - from);
        at_ = found + end.size();
        return true;
    }

    static bool isBlank(std::string_view text)
    {
        for (const char c : text) {
            if (!isSpace(c))
                return false;
        }
        return true;
    }

    std::string characters()
    {
        size_t end = text_.find_first_of("<&", at_);
        if (end == std::string_view::npos)
            end = text_.size();
        const std::string_view run = text_.substr(at_, end - at_);
        if (!inLeaf()) {
            if (!isBlank(run))
                return kMalformed;
            at_ = end;
            return end < text_.size() && text_[end] == '&' ? kMalformed : std::string();
        }
        leafText_.append(run.data(), run.size());
        at_ = end;
        if (at_ < text_.size() && text_[at_] == '&')
            return entity();
        return {};
    }

    std::string entity()
    {
        const size_t end = text_.find(';', at_);
        if (end == std::string_view::npos || end - at_ > 12)
            return kUnknownEntity;
        const std::string_view name = text_.substr(at_ + 1, end - at_ - 1);
        at_ = end + 1;
        if (!holdsText(open_.back().element))
            leafText_ += '&'; // no number, date or data is written with entities: refused below
        if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos") {
            leafText_ += name == "amp" ? '&' : name == "lt" ? '<'
                : name == "gt"                              ? '>'
                : name == "quot"                            ? '"'
                                                            : '\'';
            return {};
        }
        return characterReference(name);
    }

    // A character named by its number: "#233" or "#xE9".
    std::string characterReference(std::string_view name)
    {
        if (name.size() < 2 || name[0] != '#')
            return kUnknownEntity;
        const bool hex = lower(name[1]) == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty())
            return kUnknownEntity;
        uint32_t cp = 0;
        for (const char c : digits) {
            if (hex ? !isHexDigit(c) : !isDigit(c))
                return kUnknownEntity;
            cp = cp * (hex ? 16 : 10) + (isDigit(c) ? unsigned(c - '0') : unsigned(lower(c) - 'a' + 10));
            if (cp > 0x10FFFF)
                return "a character reference in it is beyond U+10FFFF";
        }
        if (cp == 0)
            return "a text in it holds a NUL character, which the store cannot keep";
        if (cp >= 0xD800 && cp <= 0xDFFF)
            return "a character reference in it names half a surrogate pair";
        utf8::append(leafText_, cp);
        return {};
    }

    std::string markup()
    {
        // A number, date or data holds nothing but its text: libplist and a Mac read around a
        // comment in one differently.
        const bool textLeaf = inLeaf() && holdsText(open_.back().element);
        if (inLeaf() && !textLeaf && !startsWith("</"))
            return kMalformed;
        if (startsWith("<!--"))
            return skipPast("<!--", "-->") ? std::string() : kMalformed;
        if (startsWith("<![CDATA["))
            return cdata(textLeaf);
        if (startsWith("<?"))
            return skipPast("<?", "?>") ? std::string() : kMalformed;
        if (startsWith("<!"))
            return doctype();
        if (textLeaf && !startsWith("</"))
            return kMalformed; // no element inside a text
        return elementTag();
    }

    std::string cdata(bool textLeaf)
    {
        std::string_view inside;
        if (!skipPast("<![CDATA[", "]]>", &inside))
            return kMalformed;
        if (textLeaf)
            leafText_.append(inside.data(), inside.size());
        else if (!isBlank(inside))
            return kMalformed;
        return {};
    }

    // A DOCTYPE, before everything else; one with an internal subset could declare entities.
    std::string doctype()
    {
        const size_t end = text_.find('>', at_);
        if (end == std::string_view::npos || text_.substr(at_, end - at_).find('[') != std::string_view::npos
            || !open_.empty() || top_ || sawPlist_)
            return kMalformed;
        at_ = end + 1;
        return {};
    }

    // Where a tag that starts before `from` ends, at its '>', with '>' inside quoted attribute
    // values skipped; the text's size when it does not end.
    size_t tagEnd(size_t from) const
    {
        size_t end = from;
        char quote = 0;
        while (end < text_.size() && (quote || text_[end] != '>')) {
            if (quote ? text_[end] == quote : (text_[end] == '"' || text_[end] == '\''))
                quote = quote ? 0 : text_[end];
            ++end;
        }
        return end;
    }

    // An element's start or end tag.
    std::string elementTag()
    {
        const bool closing = startsWith("</");
        const size_t name = at_ + (closing ? 2 : 1);
        size_t nameEnd = name;
        while (nameEnd < text_.size() && !isSpace(text_[nameEnd]) && text_[nameEnd] != '>' && text_[nameEnd] != '/')
            ++nameEnd;
        const std::string_view tag = text_.substr(name, nameEnd - name);
        const size_t end = tagEnd(nameEnd);
        if (tag.empty() || end >= text_.size())
            return kMalformed;
        const bool empty = !closing && text_[end - 1] == '/';
        at_ = end + 1;
        if (closing)
            return (open_.empty() || open_.back().name != tag || !isBlank(text_.substr(nameEnd, end - nameEnd))) ? kMalformed
                                                                                                                 : close();
        return start(tag, empty);
    }

    std::string start(std::string_view tag, bool empty)
    {
        if (plistClosed_ || (open_.empty() && top_))
            return "it holds more after its end";
        const std::optional<Element> element = elementNamed(tag);
        if (!element || (*element == Element::Plist && (sawPlist_ || !open_.empty())))
            return "it holds an element <" + std::string(tag) + "> that is not part of a property list";
        if (*element == Element::Plist) {
            sawPlist_ = true;
            if (empty)
                plistClosed_ = true;
            else
                open_.push_back({Element::Plist, tag, 0, false, false});
            return {};
        }
        std::string why = misplaced(*element);
        if (!why.empty())
            return why;
        if (isCollection(*element)) {
            if (++collections_ > plist_store::kMaxNesting)
                return "it nests collections deeper than " + std::to_string(plist_store::kMaxNesting) + " levels";
        }
        open_.push_back({*element, tag, children_.size(), false, false});
        leafText_.clear();
        if (empty) {
            const Element kind = *element;
            if (kind == Element::Integer || kind == Element::Real || kind == Element::Date)
                return "an <" + std::string(tag) + "> in it is empty";
            return close();
        }
        return {};
    }

    // Why an `element` may not start where the reader is; empty when it may.
    std::string misplaced(Element element) const
    {
        if (open_.empty())
            return element == Element::Key ? "it holds a <key> outside a dictionary" : std::string();
        const Open& parent = open_.back();
        if (parent.element == Element::Plist && parent.holdsValue)
            return "it holds more than one value";
        if (element == Element::Key && parent.element != Element::Dict)
            return "it holds a <key> outside a dictionary";
        if (parent.element == Element::Dict && element == Element::Key && parent.keyPending)
            return "it holds a key without a value";
        if (parent.element == Element::Dict && element != Element::Key && !parent.keyPending)
            return "it holds a value without a key in a dictionary";
        return {};
    }

    // Ends the innermost open element: makes its object and hands it to the element around it.
    std::string close()
    {
        const Open self = open_.back();
        open_.pop_back();
        if (self.element == Element::Plist) {
            plistClosed_ = true;
            return {};
        }
        Object object;
        if (isCollection(self.element)) {
            --collections_;
            if (self.element == Element::Dict && self.keyPending)
                return "it holds a key without a value";
            object = finishCollection(self);
        } else {
            std::string why = finishLeaf(self.element);
            if (!why.empty())
                return why;
            object = {leafStart_, leaves_.size() - leafStart_, false, false};
        }
        objects_.push_back(object);
        const uint64_t number = objects_.size() - 1;
        if (open_.empty()) {
            top_ = true;
            topNumber_ = number;
            topIsDict_ = self.element == Element::Dict;
            return {};
        }
        Open& parent = open_.back();
        if (parent.element == Element::Plist) {
            parent.holdsValue = true;
            top_ = true;
            topNumber_ = number;
            topIsDict_ = self.element == Element::Dict;
            return {};
        }
        children_.push_back(number);
        if (parent.element == Element::Dict)
            parent.keyPending = self.element == Element::Key;
        return {};
    }

    // A collection's references, its children taken off the stack. A key written twice in one
    // dictionary keeps its first place and its last value, as libplist and a Mac read it.
    Object finishCollection(const Open& self)
    {
        const size_t first = self.firstChild;
        const size_t count = children_.size() - first;
        Object object{refs_.size(), count, true, self.element == Element::Dict};
        if (!object.dict) {
            refs_.insert(refs_.end(), children_.begin() + static_cast<std::ptrdiff_t>(first), children_.end());
            children_.resize(first);
            return object;
        }
        std::vector<uint64_t> keys;
        std::vector<uint64_t> values;
        keys.reserve(count / 2);
        values.reserve(count / 2);
        plist_binary::TextIndex seen(count > 16 ? count / 2 : 0);
        for (size_t i = first; i + 1 < children_.size(); i += 2) {
            const Object& key = objects_[children_[i]];
            const std::string_view bytes(leaves_.data() + key.start, key.length);
            const auto keyBytes = [&](uint32_t n) {
                const Object& known = objects_[keys[n]];
                return std::string_view(leaves_.data() + known.start, known.length);
            };
            const uint64_t earlier = seen.findOrAdd(bytes, static_cast<uint32_t>(keys.size()), keyBytes);
            if (earlier != plist_binary::TextIndex::kAbsent) {
                values[earlier] = children_[i + 1];
                continue;
            }
            keys.push_back(children_[i]);
            values.push_back(children_[i + 1]);
        }
        children_.resize(first);
        object.length = keys.size() * 2;
        refs_.insert(refs_.end(), keys.begin(), keys.end());
        refs_.insert(refs_.end(), values.begin(), values.end());
        return object;
    }

    std::string finishLeaf(Element element)
    {
        leafStart_ = leaves_.size();
        switch (element) {
        case Element::Text:
        case Element::Key:
            plist_binary::appendText(leaves_, leafText_);
            return {};
        case Element::Integer: {
            const std::optional<uint64_t> value = exactInteger(leafText_);
            if (!value)
                return "an integer in it is not a 64-bit integer the store can keep exactly";
            plist_binary::appendInteger(leaves_, *value);
            return {};
        }
        case Element::Real:
            return finishReal();
        case Element::Date:
            return finishDate();
        case Element::Data:
            return finishData();
        case Element::True:
        case Element::False:
            if (!isBlank(leafText_))
                return kMalformed;
            leaves_ += static_cast<char>(element == Element::True ? plist_binary::kTrueMarker : plist_binary::kFalseMarker);
            return {};
        default:
            return kMalformed;
        }
    }

    std::string finishReal()
    {
        if (!isExactReal(leafText_))
            return "a real in it is not a number";
        // The caller reads in the C locale, whose decimal sign is the point.
        const std::string number(trimmed(leafText_));
        plist_binary::appendDouble(leaves_, plist_binary::kRealMarker, std::strtod(number.c_str(), nullptr));
        return {};
    }

    std::string finishDate()
    {
        int64_t seconds = 0;
        std::string why = dateProblem(leafText_, seconds);
        if (!why.empty())
            return why;
        plist_binary::appendDouble(leaves_, plist_binary::kDateMarker, static_cast<double>(seconds));
        return {};
    }

    std::string finishData()
    {
        if (!isExactBase64(leafText_))
            return "a <data> in it is not valid base64";
        const std::string bytes = decodeBase64(leafText_);
        plist_binary::appendMarker(leaves_, plist_binary::kData, bytes.size());
        leaves_ += bytes;
        return {};
    }

    void writeFile(std::string& out) const
    {
        const int refSize = plist_binary::bytesFor(objects_.size());
        out.clear();
        out.reserve(64 + leaves_.size() + refs_.size() * size_t(refSize) + objects_.size() * 5);
        out = "bplist00";
        std::vector<uint64_t> offsets;
        offsets.reserve(objects_.size());
        for (const Object& object : objects_) {
            offsets.push_back(out.size());
            if (!object.collection) {
                out.append(leaves_, object.start, object.length);
                continue;
            }
            plist_binary::appendMarker(out, object.dict ? plist_binary::kDict : plist_binary::kArray,
                                       object.dict ? object.length / 2 : object.length);
            for (size_t i = 0; i < object.length; ++i)
                plist_binary::appendBigEndian(out, refs_[object.start + i], refSize);
        }
        plist_binary::appendTable(out, offsets, refSize, topNumber_);
    }

    std::string_view text_;
    size_t at_ = 0;
    std::vector<Open> open_;
    int collections_ = 0;
    bool sawPlist_ = false;
    bool plistClosed_ = false;
    bool top_ = false;
    bool topIsDict_ = false;
    uint64_t topNumber_ = 0;
    std::string leafText_;
    size_t leafStart_ = 0;
    std::string leaves_;
    std::vector<Object> objects_;
    std::vector<uint64_t> children_; // the children of the open collections, innermost last
    std::vector<uint64_t> refs_;
};

} // namespace

std::string xml(std::string_view bytes, std::string& binary)
{
    binary.clear();
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (bytes.substr(0, 2) == "\xFE\xFF" || bytes.substr(0, 2) == "\xFF\xFE"
        || bytes.substr(0, 2) == std::string_view("<\0", 2) || bytes.substr(0, 2) == std::string_view("\0<", 2))
        return "it is written in UTF-16, which the store cannot read";

    std::string latin1;
    std::string_view utf8 = bytes;
    const std::string encoding = declaredEncoding(bytes);
    if (encoding.empty() || equalsIgnoringCase(encoding, "UTF-8") || equalsIgnoringCase(encoding, "UTF8")) {
        // read as it is
    } else if (equalsIgnoringCase(encoding, "US-ASCII") || equalsIgnoringCase(encoding, "ASCII")) {
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return "it is declared US-ASCII but holds a byte above 127";
        }
    } else if (equalsIgnoringCase(encoding, "ISO-8859-1") || equalsIgnoringCase(encoding, "ISO_8859-1")
               || equalsIgnoringCase(encoding, "ISO8859-1") || equalsIgnoringCase(encoding, "latin1")
               || equalsIgnoringCase(encoding, "l1")) {
        // Every Latin-1 byte is the code point of the same number.
        latin1.reserve(bytes.size() + bytes.size() / 8);
        for (const char c : bytes)
            utf8::append(latin1, static_cast<unsigned char>(c));
        utf8 = latin1;
    } else {
        return "it is written in the encoding " + encoding + ", which the store cannot read";
    }

    if (utf8.find('\0') != std::string_view::npos)
        return "it holds a NUL byte, which no XML file may";
    if (!utf8::isValid(utf8))
        return "it is not valid UTF-8 text";
    return XmlReader(utf8).run(binary);
}

} // namespace plist_check
