// The preview of the formats of a region: what choosing it would change, before choosing it.
#include "QuorrelAppDelegate.h"

#include "Bundle.h"
#include "RegionFormats.h"

#include <QLabel>

static QString measurementName(RegionFormats::Measurement measurement)
{
    // QT_TRANSLATE_NOOP shows lupdate the keys of the string table "Localizable".
    const auto text = [](const char* key, const char* value) {
        return bundle::localizedStringForKey(QString::fromLatin1(key), QString::fromUtf8(value), QStringLiteral("Localizable"));
    };
    switch (measurement) {
    case RegionFormats::Measurement::US:
        return text(QT_TRANSLATE_NOOP("Localizable", "MeasurementUS"), "US customary");
    case RegionFormats::Measurement::UK:
        return text(QT_TRANSLATE_NOOP("Localizable", "MeasurementUK"), "Metric and imperial (UK)");
    case RegionFormats::Measurement::Metric:
        break;
    }
    return text(QT_TRANSLATE_NOOP("Localizable", "MeasurementMetric"), "Metric");
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

    // A refresh clears and sets the selection, each time asking again; the same region in the same
    // minute looks the same.
    const QDateTime now = QDateTime::currentDateTime();
    if (identifier == preview.region->text() && regionPreviewMoment.isValid()
        && now.toSecsSinceEpoch() / 60 == regionPreviewMoment.toSecsSinceEpoch() / 60)
        return;
    regionPreviewMoment = now;
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
