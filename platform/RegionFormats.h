#pragma once
#include <QDateTime>
#include <QString>

// How a region writes dates, times, numbers and money, as ICU formats them in that region's
// locale: the preview beside the region table. Computed in-process; no tool is started.
struct RegionFormats {
    enum class Measurement { Metric, US, UK };

    QString longDate;
    QString shortDate;
    QString time;
    QString number;   // 1234567.89
    QString currency; // 1234567.89 in the region's currency
    QString firstDayOfWeek; // named in the region's language
    Measurement measurement = Measurement::Metric;

    // `identifier` in Apple's or ICU's form (en-US, de_AT); one ICU cannot place gets ICU's root
    // formats, never empty texts.
    static RegionFormats of(const QString& identifier, const QDateTime& moment);
};
