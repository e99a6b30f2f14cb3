#pragma once
// Decimal numbers as C reads them whatever the machine's locale. Plain C++, no Qt: shared by the
// store's XML reader and the `defaults` stand-in's -float.
#include <cstddef>
#include <string_view>

#include <locale.h>
#if defined(__APPLE__)
#include <xlocale.h> // newlocale, uselocale and locale_t on a Mac
#endif

namespace decimal_number {

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of the decimal number at the start of `text`: an optional sign, digits with an
// optional point (at least one digit in all), and an exponent when digits follow its "e" or "E".
// Zero when `text` does not start with one.
inline size_t leadingLength(std::string_view text)
{
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos, ++digits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos]))
            ++pos, ++digits;
    }
    if (digits == 0)
        return 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (exponent < text.size() && isDigit(text[exponent])) {
            pos = exponent;
            while (pos < text.size() && isDigit(text[pos]))
                ++pos;
        }
    }
    return pos;
}

// strtod follows the program's locale (Qt sets it from the environment): "2.5" would read as 2
// where the decimal sign is a comma. While one of these lives, this thread alone reads numbers in
// the C locale.
class CNumericLocale {
public:
    CNumericLocale() : c_(::newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr)))
    {
        if (c_)
            previous_ = ::uselocale(c_);
    }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;
    ~CNumericLocale()
    {
        if (c_) {
            ::uselocale(previous_);
            ::freelocale(c_);
        }
    }
    // False when the C locale could not be made (out of memory): numbers would be read wrongly.
    bool active() const { return c_ != static_cast<locale_t>(nullptr); }

private:
    locale_t c_;
    locale_t previous_ = nullptr;
};

} // namespace decimal_number
