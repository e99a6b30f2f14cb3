#include "OldStylePlist.h"

#include "plist/PlistStore.h"
#include "plist/Utf8.h"

#include <memory>
#include <optional>
#include <utility>

namespace defaults_tool {

namespace {

using Node = plist_store::PlistPtr;

// The text of a quoted string as it is read, joining the halves of a surrogate pair written as two
// \U escapes; a half without its other half becomes U+FFFD.
class QuotedText {
public:
    void append(char32_t cp)
    {
        flushHigh();
        utf8::append(out_, cp);
    }

    void appendUtf16Unit(char32_t unit)
    {
        if (unit >= 0xDC00 && unit <= 0xDFFF && pendingHigh_) {
            utf8::append(out_, 0x10000 + ((pendingHigh_ - 0xD800) << 10) + (unit - 0xDC00));
            pendingHigh_ = 0;
            return;
        }
        flushHigh();
        if (unit >= 0xD800 && unit <= 0xDBFF)
            pendingHigh_ = unit;
        else
            utf8::append(out_, unit);
    }

    std::string finish()
    {
        flushHigh();
        return std::move(out_);
    }

private:
    void flushHigh()
    {
        if (pendingHigh_)
            utf8::append(out_, 0xFFFD);
        pendingHigh_ = 0;
    }

    std::string out_;
    char32_t pendingHigh_ = 0; // a \U high surrogate waiting for its low half
};

// The character a C escape such as \n stands for; 0 for a letter that is no such escape.
char controlCharacter(char escape)
{
    switch (escape) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    default:
        return 0;
    }
}

bool isBareChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$'
        || c == '/' || c == ':' || c == '.' || c == '-';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Parser {
public:
    Parser(const std::string& text, int levels, std::string& problem) : text_(text), levels_(levels), problem_(problem)
    {
    }

    plist_t parseWhole()
    {
        problem_.clear();
        if (!skipSpace())
            return nullptr;
        Node value(parseObject(0));
        if (!value || !skipSpace() || pos_ != text_.size())
            return nullptr;
        return value.release();
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }

    // Skips blanks and // or /* */ comments; false on an unterminated comment.
    bool skipSpace()
    {
        while (!atEnd()) {
            const char c = peek();
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                const auto end = text_.find('\n', pos_);
                pos_ = end == std::string::npos ? text_.size() : end + 1;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '*') {
                const auto end = text_.find("*/", pos_ + 2);
                if (end == std::string::npos)
                    return false;
                pos_ = end + 2;
            } else {
                break;
            }
        }
        return true;
    }

    // `above` collections enclose the object. Stops at the nesting limit, so "((((..." cannot
    // exhaust the stack.
    plist_t parseObject(int above)
    {
        if (atEnd())
            return nullptr;
        const char c = peek();
        if ((c == '(' || c == '{') && above + 1 > levels_) {
            problem_ = "it nests collections deeper than the " + std::to_string(plist_store::kMaxNesting)
                + " levels a domain may hold";
            return nullptr;
        }
        switch (c) {
        case '(':
            return parseArray(above + 1);
        case '{':
            return parseDict(above + 1);
        case '<':
            return parseData();
        default: {
            auto text = parseText();
            return text ? plist_new_string(text->c_str()) : nullptr;
        }
        }
    }

    // A string, refused when it holds NUL: libplist keeps texts NUL-terminated and would cut it.
    std::optional<std::string> parseText()
    {
        auto text = parseString();
        if (text && text->find('\0') != std::string::npos) {
            problem_ = "a text in it holds a NUL character, which the store cannot keep";
            return std::nullopt;
        }
        return text;
    }

    std::optional<std::string> parseString()
    {
        if (atEnd())
            return std::nullopt;
        if (peek() == '"' || peek() == '\'')
            return parseQuoted();
        const size_t start = pos_;
        while (!atEnd() && isBareChar(peek()))
            ++pos_;
        if (pos_ == start)
            return std::nullopt;
        return text_.substr(start, pos_ - start);
    }

