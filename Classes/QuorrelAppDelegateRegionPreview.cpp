// The preview of the formats of a region: what choosing it would change, before choosing it.
#include "QuorrelAppDelegate.h"

#include "Bundle.h"
#include "RegionFormats.h"

#include <QLabel>

static QString measurementName(RegionFormats::Measurement measurement)
{
    const QString table = QStringLiteral("Localizable");
    switch (measurement) {
    case RegionFormats::Measurement::US:
        return bundle::localizedStringForKey(QStringLiteral("MeasurementUS"), QStringLiteral("US customary"), table);
    case RegionFormats::Measurement::UK:
        return bundle::localizedStringForKey(QStringLiteral("MeasurementUK"), QStringLiteral("Metric and imperial (UK)"), table);
    case RegionFormats::Measurement::Metric:
        break;
    }
    return bundle::localizedStringForKey(QStringLiteral("MeasurementMetric"), QStringLiteral("Metric"), table);
}

static void show(QLabel* label, const QString& text)
{
    if (label)
        label->setText(text);
}

void QuorrelAppDelegate::updateRegionPreview()
{
    const RegionPreviewOutlets& preview = outlets.regionPreview;
    if (!preview.region)
        return;
    const IndexSet selected = outlets.regionsTable->selectedRowIndexes();
    const SharedRows rows = regionsTableData ? regionsTableData->storedData() : nullptr;
    QString identifier = locales.value(0);
    if (!selected.empty() && rows && *selected.begin() < rows->size())
        identifier = identifierOfRegionRow(rows->at(*selected.begin()).toString());

    regionPreviewMoment = QDateTime::currentDateTime();
    const RegionFormats formats = RegionFormats::of(identifier, regionPreviewMoment);
    show(preview.region, identifier);
    show(preview.longDate, formats.longDate);
    show(preview.shortDate, formats.shortDate);
    show(preview.time, formats.time);
    show(preview.number, formats.number);
    show(preview.currency, formats.currency);
    show(preview.firstDayOfWeek, formats.firstDayOfWeek);
    show(preview.measurement, measurementName(formats.measurement));
}
