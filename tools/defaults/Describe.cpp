#include "Describe.h"

#include "plist/PlistStore.h"
#include "plist/Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>
#include <vector>

namespace defaults_tool {

namespace {

void appendIndent(std::string& out, int level)
{
    out.append(static_cast<size_t>(level) * 4, ' ');
}

bool isBare(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// A text inside a collection: bare when made only of ASCII letters and digits, else quoted the way
// Foundation describes a text ('"' and backslash escaped, control characters as \n and the like,
// every other character outside printable ASCII as \U and four hex digits per UTF-16 unit), and then
// with each of those backslashes doubled, as the tool's 7-bit output doubles every backslash it prints.
void appendQuotedIfNeeded(std::string& out, std::string_view text)
{
    if (isBare(text)) {
        out += text;
        return;
    }
    char buffer[16];
    const auto appendUnit = [&](char32_t unit) {
        std::snprintf(buffer, sizeof buffer, "\\\\U%04x", static_cast<unsigned>(unit));
        out += buffer;
    };
    out += '"';
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = utf8::nextCodePointOrLatin1(text, pos);
        switch (cp) {
        case '"':
            out += "\\\\\"";
            continue;
        case '\\':
            out += "\\\\\\\\";
            continue;
        case '\a':
            out += "\\\\a";
            continue;
        case '\b':
            out += "\\\\b";
            continue;
        case '\f':
            out += "\\\\f";
            continue;
        case '\n':
            out += "\\\\n";
            continue;
        case '\r':
            out += "\\\\r";
            continue;
        case '\t':
            out += "\\\\t";
            continue;
        case '\v':
            out += "\\\\v";
            continue;
        default:
            break;
        }
        if (cp >= 0x20 && cp < 0x7F) {
            out += static_cast<char>(cp);
        } else if (cp < 0x10000) {
            appendUnit(cp);
        } else {
            appendUnit(0xD800 + ((cp - 0x10000) >> 10));
            appendUnit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    out += '"';
}

std::string formatReal(double value)
{
    char buffer[64];
    // libplist widens 4-byte reals to double; a Mac prints those with float precision. A value
    // that is exactly a float with a fraction and survives float rounding is taken to be one.
    const float narrow = static_cast<float>(value);
    if (std::isfinite(value) && static_cast<double>(narrow) == value && value != std::trunc(value)) {
        std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(narrow));
        if (std::strtof(buffer, nullptr) == narrow)
            return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%.16g", value);
    return buffer;
}

std::string formatDate(plist_t node)
{
    const int64_t msecs = plist_store::dateMSecs(node);
    // Whole seconds, rounded down also before 2001.
    const int64_t seconds = msecs >= 0 ? msecs / 1000 : -((-msecs + 999) / 1000);
    const time_t when = static_cast<time_t>(plist_store::kSecondsFrom1970To2001 + seconds);
    struct tm parts {};
    char buffer[64];
    if (!gmtime_r(&when, &parts) || std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S +0000", &parts) == 0)
        return "?";
    return buffer;
}

// Foundation's short form of data: every byte up to 24, else the first 16 and the last 8.
void appendData(std::string& out, plist_t node)
{
    uint64_t length = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(plist_get_data_ptr(node, &length));
    out += "{length = " + std::to_string(length) + ", bytes = 0x";
    char hex[3];
    const auto appendByte = [&](uint64_t i) {
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        out += hex;
    };
    if (length > 24) {
        for (uint64_t i = 0; i < 16; ++i) {
            appendByte(i);
            if (i % 4 == 3)
                out += ' ';
        }
        out += "... ";
        for (uint64_t i = length - 8; i < length; ++i) {
            appendByte(i);
            if ((i - (length - 8)) % 4 == 3)
                out += ' ';
        }
    } else {
        for (uint64_t i = 0; i < length; ++i)
            appendByte(i);
    }
    out += '}';
}

// Appends the printout of one value to a single buffer. Recursion follows the nesting, which the
// store keeps within plist_store::kMaxNesting for every file it loads.
class Printer {
public:
    explicit Printer(std::string& out) : out_(out) {}

    // A nested collection starts with its own indentation, which is what gives the Mac's printout
    // its odd look: `key =     (` and items of arrays of arrays pushed further right.
    void value(plist_t node, int level, bool inCollection)
    {
        switch (plist_get_node_type(node)) {
        case PLIST_ARRAY:
            array(node, level);
            return;
        case PLIST_DICT:
            dict(node, level);
            return;
        case PLIST_STRING:
            text(plist_store::stringValue(node), inCollection);
            return;
        case PLIST_BOOLEAN: {
            uint8_t flag = 0;
            plist_get_bool_val(node, &flag);
            out_ += flag ? '1' : '0';
            return;
        }
        case PLIST_UINT: {
            // Stored integers are signed; libplist hands them over as unsigned.
            uint64_t number = 0;
            plist_get_uint_val(node, &number);
            text(std::to_string(static_cast<int64_t>(number)), inCollection);
            return;
        }
        case PLIST_REAL: {
            double number = 0;
            plist_get_real_val(node, &number);
            text(formatReal(number), inCollection);
            return;
        }
        case PLIST_DATE:
            text(formatDate(node), inCollection);
            return;
        case PLIST_DATA:
            appendData(out_, node);
            return;
        case PLIST_UID: {
            uint64_t number = 0;
            plist_get_uid_val(node, &number);
            out_ += "{value = " + std::to_string(number) + '}';
            return;
        }
        default:
            text({}, inCollection);
            return;
        }
    }

private:
    void text(std::string_view value, bool inCollection)
    {
        if (inCollection)
            appendQuotedIfNeeded(out_, value);
        else
            appendEscaped7Bit(out_, value);
    }

    void array(plist_t node, int level)
    {
        appendIndent(out_, level);
        out_ += "(\n";
        bool first = true;
        plist_store::forEachArrayItem(node, [&](plist_t item) {
            if (!first)
                out_ += ",\n";
            first = false;
            appendIndent(out_, level + 1);
            value(item, level + 1, true);
        });
        if (!first)
            out_ += '\n';
        appendIndent(out_, level);
        out_ += ')';
    }

    void dict(plist_t node, int level)
    {
        std::vector<std::pair<std::string, plist_t>> entries;
        entries.reserve(plist_dict_get_size(node));
        plist_store::forEachDictEntry(node, [&](const std::string& key, plist_t item) { entries.emplace_back(key, item); });
        dictEntries(entries, level);
    }

public:
    void dictEntries(const std::vector<std::pair<std::string, plist_t>>& items, int level)
    {
        struct Entry {
            std::u16string order;
            const std::string* key;
            plist_t value;
        };
        std::vector<Entry> entries;
        entries.reserve(items.size());
        for (const auto& item : items)
            entries.push_back({utf8::toUtf16(item.first), &item.first, item.second});
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.order < b.order; });

        appendIndent(out_, level);
        out_ += "{\n";
        for (const Entry& entry : entries) {
            appendIndent(out_, level + 1);
            appendQuotedIfNeeded(out_, *entry.key);
            out_ += " = ";
            value(entry.value, level + 1, true);
            out_ += ";\n";
        }
        appendIndent(out_, level);
        out_ += '}';
    }

private:
    std::string& out_;
};

} // namespace

void appendEscaped7Bit(std::string& out, std::string_view text)
{
    char buffer[16];
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = utf8::nextCodePointOrLatin1(text, pos);
        if (cp == '\\') {
            out += "\\\\";
        } else if (cp == '\n' || cp == '\t' || (cp >= 0x20 && cp < 0x7F)) {
            out += static_cast<char>(cp);
        } else if (cp < 0x100) {
            std::snprintf(buffer, sizeof buffer, "\\%03o", static_cast<unsigned>(cp));
            out += buffer;
        } else if (cp < 0x10000) {
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(cp));
            out += buffer;
        } else {
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(0xD800 + ((cp - 0x10000) >> 10)));
            out += buffer;
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
            out += buffer;
        }
    }
}

std::string describe(plist_t node)
{
    std::string out;
    Printer(out).value(node, 0, false);
    return out;
}

void describeTextArray(size_t count, const TextAt& item, const std::function<void(std::string_view)>& write)
{
    constexpr size_t kPiece = size_t(64) << 10;
    std::string out;
    out.reserve(kPiece + 256);
    std::string scratch;
    out += "(\n";
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            out += ",\n";
        appendIndent(out, 1);
        appendQuotedIfNeeded(out, item(i, scratch));
        if (out.size() >= kPiece) {
            write(out);
            out.clear();
        }
    }
    if (count > 0)
        out += '\n';
    out += ')';
    write(out);
}

std::string describeEntries(const std::vector<std::pair<std::string, plist_t>>& entries)
{
    std::string out;
    Printer(out).dictEntries(entries, 0);
    return out;
}

} // namespace defaults_tool
