#include "SearchableListDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kIdentifierRole = Qt::UserRole;
constexpr int kSearchRole = Qt::UserRole + 1;

} // namespace

QString SearchableListDialog::folded(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result.toCaseFolded();
}

SearchableListDialog::SearchableListDialog(const QString& title, const QString& prompt, const QString& chooseButtonText,
                                           const QList<SearchableEntry>& entries, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal); // a sheet on a Mac
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(prompt, this);
    prompt_->setWordWrap(true);
    layout->addWidget(prompt_);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("searchField"));
    filter_->setClearButtonEnabled(true);
    filter_->setAccessibleName(title);
    filter_->setAccessibleDescription(prompt);
    prompt_->setBuddy(filter_);
    layout->addWidget(filter_);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("choices"));
    list_->setUniformItemSizes(true);
    list_->setAccessibleName(title);
    list_->setAccessibleDescription(prompt);
    list_->setMinimumSize(360, 320);
    for (const SearchableEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.title, list_);
        item->setData(kIdentifierRole, entry.identifier);
        QStringList keys{folded(entry.title), folded(entry.identifier)};
        for (const QString& text : entry.searchTexts)
            keys.append(folded(text));
        item->setData(kSearchRole, keys.join(QChar(0x1f)));
        if (!entry.enabled)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    layout->addWidget(list_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(chooseButtonText);
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    layout->addWidget(buttons_);

    connect(filter_, &QLineEdit::textChanged, this, &SearchableListDialog::applyFilter);
    connect(list_, &QListWidget::currentItemChanged, this, &SearchableListDialog::updateChooseButton);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item->flags() & Qt::ItemIsEnabled) {
            list_->setCurrentItem(item);
            chooseCurrent();
        }
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &SearchableListDialog::chooseCurrent);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    filter_->installEventFilter(this);
    list_->setCurrentItem(firstChoosableVisible());
    updateChooseButton();
    filter_->setFocus();
}

QStringList SearchableListDialog::visibleIdentifiers() const
{
    QStringList identifiers;
    for (int i = 0; i < list_->count(); ++i)
        if (!list_->item(i)->isHidden())
            identifiers.append(list_->item(i)->data(kIdentifierRole).toString());
    return identifiers;
}

QListWidgetItem* SearchableListDialog::firstChoosableVisible() const
{
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        if (!item->isHidden() && (item->flags() & Qt::ItemIsEnabled))
            return item;
    }
    return nullptr;
}

void SearchableListDialog::applyFilter(const QString& text)
{
    // Every word typed must appear somewhere in the entry's texts, in any order.
    const QStringList words = folded(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const QString keys = item->data(kSearchRole).toString();
        bool match = true;
        for (const QString& word : words)
            match = match && keys.contains(word);
        item->setHidden(!match);
    }
    QListWidgetItem* current = list_->currentItem();
    if (!current || current->isHidden() || !(current->flags() & Qt::ItemIsEnabled))
        list_->setCurrentItem(firstChoosableVisible());
    if (list_->currentItem())
        list_->scrollToItem(list_->currentItem());
    updateChooseButton();
}

void SearchableListDialog::updateChooseButton()
{
    QListWidgetItem* current = list_->currentItem();
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(current && !current->isHidden() && (current->flags() & Qt::ItemIsEnabled));
}

void SearchableListDialog::chooseCurrent()
{
    QListWidgetItem* current = list_->currentItem();
    if (!current || current->isHidden() || !(current->flags() & Qt::ItemIsEnabled))
        return;
    chosen_ = current->data(kIdentifierRole).toString();
    accept();
    emit entryChosen(*chosen_);
}

bool SearchableListDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The arrows and page keys in the filter field move through the list, as in a Mac's search
    // lists; Return chooses the entry shown as current.
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(list_, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            chooseCurrent();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
