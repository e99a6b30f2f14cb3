#include "PopUpButton.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QWheelEvent>

// An item's title is what the program reads back; its text is what the user sees, the same unless
// the program gave it a readable one.
static constexpr int kTitleRole = Qt::UserRole + 1;

namespace {

// The items as one list of titles, shared with the list they were added from, and the few texts
// shown instead: a menu of 100,000 languages costs one list, not 100,000 items of two roles each.
class PopUpItems : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(titles_.size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= titles_.size())
            return {};
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return textAt(index.row());
        case kTitleRole:
            return titles_[index.row()];
        default:
            return {};
        }
    }

    // What QComboBox::setItemText sets; a title is never changed once added.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || index.row() >= titles_.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return false;
        if (shown_.isEmpty())
            shown_.resize(titles_.size());
        shown_[index.row()] = value.toString();
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

    bool removeRows(int row, int count, const QModelIndex& parent = {}) override
    {
        if (parent.isValid() || row < 0 || count <= 0 || row + count > titles_.size())
            return false;
        beginRemoveRows(parent, row, row + count - 1);
        if (count == titles_.size()) {
            titles_.clear();
            shown_.clear();
        } else {
            titles_.remove(row, count);
            if (!shown_.isEmpty())
                shown_.remove(row, count);
        }
        endRemoveRows();
        return true;
    }

    void append(const QStringList& titles)
    {
        if (titles.isEmpty())
            return;
        beginInsertRows({}, int(titles_.size()), int(titles_.size() + titles.size() - 1));
        titles_ += titles; // into an empty list, a shared copy
        if (!shown_.isEmpty())
            shown_.resize(titles_.size());
        endInsertRows();
    }

    const QStringList& titles() const { return titles_; }

    qsizetype longestText() const
    {
        qsizetype longest = 0;
        for (qsizetype i = 0; i < titles_.size(); ++i)
            longest = qMax(longest, textAt(i).size());
        return longest;
    }

private:
    const QString& textAt(qsizetype row) const
    {
        return shown_.isEmpty() || shown_[row].isNull() ? titles_[row] : shown_[row];
    }

    QStringList titles_;
    QStringList shown_; // empty until a text is shown instead of its title; then one per item
};

PopUpItems* itemsOf(const QComboBox& box)
{
    return static_cast<PopUpItems*>(box.model());
}

} // namespace

PopUpButton::PopUpButton(QWidget* parent) : QComboBox(parent)
{
    setModel(new PopUpItems(this));
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

// Sizing to contents measures every item's text whenever the items change: beyond a few hundred
// items the longest title in characters stands for the widest.
static constexpr int kItemsMeasured = 500;

void PopUpButton::fitWidthToItems()
{
    if (count() <= kItemsMeasured) {
        setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return;
    }
    setMinimumContentsLength(int(qMin<qsizetype>(itemsOf(*this)->longestText(), 1000)));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void PopUpButton::addItemsWithTitles(const QStringList& titles)
{
    if (count() + titles.size() > kItemsMeasured)
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon); // before any measuring
    itemsOf(*this)->append(titles);                                            // all in one insertion: one model signal, one new size
    fitWidthToItems();
}

void PopUpButton::setItemDisplayText(int index, const QString& text)
{
    if (index >= 0 && index < count() && itemText(index) != text)
        setItemText(index, text);
}

QString PopUpButton::itemTitle(int index) const
{
    const QStringList& titles = itemsOf(*this)->titles();
    return index >= 0 && index < titles.size() ? titles[index] : QString();
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
    return itemsOf(*this)->titles();
}
