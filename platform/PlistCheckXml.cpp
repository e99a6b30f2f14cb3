// XML property lists: libplist 2.2 takes every file as UTF-8 whatever it declares, and reads leaf
// values leniently (an integer "12abc" as 12, "010" as 8, a date it cannot hold as 1932, base64
// it cannot decode as no bytes). This scan refuses what libplist would read other than a Mac
// does, and measures the nesting before anything recurses.
#include "platform/PlistCheck.h"

#include "platform/PlistStore.h"

#include <cstdint>
#include <cstdlib>

namespace plist_check {

namespace {

const char kMalformed[] = "it is not a well-formed XML property list";

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

// Decimal without leading zeros (libplist would read those as octal), or 0x and hex digits,
// within a signed 64-bit integer.
bool isExactInteger(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    uint64_t limit = negative ? (uint64_t(1) << 63) : (uint64_t(1) << 63) - 1;
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && lower(text[1]) == 'x') {
        if (negative)
            return false;
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '0') {
        return false;
    }
    uint64_t value = 0;
    for (const char c : text) {
        if (base == 10 ? !isDigit(c) : !isHexDigit(c))
            return false;
        const unsigned digit = isDigit(c) ? unsigned(c - '0') : unsigned(lower(c) - 'a' + 10);
        if (value > (limit - digit) / base)
            return false;
        value = value * base + digit;
    }
    return true;
}

// A number as C's strtod reads it in any locale's digits (libplist uses atof), all of the text.
bool isExactReal(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    if (equalsIgnoringCase(text, "nan") || equalsIgnoringCase(text, "inf") || equalsIgnoringCase(text, "infinity"))
        return true;
    size_t i = 0;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && lower(text[i]) == 'e') {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == start)
            return false;
    }
    return i == text.size();
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
std::string dateProblem(std::string_view text)
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
    const int64_t seconds = (daysFromCivil(year, unsigned(month), unsigned(day)) - daysFromCivil(2001, 1, 1)) * 86400
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

enum class Leaf { None, Integer, Real, Date, Data };

Leaf leafKind(std::string_view name)
{
    if (name == "integer")
        return Leaf::Integer;
    if (name == "real")
        return Leaf::Real;
    if (name == "date")
        return Leaf::Date;
    if (name == "data")
        return Leaf::Data;
    return Leaf::None;
}

class XmlScanner {
public:
    explicit XmlScanner(std::string_view text) : text_(text) {}

    std::string run()
    {
        while (at_ < text_.size()) {
            std::string why = text_[at_] == '<' ? markup() : character();
            if (!why.empty())
                return why;
        }
        return containers_ == 0 && elements_ == 0 ? std::string() : kMalformed;
    }

private:
    bool startsWith(std::string_view prefix) const { return text_.substr(at_, prefix.size()) == prefix; }

    // Skips the `opener` at the current place and on to just after `end`; false when it never comes.
    bool skipPast(std::string_view opener, std::string_view end)
    {
        const size_t found = text_.find(end, at_ + opener.size());
        if (found == std::string_view::npos)
            return false;
        at_ = found + end.size();
        return true;
    }

