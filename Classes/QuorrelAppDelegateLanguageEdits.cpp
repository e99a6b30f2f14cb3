// Adding and removing preferred languages, and choosing any region: each ends in the same write,
// notification and refresh as a drop in the table.
#include "QuorrelAppDelegate.h"

#include "LanguageChoices.h"
#include "LocaleRow.h"
#include "platform/Bundle.h"
#include "platform/Locale.h"
#include "platform/LocaleIdentifier.h"
#include "platform/SearchableListDialog.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

QString localized(const char* key, const char* value)
{
    return bundle::localizedStringForKey(QString::fromLatin1(key), QString::fromUtf8(value), QStringLiteral("Localizable"));
}

// The name of a language in the language the program's own texts are shown in.
QString uiName(const QString& identifier)
{
    return Locale(bundle::currentLocalization()).displayNameForIdentifier(identifier).value_or(identifier);
}

} // namespace

bool QuorrelAppDelegate::everyLanguageRowNamed() const
{
    if (!languagesAndNames || languagesAndNames->isEmpty())
        return false;
    return std::all_of(languagesAndNames->cbegin(), languagesAndNames->cend(),
                       [](const QVariant& row) { return !LocaleRow::isodesignator(row).isEmpty(); });
}

void QuorrelAppDelegate::updateLanguageEditButtons()
{
    // A row without an identifier comes from a read that failed: the order cannot be written
    // back, so nothing may be added or removed until a read succeeds.
    const bool named = everyLanguageRowNamed();
    const qsizetype selected = qsizetype(outlets.languagesTable->selectedRowIndexes().size());
    outlets.addLanguage.setEnabled(named);
    // The last language stays: a Mac needs at least one.
    outlets.removeLanguage.setEnabled(named && selected > 0 && selected < languagesAndNames->size());
    const std::optional<QString> first = firstLanguage();
    outlets.otherRegion.setEnabled(first && locale_id::isWellFormed(*first));
}

