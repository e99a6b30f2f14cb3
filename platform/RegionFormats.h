#pragma once
#include <QDateTime>
#include <QString>

#include <optional>

// How a region writes dates, times, numbers and money, as ICU formats them in that region's
// locale: the preview beside the region table. Computed in-process; no tool is started.
struct RegionFormats {
    enum class Measurement { Metric,
                             US,
                             UK };

    QString longDate;
    QString shortDate;
    QString time;
    QString number;         // 1234567.89
    QString currency;       // 1234567.89 in the region's currency
    QString firstDayOfWeek; // named in the region's language
    Measurement measurement = Measurement::Metric;

    // `identifier` in Apple's or ICU's form (en-US, de_AT, en_US@rg=dezzzz), keywords honoured as
    // ICU honours them. A well-formed identifier ICU has no data for gets ICU's root formats; one
    // that is not well formed (en_US@currency=, a 12-letter language) gets none: ICU would take it
    // as a bogus locale, which some of its formatters do not survive.
    static std::optional<RegionFormats> of(const QString& identifier, const QDateTime& moment);
};
