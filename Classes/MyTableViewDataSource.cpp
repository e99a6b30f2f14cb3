#include "MyTableViewDataSource.h"

#include "LocaleRow.h"
#include "MoveArray.h"
#include "platform/AssertionHandler.h"
#include "platform/NotificationCenter.h"

SharedRows MyTableData::storedData() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return storedData_;
}

void MyTableData::setStoredData(SharedRows rows)
{
    std::lock_guard<std::mutex> lock(mutex_);
    storedData_ = std::move(rows);
}

qint64 MyTableData::numberOfRowsInTableView(TableView*)
{
    const SharedRows rows = storedData();
    return rows ? rows->size() : 0;
}

QVariant MyTableData::objectValueForTableColumn(TableView*, const TableColumn& column, int row)
{
    const SharedRows rows = storedData();
    const int count = rows ? int(rows->size()) : 0;
    if (!(row >= 0 && row < count))
        assertion_handler::handleFailureInMethod(
            "tableView:objectValueForTableColumn:row:", this, "Classes/MyTableViewDataSource", __LINE__,
            QStringLiteral("Invalid parameter not satisfying: %1")
                .arg(QStringLiteral("rowIndex >= 0 && rowIndex < (int)[storedData count]")));
    const QVariant& object = rows->at(row);
    if (column.identifier.isEmpty())
        return object;
    if (LocaleRow::isRow(object))
        return LocaleRow::column(object, column.identifier);
    return object.toMap().value(column.identifier);
}

bool MyTableData::writeRowsWithIndexes(TableView*, const IndexSet& rows, Pasteboard& pasteboard)
{
    const QByteArray data = keyed_archiver::archivedDataWithRootObject(rows);
    pasteboard.declareTypes({kMyPrivateTableViewDataType}, this);
    pasteboard.setData(data, kMyPrivateTableViewDataType);
    return true;
}

DragOperation MyTableData::validateDrop(TableView* table, DraggingInfo& info, qint64 row, DropOperation)
{
    if (!table || info.draggingSource() != table)
        return DragOperation::None;
    if (numberOfRowsInTableView(table) == 0)
        return DragOperation::Move;
    table->setDropRow(row, DropOperation::Above);
    return DragOperation::Move;
}

bool MyTableData::acceptDrop(TableView* table, DraggingInfo& info, qint64 row, DropOperation)
{
    const std::optional<QByteArray> data = info.draggingPasteboard().dataForType(kMyPrivateTableViewDataType);
    const std::optional<IndexSet> dragged = data ? keyed_archiver::unarchiveObjectWithData(*data) : std::nullopt;
    const SharedRows rows = storedData();
    // A drag that carries no rows, or a table without rows, has nothing to move.
    if (!dragged || dragged->empty() || !rows || rows->isEmpty())
        return false;
    qint64 from = *dragged->begin();
    qint64 to = row;
    const int tag = table ? table->tag() : 0;
    if (from == to)
        return false;

    const qint64 n = rows->size();
    if (from >= n)
        from = n - 1;
    if (to >= n)
        to = n - 1;
    if (from < 0)
        from = 0;
    if (to < 0)
        to = 0;
    MoveArray::moveObjectFromIndex(*rows, from, to);

    if (table) {
        table->reloadData();
        table->deselectAll(table);
    }
    if (tag == kRegionsTableTag)
        NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLocalesHaveBeenUpdated, this);
    else if (tag == kLanguagesTableTag)
        NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated, this);
    else if (tag == kApplicationLanguagesTableTag)
        NotificationCenter::defaultCenter().postNotificationName(kMyNotificationApplicationLanguagesHaveBeenUpdated, this);
    return true;
}