    std::string character()
    {
        if (text_[at_] != '&') {
            if (leaf_ != Leaf::None)
                leafText_ += text_[at_];
            ++at_;
            return {};
        }
        const size_t end = text_.find(';', at_);
        if (end == std::string_view::npos || end - at_ > 12)
            return "it holds an '&' that starts no known entity";
        const std::string_view name = text_.substr(at_ + 1, end - at_ - 1);
        at_ = end + 1;
        if (leaf_ != Leaf::None)
            leafText_ += '&'; // no leaf value the store checks is written with entities
        if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos")
            return {};
        if (name.size() < 2 || name[0] != '#')
            return "it holds an '&' that starts no known entity";
        const bool hex = lower(name[1]) == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty())
            return "it holds an '&' that starts no known entity";
        uint32_t cp = 0;
        for (const char c : digits) {
            if (hex ? !isHexDigit(c) : !isDigit(c))
                return "it holds an '&' that starts no known entity";
            cp = cp * (hex ? 16 : 10) + (isDigit(c) ? unsigned(c - '0') : unsigned(lower(c) - 'a' + 10));
            if (cp > 0x10FFFF)
                return "a character reference in it is beyond U+10FFFF";
        }
        if (cp == 0)
            return "a text in it holds a NUL character, which the store cannot keep";
        if (cp >= 0xD800 && cp <= 0xDFFF)
            return "a character reference in it names half a surrogate pair";
        return {};
    }

    std::string markup()
    {
        // Inside a number, date or data libplist may read around a comment differently.
        if (leaf_ != Leaf::None && !startsWith("</"))
            return kMalformed;
        if (startsWith("<!--"))
            return skipPast("<!--", "-->") ? std::string() : kMalformed;
        if (startsWith("<![CDATA[")) {
            return skipPast("<![CDATA[", "]]>") ? std::string() : kMalformed;
        }
        if (startsWith("<?"))
            return skipPast("<?", "?>") ? std::string() : kMalformed;
        if (startsWith("<!")) {
            // A DOCTYPE; one with an internal subset could declare entities.
            const size_t end = text_.find('>', at_);
            if (end == std::string_view::npos || text_.substr(at_, end - at_).find('[') != std::string_view::npos)
                return kMalformed;
            at_ = end + 1;
            return {};
        }
        const bool closing = startsWith("</");
        size_t name = at_ + (closing ? 2 : 1);
        size_t nameEnd = name;
        while (nameEnd < text_.size() && !isSpace(text_[nameEnd]) && text_[nameEnd] != '>' && text_[nameEnd] != '/')
            ++nameEnd;
        const std::string_view tag = text_.substr(name, nameEnd - name);
        // The end of the tag, with '>' inside quoted attribute values skipped.
        size_t end = nameEnd;
        char quote = 0;
        while (end < text_.size() && (quote || text_[end] != '>')) {
            if (quote ? text_[end] == quote : (text_[end] == '"' || text_[end] == '\''))
                quote = quote ? 0 : text_[end];
            ++end;
        }
        if (tag.empty() || end >= text_.size())
            return kMalformed;
        const bool empty = !closing && text_[end - 1] == '/';
        at_ = end + 1;
        const bool container = tag == "array" || tag == "dict";

        if (closing) {
            if (--elements_ < 0 || (container && --containers_ < 0))
                return kMalformed;
            if (leaf_ != Leaf::None)
                return finishLeaf();
            return {};
        }
        if (empty) {
            const Leaf kind = leafKind(tag);
            if (kind != Leaf::None && kind != Leaf::Data)
                return "an <" + std::string(tag) + "> in it is empty";
            return {};
        }
        if (++elements_ > plist_store::kMaxNesting + 2 || (container && ++containers_ > plist_store::kMaxNesting))
            return "it nests collections deeper than " + std::to_string(plist_store::kMaxNesting) + " levels";
        leaf_ = leafKind(tag);
        leafText_.clear();
        return {};
    }

    std::string finishLeaf()
    {
        const Leaf kind = leaf_;
        leaf_ = Leaf::None;
        switch (kind) {
        case Leaf::Integer:
            return isExactInteger(leafText_) ? std::string()
                                             : "an integer in it is not a 64-bit integer the store can keep exactly";
        case Leaf::Real:
            return isExactReal(leafText_) ? std::string() : "a real in it is not a number";
        case Leaf::Date:
            return dateProblem(leafText_);
        case Leaf::Data:
            return isExactBase64(leafText_) ? std::string() : "a <data> in it is not valid base64";
        case Leaf::None:
            break;
        }
        return {};
    }

    std::string_view text_;
    size_t at_ = 0;
    int elements_ = 0;
    int containers_ = 0;
    Leaf leaf_ = Leaf::None;
    std::string leafText_;
};

} // namespace

std::string xml(std::string_view bytes, std::string& utf8)
{
    utf8.clear();
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3); // libplist does not read a UTF-8 byte order mark
    if (bytes.substr(0, 2) == "\xFE\xFF" || bytes.substr(0, 2) == "\xFF\xFE"
        || bytes.substr(0, 2) == std::string_view("<\0", 2) || bytes.substr(0, 2) == std::string_view("\0<", 2))
        return "it is written in UTF-16, which the store cannot read";

    const std::string encoding = declaredEncoding(bytes);
    if (encoding.empty() || equalsIgnoringCase(encoding, "UTF-8") || equalsIgnoringCase(encoding, "UTF8")) {
        utf8.assign(bytes);
    } else if (equalsIgnoringCase(encoding, "US-ASCII") || equalsIgnoringCase(encoding, "ASCII")) {
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return "it is declared US-ASCII but holds a byte above 127";
        }
        utf8.assign(bytes);
    } else if (equalsIgnoringCase(encoding, "ISO-8859-1") || equalsIgnoringCase(encoding, "ISO_8859-1")
               || equalsIgnoringCase(encoding, "ISO8859-1") || equalsIgnoringCase(encoding, "latin1")
               || equalsIgnoringCase(encoding, "l1")) {
        // Every Latin-1 byte is the code point of the same number.
        utf8.reserve(bytes.size());
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                utf8 += c;
            } else {
                utf8 += static_cast<char>(0xC0 | (byte >> 6));
                utf8 += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
    } else {
        return "it is written in the encoding " + encoding + ", which the store cannot read";
    }

    if (utf8.find('\0') != std::string::npos)
        return "it holds a NUL byte, which no XML file may";
    if (!isValidUtf8(utf8))
        return "it is not valid UTF-8 text";
    return XmlScanner(utf8).run();
}

} // namespace plist_check
