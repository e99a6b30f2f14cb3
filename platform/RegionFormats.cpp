#include "RegionFormats.h"

#include "LocaleIdentifier.h"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/numfmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/ulocdata.h>

#include <memory>

namespace {

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

constexpr double kSampleAmount = 1234567.89;

QString formatted(const std::unique_ptr<icu::DateFormat>& format, UDate when)
{
    icu::UnicodeString text;
    return format ? toQString(format->format(when, text)) : QString();
}

QString formatted(const std::unique_ptr<icu::NumberFormat>& format, UErrorCode status)
{
    icu::UnicodeString text;
    return format && U_SUCCESS(status) ? toQString(format->format(kSampleAmount, text)) : QString::number(kSampleAmount);
}

// The weekday's standalone name, capitalised as an item of a list or menu where the language
// does so (Lundi, Понедельник), as the Mac names the first day of the week.
QString weekdayName(const icu::Locale& locale, UCalendarDaysOfWeek day)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString(u"cccc"), locale, status);
    format.setContext(UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU, status);
    if (U_FAILURE(status))
        return {};
    format.adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")));
    constexpr UDate kNoonOfASunday = 1704628800000.0; // 2024-01-07 12:00 UTC
    icu::UnicodeString text;
    format.format(kNoonOfASunday + (int(day) - int(UCAL_SUNDAY)) * 86400000.0, text);
    return toQString(text);
}

} // namespace

std::optional<RegionFormats> RegionFormats::of(const QString& identifier, const QDateTime& moment)
{
    const QByteArray id = locale_id::icuForm(identifier);
    if (id.isEmpty())
        return std::nullopt;
    const icu::Locale locale(id.constData());
    if (locale.isBogus())
        return std::nullopt;
    const UDate when = UDate(moment.toMSecsSinceEpoch());
    RegionFormats formats;

    formats.longDate = formatted(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createDateInstance(icu::DateFormat::kLong, locale)), when);
    formats.shortDate = formatted(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale)), when);
    formats.time = formatted(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, locale)), when);

    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberFormat> number(icu::NumberFormat::createInstance(locale, status));
    formats.number = formatted(number, status);
    status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberFormat> currency(icu::NumberFormat::createCurrencyInstance(locale, status));
    formats.currency = formatted(currency, status);

    status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(locale, status));
    const UCalendarDaysOfWeek firstDay = calendar && U_SUCCESS(status) ? calendar->getFirstDayOfWeek(status) : UCAL_SUNDAY;
    status = U_ZERO_ERROR;
    formats.firstDayOfWeek = weekdayName(locale, firstDay);

    status = U_ZERO_ERROR;
    switch (ulocdata_getMeasurementSystem(id.constData(), &status)) {
    case UMS_US:
        formats.measurement = Measurement::US;
        break;
    case UMS_UK:
        formats.measurement = Measurement::UK;
        break;
    default:
        formats.measurement = Measurement::Metric;
        break;
    }
    return formats;
}
