#pragma once
// Small UTF-8 helpers for the defaults stand-in. Arguments and files may hold bytes that are not
// valid UTF-8; those are read as Latin-1 so nothing is lost and libplist only ever sees valid text.
#include <cstdint>
#include <string>
#include <string_view>

namespace defaults_tool {

// Decodes one code point at `pos` and advances `pos`. An invalid or truncated sequence yields its
// first byte as a Latin-1 character.
inline char32_t nextCodePoint(std::string_view text, size_t& pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    }
    bool valid = length > 0 && pos + length <= text.size();
    for (size_t i = 1; valid && i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            valid = false;
        else
            cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (!valid || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return lead;
    }
    pos += length;
    return cp;
}

inline void appendUtf8(std::string& out, char32_t cp)
{
    if (cp >= 0xD800 && cp <= 0xDFFF)
        cp = 0xFFFD; // a lone surrogate has no UTF-8 form
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// `text` in UTF-16 code units: the order in which Foundation sorts dictionary keys.
inline std::u16string toUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
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

inline std::string validUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        appendUtf8(out, nextCodePoint(text, pos));
    return out;
}

} // namespace defaults_tool
