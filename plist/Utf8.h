#pragma once
// UTF-8 checking, decoding and encoding, shared by the property-list store and the `defaults`
// stand-in. Plain C++, no Qt: the store's tools link it without Qt.
#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// Decodes the code point at `pos` into `cp` and advances `pos` past it. False, leaving both as
// they were, for a sequence that is not valid UTF-8 there: a stray or truncated byte, an overlong
// form, a surrogate or a code point above U+10FFFF.
inline bool decode(std::string_view text, size_t& pos, char32_t& cp)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return true;
    }
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, value = lead & 0x1F, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, value = lead & 0x0F, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, value = lead & 0x07, minimum = 0x10000;
    else
        return false;
    if (length > text.size() - pos)
        return false;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(pos + k) & 0xC0) != 0x80)
            return false;
        value = (value << 6) | (byte(pos + k) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    cp = value;
    pos += length;
    return true;
}

inline bool isValid(std::string_view text)
{
    char32_t cp = 0;
    for (size_t pos = 0; pos < text.size();)
        if (!decode(text, pos, cp))
            return false;
    return true;
}

// The code point at `pos`, advancing `pos`; a byte that does not start a valid sequence stands
// for itself as a Latin-1 character, so that no byte of a text is lost.
inline char32_t nextCodePointOrLatin1(std::string_view text, size_t& pos)
{
    char32_t cp = 0;
    if (decode(text, pos, cp))
        return cp;
    return static_cast<unsigned char>(text[pos++]);
}

// Appends the UTF-8 form of `cp`; a lone surrogate, which has none, becomes U+FFFD.
inline void append(std::string& out, char32_t cp)
{
    if (cp >= 0xD800 && cp <= 0xDFFF)
        cp = 0xFFFD;
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

// `text` as valid UTF-8, its invalid bytes read as Latin-1 (see nextCodePointOrLatin1).
inline std::string withLatin1Fallback(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        append(out, nextCodePointOrLatin1(text, pos));
    return out;
}

// `text` in UTF-16 code units (invalid bytes as Latin-1): the order in which Foundation sorts
// dictionary keys, and the form a binary property list stores a non-ASCII text in.
inline std::u16string toUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = nextCodePointOrLatin1(text, pos);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

} // namespace utf8
