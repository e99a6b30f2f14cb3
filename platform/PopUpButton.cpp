#include "PopUpButton.h"

#include <QKeyEvent>
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
}

// An item's title is what the program reads back; its text is what the user sees, the same unless
// the program gave it a readable one.
static constexpr int kTitleRole = Qt::UserRole + 1;

void PopUpButton::addItemsWithTitles(const QStringList& titles)
{
    for (const QString& title : titles) {
        addItem(title);
        setItemData(count() - 1, title, kTitleRole);
    }
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