    std::optional<std::string> parseQuoted()
    {
        const char quote = text_[pos_++];
        QuotedText text;
        while (!atEnd()) {
            const char c = text_[pos_];
            if (c == quote) {
                ++pos_;
                return text.finish();
            }
            if (c != '\\') {
                text.append(utf8::nextCodePointOrLatin1(text_, pos_));
                continue;
            }
            if (++pos_ >= text_.size())
                return std::nullopt;
            parseEscape(text);
        }
        return std::nullopt; // no closing quote
    }

    // What follows a backslash inside quotes.
    void parseEscape(QuotedText& text)
    {
        const char e = text_[pos_++];
        if (e == 'U' || e == 'u') {
            char32_t unit = 0;
            for (int digits = 0; digits < 4 && !atEnd() && hexValue(peek()) >= 0; ++digits)
                unit = unit * 16 + static_cast<char32_t>(hexValue(text_[pos_++]));
            text.appendUtf16Unit(unit);
        } else if (e >= '0' && e <= '7') {
            // Up to three octal digits name one byte, read as Latin-1.
            char32_t value = static_cast<char32_t>(e - '0');
            for (int digits = 1; digits < 3 && !atEnd() && peek() >= '0' && peek() <= '7'; ++digits)
                value = value * 8 + static_cast<char32_t>(text_[pos_++] - '0');
            text.append(value & 0xFF);
        } else if (const char control = controlCharacter(e)) {
            text.append(static_cast<unsigned char>(control));
        } else {
            // \" \' \\ and any other escaped character stand for themselves.
            --pos_;
            text.append(utf8::nextCodePointOrLatin1(text_, pos_));
        }
    }

    plist_t parseArray(int level)
    {
        ++pos_; // (
        Node array(plist_new_array());
        if (!skipSpace())
            return nullptr;
        if (!atEnd() && peek() != ')') {
            for (;;) {
                plist_t item = parseObject(level);
                if (!item)
                    return nullptr;
                plist_array_append_item(array.get(), item);
                if (!skipSpace() || atEnd())
                    return nullptr;
                if (peek() != ',')
                    break;
                ++pos_;
                // A comma may end the list: (a, b,)
                if (!skipSpace() || atEnd())
                    return nullptr;
                if (peek() == ')')
                    break;
            }
        }
        if (atEnd() || peek() != ')')
            return nullptr;
        ++pos_;
        return array.release();
    }

    plist_t parseDict(int level)
    {
        ++pos_; // {
        Node dict(plist_new_dict());
        for (;;) {
            if (!skipSpace() || atEnd())
                return nullptr;
            if (peek() == '}')
                break;
            const auto key = parseText();
            if (!key || !skipSpace() || atEnd() || peek() != '=')
                return nullptr;
            ++pos_;
            if (!skipSpace())
                return nullptr;
            plist_t value = parseObject(level);
            if (!value)
                return nullptr;
            plist_dict_set_item(dict.get(), key->c_str(), value);
            if (!skipSpace() || atEnd() || peek() != ';')
                return nullptr;
            ++pos_;
        }
        ++pos_; // }
        return dict.release();
    }

    plist_t parseData()
    {
        ++pos_; // <
        std::string bytes;
        int high = -1;
        for (;;) {
            if (!skipSpace() || atEnd())
                return nullptr;
            const char c = text_[pos_++];
            if (c == '>')
                break;
            const int nibble = hexValue(c);
            if (nibble < 0)
                return nullptr;
            if (high < 0) {
                high = nibble;
            } else {
                bytes += static_cast<char>(high * 16 + nibble);
                high = -1;
            }
        }
        if (high >= 0)
            return nullptr; // half a byte
        return plist_new_data(bytes.data(), bytes.size());
    }

    const std::string& text_;
    const int levels_;
    std::string& problem_;
    size_t pos_ = 0;
};

} // namespace

plist_t parseOldStylePlist(const std::string& text, int levels, std::string& problem)
{
    return Parser(text, levels, problem).parseWhole();
}

} // namespace defaults_tool
