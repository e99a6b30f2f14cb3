#include "RegionFormats.h"

#include "LocaleIdentifier.h"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/numfmt.h>
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
    const icu::DateFormatSymbols symbols(locale, status);
    int32_t count = 0;
    const icu::UnicodeString* weekdays = U_SUCCESS(status) ? symbols.getWeekdays(count) : nullptr;
    if (weekdays && int32_t(firstDay) < count)
        formats.firstDayOfWeek = toQString(weekdays[firstDay]);

    status = U_ZERO_ERROR;
    switch (ulocdata_getMeasurementSystem(id.constData(), &status)) {
    case UMS_US: formats.measurement = Measurement::US; break;
    case UMS_UK: formats.measurement = Measurement::UK; break;
    default: formats.measurement = Measurement::Metric; break;
    }
    return formats;
}
