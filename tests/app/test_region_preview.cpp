// The preview of a region's formats: what ICU makes of dates, times, numbers and money in that
// region's locale, following the region table's selection and starting no tool.
#include "QuorrelFixture.h"

#include "platform/RegionFormats.h"

#include <QLabel>
#include <QTest>

#include <unicode/udat.h>
#include <unicode/unum.h>

namespace {

// ICU's own answers through its C interface, beside the program's C++ use of it.
QString icuDate(const char* locale, UDateFormatStyle date, UDateFormatStyle time, const QDateTime& moment)
{
    UErrorCode status = U_ZERO_ERROR;
    UDateFormat* format = udat_open(time, date, locale, nullptr, -1, nullptr, -1, &status);
    UChar buffer[256];
    const int32_t length = udat_format(format, UDate(moment.toMSecsSinceEpoch()), buffer, 256, nullptr, &status);
    udat_close(format);
    return U_SUCCESS(status) ? QString::fromUtf16(buffer, length) : QStringLiteral("<ICU failed>");
}

QString icuNumber(const char* locale, UNumberFormatStyle style, double value)
{
    UErrorCode status = U_ZERO_ERROR;
    UNumberFormat* format = unum_open(style, nullptr, 0, locale, nullptr, &status);
    UChar buffer[256];
    const int32_t length = unum_formatDouble(format, value, buffer, 256, nullptr, &status);
    unum_close(format);
    return U_SUCCESS(status) ? QString::fromUtf16(buffer, length) : QStringLiteral("<ICU failed>");
}

TEST(RegionFormats, AreWhatIcuMakesOfTheRegionsLocale)
{
    const QDateTime moment(QDate(2026, 12, 9), QTime(14, 5));
    const struct {
        const char* locale;
        const char* number;   // 1234567.89 as the region writes it
        const char* firstDay; // in the region's language
        RegionFormats::Measurement measurement;
    } cases[] = {
        {"de_DE", "1.234.567,89", "Montag", RegionFormats::Measurement::Metric},
        {"en_US", "1,234,567.89", "Sunday", RegionFormats::Measurement::US},
        {"ja_JP", "1,234,567.89", "日曜日", RegionFormats::Measurement::Metric},
        {"ar_EG", "١٬٢٣٤٬٥٦٧٫٨٩", "السبت", RegionFormats::Measurement::Metric},
        {"en_GB", "1,234,567.89", "Monday", RegionFormats::Measurement::UK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const RegionFormats formats = RegionFormats::of(QString::fromLatin1(c.locale), moment).value_or(RegionFormats{});
        EXPECT_EQ(formats.number, QString::fromUtf8(c.number));
        EXPECT_EQ(formats.firstDayOfWeek, QString::fromUtf8(c.firstDay));
        EXPECT_EQ(formats.measurement, c.measurement);
        EXPECT_EQ(formats.longDate, icuDate(c.locale, UDAT_LONG, UDAT_NONE, moment));
        EXPECT_EQ(formats.shortDate, icuDate(c.locale, UDAT_SHORT, UDAT_NONE, moment));
        EXPECT_EQ(formats.time, icuDate(c.locale, UDAT_NONE, UDAT_SHORT, moment));
        EXPECT_EQ(formats.currency, icuNumber(c.locale, UNUM_CURRENCY, 1234567.89));
    }
    // Spot checks that the comparison above is with something real.
    EXPECT_EQ(RegionFormats::of("de_DE", moment)->longDate, "9. Dezember 2026");
    EXPECT_EQ(RegionFormats::of("en_US", moment)->currency, "$1,234,567.89");
    EXPECT_EQ(RegionFormats::of("de_DE", moment)->currency, QString::fromUtf8("1.234.567,89\u00a0€"));
}

TEST(RegionFormats, KeywordsAreHonouredAsIcuHonoursThem)
{
    // English with German formats, as the Mac writes a region that is not the language's own.
    const QDateTime moment(QDate(2026, 12, 9), QTime(14, 5));
    const std::optional<RegionFormats> german = RegionFormats::of("en_US@rg=dezzzz", moment);
    ASSERT_TRUE(german);
    EXPECT_EQ(german->measurement, RegionFormats::Measurement::Metric);
    EXPECT_EQ(german->firstDayOfWeek, "Monday") << "German weeks, named in English";
    EXPECT_TRUE(german->currency.contains(QString::fromUtf8("€"))) << german->currency.toStdString();
    EXPECT_TRUE(RegionFormats::of("en_US@currency=EUR", moment)->currency.contains(QString::fromUtf8("€")));
    EXPECT_NE(RegionFormats::of("ja_JP@calendar=japanese", moment)->longDate, RegionFormats::of("ja_JP", moment)->longDate)
        << "the Japanese calendar counts years by era";
}

TEST(RegionFormats, AWellFormedIdentifierIcuCannotPlaceStillGivesTexts)
{
    for (const char* odd : {"qqq", "zz_ZZ", "en-US"}) {
        SCOPED_TRACE(odd);
        const std::optional<RegionFormats> formats = RegionFormats::of(QString::fromUtf8(odd), QDateTime::currentDateTime());
        ASSERT_TRUE(formats);
        EXPECT_FALSE(formats->number.isEmpty());
        EXPECT_FALSE(formats->longDate.isEmpty());
    }
    EXPECT_EQ(RegionFormats::of("en-US", QDateTime::currentDateTime())->currency.left(1), "$") << "Apple's form of the identifier";
}

TEST(RegionFormats, WhatIcuWouldTakeAsBogusGetsNoFormatsAndNoCrash)
{
    // Each of these once crashed inside ICU's date formatter, or read past a buffer.
    for (const char* bogus : {"en_US@currency=", "fr_FR@collation=", "en_US@=x", "en@calendar=", "abcdefghijkl",
                              "abcdefghijkl_DE", "", "de_AT (Österreich)", "_DE", "@calendar=japanese", "en\nUS"}) {
        SCOPED_TRACE(bogus);
        EXPECT_FALSE(RegionFormats::of(QString::fromUtf8(bogus), QDateTime::currentDateTime()));
    }
    EXPECT_FALSE(RegionFormats::of(QString(200, QLatin1Char('a')), QDateTime::currentDateTime())) << "longer than ICU takes";
}

using RegionPreview = QuorrelFixture;

TEST_F(RegionPreview, FollowsTheSelectedRegionAtOnceAndStartsNoTool)
{
    writeGlobal("AppleLanguages", "(de, en)");
    writeGlobal("AppleLocale", "de_AT");
    QuorrelAppDelegate& d = start();
    QLabel* number = d.outlets.regionPreview.number;
    QLabel* region = d.outlets.regionPreview.region;
    ASSERT_TRUE(number && region);

    const qsizetype switzerland = d.locales.indexOf("de_CH");
    ASSERT_GT(switzerland, 0);
    clearCalls();
    d.outlets.regionsTable->selectRowIndexes({switzerland}, false);
    EXPECT_EQ(region->text(), QString::fromUtf8("de_CH (Schweiz)"));
    const RegionFormats swiss = *RegionFormats::of("de_CH", d.regionPreviewMoment);
    EXPECT_EQ(number->text(), swiss.number);
    EXPECT_EQ(d.outlets.regionPreview.longDate->text(), swiss.longDate);
    EXPECT_EQ(d.outlets.regionPreview.currency->text(), swiss.currency);
    EXPECT_EQ(d.outlets.regionPreview.firstDayOfWeek->text(), swiss.firstDayOfWeek);

    // With nothing selected it shows the current region.
    d.outlets.regionsTable->deselectAll(nullptr);
    EXPECT_EQ(region->text(), QString::fromUtf8("de_AT (Österreich)"));
    EXPECT_EQ(number->text(), RegionFormats::of("de_AT", d.regionPreviewMoment)->number);

    // The keyboard's selection counts like the mouse's.
    d.outlets.regionsTable->setFocus();
    d.outlets.regionsTable->selectRowIndexes({0}, false);
    QTest::keyClick(d.outlets.regionsTable, Qt::Key_Down);
    EXPECT_TRUE(region->text().startsWith(d.locales.value(1) + " (")) << region->text().toStdString();
    EXPECT_TRUE(settledCalls().isEmpty()) << ::testing::PrintToString(calls());
}

} // namespace
