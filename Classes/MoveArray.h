#pragma once
#include <QList>

namespace MoveArray {

// Moves the element at `from` to `to`; a `to` at or beyond the end appends it. `from` must be a
// valid index.
template <typename T>
void moveObjectFromIndex(QList<T>& list, qsizetype from, qsizetype to)
{
    if (from == to)
        return;
    T element = list.takeAt(from);
    if (to < list.size())
        list.insert(to, std::move(element));
    else
        list.append(std::move(element));
}

} // namespace MoveArray
