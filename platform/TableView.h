#pragma once
// NSTableView over QTableView, driven by an NSTableViewDataSource-shaped data source.
// Drags are handled here rather than by Qt's item-view move machinery: the data source reorders
// its own list, so the view must never remove rows after a drop.
#include "Pasteboard.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>

#include <optional>

class QMimeData;
class TableView;

enum class DragOperation { None = 0,
                           Move = 16 };
enum class DropOperation { On = 0,
                           Above = 1 };

struct TableColumn {
    QString identifier; // empty: the column has none
    QString title;
};

// NSDraggingInfo: where a drag came from and what it carries.
class DraggingInfo {
public:
    DraggingInfo(const QObject* source, QMimeData* data) : source_(source), pasteboard_(data) {}
    // The object the drag began in; null for drags from outside the program.
    const QObject* draggingSource() const { return source_; }
    Pasteboard& draggingPasteboard() { return pasteboard_; }

private:
    const QObject* source_;
    Pasteboard pasteboard_;
};

class TableDataSource {
public:
    virtual ~TableDataSource() = default;
    virtual qint64 numberOfRowsInTableView(TableView* table) = 0;
    virtual QVariant objectValueForTableColumn(TableView* table, const TableColumn& column, int row) = 0;
    virtual bool writeRowsWithIndexes(TableView* table, const IndexSet& rows, Pasteboard& pasteboard) = 0;
    virtual DragOperation validateDrop(TableView* table, DraggingInfo& info, qint64 row, DropOperation operation) = 0;
    virtual bool acceptDrop(TableView* table, DraggingInfo& info, qint64 row, DropOperation operation) = 0;
};

// Presents a data source to Qt's model/view; a failed row check in the data source ends that one
// request with an empty cell.
class TableModelAdapter : public QAbstractTableModel {
public:
    explicit TableModelAdapter(TableView* table);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void reload();

private:
    TableView* table_;
};

// What the keyboard can do to the selected row, beyond moving the selection.
enum class KeyboardMoves {
    None,
    OneStep, // Alt+Up / Alt+Down (Option+Command on a Mac) move it one place
    ToTop,   // Return, Enter or Alt+Up (Option+Command+Up on a Mac) move it to the top
};

class TableView : public QTableView {
public:
    explicit TableView(QWidget* parent = nullptr);

    // A keyboard move is a drop of the selected row at its new place: the same data-source calls,
    // so the same notification and the same writes. The moved row stays selected.
    void setKeyboardMoves(KeyboardMoves moves) { keyboardMoves_ = moves; }

    int tag() const;
    // From the "columnIdentifiers" and "columnTitles" properties of the layout.
    QList<TableColumn> tableColumns() const;

    void setDataSource(TableDataSource* dataSource);
    TableDataSource* dataSource() const { return dataSource_; }
    void reloadData();
    qint64 numberOfRows() const;
    void deselectAll(QObject* sender);
    void selectRowIndexes(const IndexSet& rows, bool extendSelection);
    IndexSet selectedRowIndexes() const;
    // Selects one row as a suggestion only: until the selection changes, the keys that move a
    // row do nothing, so that Return cannot choose what the user never picked.
    void selectHintRow(qint64 row);
    // Whether the selection is still the suggestion the program made.
    bool selectionIsHint() const { return selectionIsHint_; }
    void registerForDraggedTypes(const QStringList& types);
    // Retargets the drop being validated.
    void setDropRow(qint64 row, DropOperation operation);
    // The row a drop at `position` (viewport coordinates) proposes: a drop onto a row is a drop
    // above it, whichever half it lands on; below all rows, after the last row.
    qint64 proposedDropRow(const QPoint& position) const;
    // Where the drop indicator stands, -1 when none is shown.
    qint64 dropIndicatorRow() const { return dropIndicatorRow_; }

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The row the key would move the selected row to; -1 for a key that moves nothing.
    qint64 keyboardTarget(const QKeyEvent* event, qint64 selected) const;
    bool dropRowAt(qint64 from, qint64 to);
    bool carriesRegisteredType(const QMimeData* data) const;
    // Asks the data source about a drop at `position`; the row to drop at, or -1 when refused.
    qint64 validate(QDropEvent* event);
    void clearDropIndicator();
    // Every row is one line of text, so every row takes the height of one line in the view's font:
    // a row height measured per row would shape the text of every row at each layout.
    void useOneLineRows();

    mutable std::optional<QList<TableColumn>> columns_; // from the layout's properties, read once
    TableModelAdapter model_;
    TableDataSource* dataSource_ = nullptr;
    QStringList draggedTypes_;
    qint64 retargetedRow_ = -1;
    qint64 dropIndicatorRow_ = -1;
    KeyboardMoves keyboardMoves_ = KeyboardMoves::None;
    bool selectionIsHint_ = false;
    bool selectingHint_ = false;
    bool rowsMeasured_ = false;
};
