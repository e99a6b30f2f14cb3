// The preview of the formats of a region: what choosing it would change, before choosing it.
#include "QuorrelAppDelegate.h"

#include "platform/Bundle.h"
#include "platform/Locale.h"
#include "platform/RegionFormats.h"

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

static QString localized(const char* key, const char* value)
{
    return bundle::localizedStringForKey(QString::fromLatin1(key), QString::fromUtf8(value), QStringLiteral("Localizable"));
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
    // The program's own selection after a refresh is only a hint: until the user picks a row, the
    // preview shows the region in force.
    TableView* table = outlets.regionsTable;
    const IndexSet selected = table->selectedRowIndexes();
    const SharedRows rows = regionsTableData ? regionsTableData->storedData() : nullptr;
    const bool chosen = !selected.empty() && !table->selectionIsHint() && rows && *selected.begin() < rows->size();
    const QString identifier = chosen ? identifierOfRegionRow(rows->at(*selected.begin()).toString()) : locales.value(0);
    const QString caption = chosen ? localized(QT_TRANSLATE_NOOP("Localizable", "PreviewSelectedRegion"), "Selected region:")
                                   : localized(QT_TRANSLATE_NOOP("Localizable", "PreviewCurrentRegion"), "Current region:");
    const QString name = regionRowText(Locale(firstLanguage().value_or(QString())), identifier);

    // A refresh clears and sets the selection, each time asking again; the same region in the same
    // minute looks the same.
    const QDateTime now = QDateTime::currentDateTime();
    if (name == preview.region->text() && (!preview.regionCaption || caption == preview.regionCaption->text())
        && regionPreviewMoment.isValid() && now.toSecsSinceEpoch() / 60 == regionPreviewMoment.toSecsSinceEpoch() / 60)
        return;
    regionPreviewMoment = now;
    show(preview.regionCaption, caption);
    show(preview.region, name);
    const std::optional<RegionFormats> formats = RegionFormats::of(identifier, regionPreviewMoment);
    if (!formats) {
        show(preview.longDate, localized(QT_TRANSLATE_NOOP("Localizable", "PreviewUnavailable"), "Cannot show the formats of this region"));
        for (QLabel* label : {preview.shortDate, preview.time, preview.number, preview.currency, preview.firstDayOfWeek, preview.measurement})
            show(label, QString());
        return;
    }
    show(preview.longDate, formats->longDate);
    show(preview.shortDate, formats->shortDate);
    show(preview.time, formats->time);
    show(preview.number, formats->number);
    show(preview.currency, formats->currency);
    show(preview.firstDayOfWeek, formats->firstDayOfWeek);
    show(preview.measurement, measurementName(formats->measurement));
}
