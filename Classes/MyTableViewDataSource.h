#pragma once
#include "platform/TableView.h"

#include <QVariantList>

#include <memory>
#include <mutex>

// The rows of one table, shared with their owner: a drop reorders the owner's list in place.
using SharedRows = std::shared_ptr<QVariantList>;

inline const QString kMyPrivateTableViewDataType = QStringLiteral("MyPrivateTableViewDataType");
inline const QString kMyNotificationLanguagesHaveBeenUpdated = QStringLiteral("MyNotificationLanguagesHaveBeenUpdated");
inline const QString kMyNotificationLocalesHaveBeenUpdated = QStringLiteral("MyNotificationLocalesHaveBeenUpdated");
inline const QString kMyNotificationApplicationLanguagesHaveBeenUpdated =
    QStringLiteral("MyNotificationApplicationLanguagesHaveBeenUpdated");

// Data source of the language table (tag 10), the region table (tag 20) and the selected
// application's language table (tag 30): rows, cell values,
// and reordering by dragging a row within the same table.
class MyTableData : public TableDataSource {
public:
    static constexpr int kLanguagesTableTag = 10;
    static constexpr int kRegionsTableTag = 20;
    static constexpr int kApplicationLanguagesTableTag = 30;

    SharedRows storedData() const;
    void setStoredData(SharedRows rows);

    qint64 numberOfRowsInTableView(TableView* table) override;
    QVariant objectValueForTableColumn(TableView* table, const TableColumn& column, int row) override;
    bool writeRowsWithIndexes(TableView* table, const IndexSet& rows, Pasteboard& pasteboard) override;
    DragOperation validateDrop(TableView* table, DraggingInfo& info, qint64 row, DropOperation operation) override;
    bool acceptDrop(TableView* table, DraggingInfo& info, qint64 row, DropOperation operation) override;

private:
    mutable std::mutex mutex_; // the accessors are atomic
    SharedRows storedData_;
};
