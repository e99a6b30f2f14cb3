#include "PopUpButton.h"

#include <QKeyEvent>
#include <QStandardItemModel>
#include <QWheelEvent>

PopUpButton::PopUpButton(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // A wheel passing over it neither focuses nor changes it.
    setFocusPolicy(Qt::StrongFocus);
}

void PopUpButton::wheelEvent(QWheelEvent* event)
{
    event->ignore(); // the window under it may scroll instead
}

void PopUpButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
        showPopup();
        event->accept();
        return;
    default:
        break;
    }
    // Typing would pick the item it matches; a closed pop-up picks nothing.
    if (!event->text().isEmpty() && event->text().front().isPrint()) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event); // Tab, F4, Escape, Return and the like
}

void PopUpButton::removeAllItems()
{
    clear();
    fitWidthToItems();
}

// An item's title is what the program reads back; its text is what the user sees, the same unless
// the program gave it a readable one.
static constexpr int kTitleRole = Qt::UserRole + 1;

// Sizing to contents measures every item's text whenever the items change: beyond a few hundred
// items the longest title in characters stands for the widest.
static constexpr int kItemsMeasured = 500;

void PopUpButton::fitWidthToItems()
{
    if (count() <= kItemsMeasured) {
        setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return;
    }
    qsizetype longest = 0;
    for (int i = 0; i < count(); ++i)
        longest = qMax(longest, itemText(i).size());
    setMinimumContentsLength(int(qMin<qsizetype>(longest, 1000)));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void PopUpButton::addItemsWithTitles(const QStringList& titles)
{
    // All in one insertion: item by item, each one is a model signal and a new size.
    auto* items = qobject_cast<QStandardItemModel*>(model());
    if (!items) {
        for (const QString& title : titles) {
            addItem(title);
            setItemData(count() - 1, title, kTitleRole);
        }
        return;
    }
    QList<QStandardItem*> rows;
    rows.reserve(titles.size());
    for (const QString& title : titles) {
        auto* item = new QStandardItem(title);
        item->setData(title, kTitleRole);
        rows.append(item);
    }
    if (count() + rows.size() > kItemsMeasured)
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon); // before any measuring
    items->invisibleRootItem()->appendRows(rows);
    fitWidthToItems();
}

void PopUpButton::setItemDisplayText(int index, const QString& text)
{
    if (index >= 0 && index < count() && itemText(index) != text)
        setItemText(index, text);
}

QString PopUpButton::itemTitle(int index) const
{
    const QVariant title = itemData(index, kTitleRole);
    return title.isValid() ? title.toString() : itemText(index);
}

void PopUpButton::selectItemAtIndex(int index)
{
    if (index >= -1 && index < count())
        setCurrentIndex(index);
}

void PopUpButton::selectItemWithTitle(const QString& title)
{
    setCurrentIndex(findData(title, kTitleRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void PopUpButton::removeItemAtIndex(int index)
{
    if (index >= 0 && index < count())
        removeItem(index);
}

int PopUpButton::indexOfSelectedItem() const
{
    return currentIndex();
}

int PopUpButton::numberOfItems() const
{
    return count();
}

std::optional<QString> PopUpButton::titleOfSelectedItem() const
{
    if (currentIndex() < 0)
        return std::nullopt;
    return itemTitle(currentIndex());
}

QStringList PopUpButton::itemTitles() const
{
    QStringList titles;
    for (int i = 0; i < count(); ++i)
        titles.append(itemTitle(i));
    return titles;
}
