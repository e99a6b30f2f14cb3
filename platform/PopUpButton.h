#pragma once
#include <QComboBox>
#include <QStringList>

#include <optional>

// NSPopUpButton over QComboBox. Unlike AppKit's, it keeps one item per added title even when
// titles repeat, so an item's index always matches the index of the entry it shows.
// As on a Mac, a closed pop-up ignores the wheel and opens its menu for the arrow keys and Space:
// only choosing an item in the open menu emits `activated`, the pop-up's action. (QComboBox
// would step through the items and emit `activated` for each wheel notch or key.)
class PopUpButton : public QComboBox {
public:
    explicit PopUpButton(QWidget* parent = nullptr);

    void removeAllItems();
    // Appends one item per title; a pop-up that has items has one selected, the first unless
    // another is chosen.
    void addItemsWithTitles(const QStringList& titles);
    // Indexes outside the items select nothing; -1 clears the selection.
    void selectItemAtIndex(int index);
    void selectItemWithTitle(const QString& title);
    void removeItemAtIndex(int index);
    int indexOfSelectedItem() const; // -1 when none
    int numberOfItems() const;
    std::optional<QString> titleOfSelectedItem() const;
    // Shows `text` for item `index` while its title, which every other call reads, stays as added.
    void setItemDisplayText(int index, const QString& text);
    QString itemTitle(int index) const;
    QStringList itemTitles() const;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitWidthToItems();
};
