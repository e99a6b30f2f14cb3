// The small helpers the store, the stand-ins and the runner share: UTF-8, decimal numbers, and the
// descriptor owner.
#include "plist/DecimalNumber.h"
#include "plist/UniqueFd.h"
#include "plist/Utf8.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

TEST(SharedHelpers, Utf8IsStrictAndKeepsEveryByteOfTextThatIsNot)
{
    using namespace std::string_view_literals;
    EXPECT_TRUE(utf8::isValid(""));
    EXPECT_TRUE(utf8::isValid("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80")); // a é € 😀
    EXPECT_TRUE(utf8::isValid("\xF4\x8F\xBF\xBF"));                      // U+10FFFF
    EXPECT_FALSE(utf8::isValid("\xC0\xAF"));                             // overlong "/"
    EXPECT_FALSE(utf8::isValid("\xE0\x80\xAF"));                         // overlong, three bytes
    EXPECT_FALSE(utf8::isValid("\xED\xA0\x80"));                         // a surrogate
    EXPECT_FALSE(utf8::isValid("\xF4\x90\x80\x80"));                     // past U+10FFFF
    EXPECT_FALSE(utf8::isValid("\xF0\x9F\x98"));                         // cut short at the end
    EXPECT_FALSE(utf8::isValid("\x80"));                                 // a stray continuation
    EXPECT_FALSE(utf8::isValid("\xF8\x88\x80\x80\x80"));                 // five bytes
    EXPECT_FALSE(utf8::isValid("\xC3("));                                // a lead without its follower

    // Invalid bytes become the Latin-1 characters of the same number; valid ones stay as they are.
    EXPECT_EQ(utf8::withLatin1Fallback("caf\xE9 \xC3\xA9"), "caf\xC3\xA9 \xC3\xA9");
    EXPECT_EQ(utf8::withLatin1Fallback("\xF0\x9F\x98"), "\xC3\xB0\xC2\x9F\xC2\x98");
    EXPECT_TRUE(utf8::isValid(utf8::withLatin1Fallback("\xED\xA0\x80\xC0\xAF\xFF")));

    std::string encoded;
    utf8::append(encoded, 0x24);
    utf8::append(encoded, 0xE9);
    utf8::append(encoded, 0x20AC);
    utf8::append(encoded, 0x1F600);
    utf8::append(encoded, 0xDC00); // a lone surrogate has no UTF-8 form
    EXPECT_EQ(encoded, "$\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBD");

    EXPECT_EQ(utf8::toUtf16("a\xC3\xA9\xF0\x9F\x98\x80\xFF"), (std::u16string{u'a', 0xE9, 0xD83D, 0xDE00, 0xFF}));
}

TEST(SharedHelpers, DecimalNumbersEndWhereCStopsReading)
{
    struct Case {
        std::string_view text;
        size_t length;
    };
    for (const Case& c : {Case{"12", 2}, Case{"-1.5x", 4}, Case{"+.5", 3}, Case{"7.", 2}, Case{"1e5", 3},
                          Case{"1E-2!", 4}, Case{"1e", 1}, Case{"1e+", 1}, Case{"2,5", 1}, Case{".", 0}, Case{"-", 0},
                          Case{"+-1", 0}, Case{"e5", 0}, Case{" 1", 0}, Case{"0x10", 1}, Case{"", 0}}) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(decimal_number::leadingLength(c.text), c.length);
    }
}

bool isOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

TEST(SharedHelpers, ADescriptorIsClosedOnceByItsOneOwner)
{
    int raw = -1;
    {
        posix::UniqueFd first(::open("/dev/null", O_RDONLY | O_CLOEXEC));
        ASSERT_TRUE(first);
        raw = first.get();
        posix::UniqueFd second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), raw);
        second.reset();
        EXPECT_FALSE(isOpen(raw));
        EXPECT_FALSE(second);

        second.reset(::open("/dev/null", O_RDONLY | O_CLOEXEC));
        raw = second.get();
        EXPECT_TRUE(second.close());
        EXPECT_FALSE(isOpen(raw));
        EXPECT_TRUE(second.close()); // nothing left to close
    }
    posix::UniqueFd kept(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    raw = kept.get();
    {
        posix::UniqueFd other(::open("/dev/null", O_RDONLY | O_CLOEXEC));
        const int otherRaw = other.get();
        other = std::move(kept);
        EXPECT_FALSE(isOpen(otherRaw));
        EXPECT_TRUE(isOpen(raw));
    }
    EXPECT_FALSE(isOpen(raw));
}

} // namespace