void QuorrelAppDelegate::addLanguage(QObject*)
{
    if (!everyLanguageRowNamed())
        return;
    QStringList present;
    for (const QVariant& row : std::as_const(*languagesAndNames))
        present.append(LocaleRow::isodesignator(row));
    auto* dialog = new SearchableListDialog(
        localized(QT_TRANSLATE_NOOP("Localizable", "AddLanguageTitle"), "Add a Preferred Language"),
        localized(QT_TRANSLATE_NOOP("Localizable", "AddLanguagePrompt"), "Type a language's name or code:"),
        localized(QT_TRANSLATE_NOOP("Localizable", "AddLanguageButton"), "Add"),
        language_choices::languages(bundle::currentLocalization(), present), outlets.window.widget());
    dialog->setObjectName(QStringLiteral("addLanguageChooser"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Queued, as each choice below: what follows writes and refreshes, and the refresh's waits turn
    // the event loop, which must not delete the closing dialog under its own key or click handler.
    QObject::connect(
        dialog, &SearchableListDialog::entryChosen, this,
        [this](const QString& identifier) { askWhereToAddLanguage(identifier); }, Qt::QueuedConnection);
    dialog->open();
}

void QuorrelAppDelegate::askWhereToAddLanguage(const QString& identifier)
{
    const QString primary = firstLanguage().value_or(QString());
    auto* question = new QMessageBox(outlets.window.widget());
    question->setObjectName(QStringLiteral("primaryLanguageQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setIcon(QMessageBox::Question);
    question->setWindowModality(Qt::WindowModal);
    question->setText(localized(QT_TRANSLATE_NOOP("Localizable", "UseAsPrimaryLanguage"), "Use %1 as your primary language?")
                          .arg(uiName(identifier)));
    question->setInformativeText(localized(QT_TRANSLATE_NOOP("Localizable", "UseAsPrimaryLanguageDetail"),
                                           "Applications and websites use the first language in the list that they support."));
    QPushButton* useNew = question->addButton(
        localized(QT_TRANSLATE_NOOP("Localizable", "UseLanguage"), "Use %1").arg(uiName(identifier)), QMessageBox::YesRole);
    useNew->setObjectName(QStringLiteral("useNewLanguage"));
    QPushButton* keep = question->addButton(
        localized(QT_TRANSLATE_NOOP("Localizable", "UseLanguage"), "Use %1").arg(uiName(primary)), QMessageBox::NoRole);
    keep->setObjectName(QStringLiteral("keepPrimaryLanguage"));
    question->setDefaultButton(useNew);
    question->setEscapeButton(keep);
    QObject::connect(
        question, &QMessageBox::buttonClicked, this,
        [this, identifier, useNew](QAbstractButton* clicked) { insertLanguage(identifier, clicked == useNew); },
        Qt::QueuedConnection);
    question->open();
}

void QuorrelAppDelegate::insertLanguage(const QString& identifier, bool asPrimary)
{
    if (!everyLanguageRowNamed() || identifier.isEmpty())
        return;
    // Named as the table names it: in the first language, which this may become.
    const QString display = asPrimary ? identifier : firstLanguage().value_or(identifier);
    const QVariant row = LocaleRow::make(Locale(display).displayNameForIdentifier(identifier).value_or(identifier), identifier);
    if (asPrimary)
        languagesAndNames->prepend(row);
    else
        languagesAndNames->append(row);
    languageOrderEdited();
}

void QuorrelAppDelegate::removeLanguages(QObject*)
{
    const IndexSet selected = outlets.languagesTable->selectedRowIndexes();
    if (!everyLanguageRowNamed() || selected.empty() || qsizetype(selected.size()) >= languagesAndNames->size())
        return;
    for (auto row = selected.rbegin(); row != selected.rend(); ++row)
        if (*row >= 0 && *row < languagesAndNames->size())
            languagesAndNames->removeAt(*row);
    languageOrderEdited();
}

void QuorrelAppDelegate::languageOrderEdited()
{
    // As after a drop: the table shows the new rows, nothing stays selected, and the observer
    // writes the order and refreshes.
    TableView* table = outlets.languagesTable;
    table->reloadData();
    table->deselectAll(table);
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated, languageTableData.get());
}

void QuorrelAppDelegate::chooseOtherRegion(QObject*)
{
    const std::optional<QString> first = firstLanguage();
    if (!first || !locale_id::isWellFormed(*first))
        return;
    auto* dialog = new SearchableListDialog(
        localized(QT_TRANSLATE_NOOP("Localizable", "OtherRegionTitle"), "Choose a Region"),
        localized(QT_TRANSLATE_NOOP("Localizable", "OtherRegionPrompt"), "Type a region's name or code:"),
        localized(QT_TRANSLATE_NOOP("Localizable", "OtherRegionButton"), "Choose"),
        language_choices::regions(bundle::currentLocalization(), locales.value(0)), outlets.window.widget());
    dialog->setObjectName(QStringLiteral("otherRegionChooser"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(
        dialog, &SearchableListDialog::entryChosen, this, [this](const QString& code) { setRegion(code); },
        Qt::QueuedConnection);
    dialog->open();
}

void QuorrelAppDelegate::setRegion(const QString& regionCode)
{
    const QString identifier = language_choices::localeForRegion(firstLanguage().value_or(QString()), regionCode);
    if (identifier.isEmpty())
        return;
    // The region goes on top of the region table, as a drop puts it there; the observer writes the
    // first row's identifier and refreshes.
    const QString row = regionRowText(Locale(firstLanguage().value_or(QString())), identifier);
    regions->prepend(row);
    regionRowIdentifiers.insert(row, identifier);
    TableView* table = outlets.regionsTable;
    table->reloadData();
    table->deselectAll(table);
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLocalesHaveBeenUpdated, regionsTableData.get());
}
