#include "PopUpButton.h"

PopUpButton::PopUpButton(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void PopUpButton::removeAllItems()
{
    clear();
}

void PopUpButton::addItemsWithTitles(const QStringList& titles)
{
    addItems(titles);
}

void PopUpButton::selectItemAtIndex(int index)
{
    if (index >= -1 && index < count())
        setCurrentIndex(index);
}

void PopUpButton::selectItemWithTitle(const QString& title)
{
    setCurrentIndex(findText(title, Qt::MatchExactly | Qt::MatchCaseSensitive));
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
    return currentText();
}

QStringList PopUpButton::itemTitles() const
{
    QStringList titles;
    for (int i = 0; i < count(); ++i)
        titles.append(itemText(i));
    return titles;
}
