#include "Describe.h"

#include "Utf8.h"

#include "platform/PlistStore.h"

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

using plist_store::CString;

// Seconds from the Unix epoch to 2001-01-01, where property-list dates count from.
constexpr long long kEpoch2001 = 978307200;

std::string indent(int level)
{
    return std::string(static_cast<size_t>(level) * 4, ' ');
}

bool isBare(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// A text inside a collection: bare when made only of ASCII letters and digits, else quoted.
std::string quoteIfNeeded(const std::string& text)
{
    if (isBare(text))
        return text;
    return '"' + escape7Bit(text, true) + '"';
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
    const time_t when = static_cast<time_t>(kEpoch2001 + seconds);
    struct tm parts {};
    char buffer[64];
    if (!gmtime_r(&when, &parts) || std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S +0000", &parts) == 0)
        return "?";
    return buffer;
}

// Foundation's short form of data: every byte up to 24, else the first 16 and the last 8.
std::string formatData(plist_t node)
{
    uint64_t length = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(plist_get_data_ptr(node, &length));
    std::string out = "{length = " + std::to_string(length) + ", bytes = 0x";
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
    return out + '}';
}

std::string stringValue(plist_t node)
{
    char* raw = nullptr;
    plist_get_string_val(node, &raw);
    CString text(raw);
    return text ? std::string(text.get()) : std::string();
}

// Keys sort as Foundation compares strings: by UTF-16 code units.
std::u16string utf16(const std::string& text)
{
    std::u16string out;
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = nextCodePoint(text, pos);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string describeAt(plist_t node, int level, bool inCollection);

std::string describeArray(plist_t node, int level)
{
    std::string out = indent(level) + "(\n";
    const uint32_t size = plist_array_get_size(node);
    for (uint32_t i = 0; i < size; ++i) {
        out += indent(level + 1) + describeAt(plist_array_get_item(node, i), level + 1, true);
        out += i + 1 < size ? ",\n" : "\n";
    }
    return out + indent(level) + ')';
}

std::string describeDict(plist_t node, int level)
{
    std::vector<std::pair<std::string, plist_t>> entries;
    plist_store::forEachDictEntry(node, [&](const std::string& key, plist_t value) {
        entries.emplace_back(key, value);
    });
    std::vector<std::pair<std::u16string, size_t>> order;
    for (size_t i = 0; i < entries.size(); ++i)
        order.emplace_back(utf16(entries[i].first), i);
    std::sort(order.begin(), order.end());

    std::string out = indent(level) + "{\n";
    for (const auto& [sortKey, index] : order) {
        const auto& [key, value] = entries[index];
        out += indent(level + 1) + quoteIfNeeded(key) + " = " + describeAt(value, level + 1, true) + ";\n";
    }
    return out + indent(level) + '}';
}

// A nested collection starts with its own indentation, which is what gives the Mac's printout its
// odd look: `key =     (` and items of arrays of arrays pushed further right.
std::string describeAt(plist_t node, int level, bool inCollection)
{
    const auto text = [&](const std::string& value) {
        return inCollection ? quoteIfNeeded(value) : escape7Bit(value, false);
    };
    switch (plist_get_node_type(node)) {
    case PLIST_ARRAY:
        return describeArray(node, level);
    case PLIST_DICT:
        return describeDict(node, level);
    case PLIST_STRING:
    case PLIST_KEY:
        return text(stringValue(node));
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value ? "1" : "0";
    }
    case PLIST_UINT: {
        // Stored integers are signed; libplist hands them over as unsigned.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return text(std::to_string(static_cast<int64_t>(value)));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return text(formatReal(value));
    }
    case PLIST_DATE:
        return text(formatDate(node));
    case PLIST_DATA:
        return formatData(node);
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return "{value = " + std::to_string(value) + '}';
    }
    default:
        return text("");
    }
}

} // namespace

std::string escape7Bit(const std::string& text, bool quoted)
{
    std::string out;
    out.reserve(text.size());
    char buffer[16];
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = nextCodePoint(text, pos);
        if (cp == '\\') {
            out += "\\\\";
        } else if (cp == '"' && quoted) {
            out += "\\\"";
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
    return out;
}

std::string describe(plist_t node)
{
    return describeAt(node, 0, false);
}

} // namespace defaults_tool
