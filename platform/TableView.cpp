#include "TableView.h"

#include "AssertionHandler.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <limits>

TableModelAdapter::TableModelAdapter(TableView* table) : table_(table) {}

int TableModelAdapter::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(std::clamp<qint64>(table_->numberOfRows(), 0, std::numeric_limits<int>::max()));
}

int TableModelAdapter::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(table_->tableColumns().size());
}

QVariant TableModelAdapter::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !table_->dataSource() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QList<TableColumn> columns = table_->tableColumns();
    if (index.column() >= columns.size())
        return {};
    try {
        return table_->dataSource()->objectValueForTableColumn(table_, columns[index.column()], index.row());
    } catch (const InternalInconsistencyException&) {
        return {};
    }
}

QVariant TableModelAdapter::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QList<TableColumn> columns = table_->tableColumns();
    return section < columns.size() ? QVariant(columns[section].title) : QVariant();
}

Qt::ItemFlags TableModelAdapter::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void TableModelAdapter::reload()
{
    beginResetModel();
    endResetModel();
}

TableView::TableView(QWidget* parent) : QTableView(parent), model_(this)
{
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(false);
    setDropIndicatorShown(false); // drawn by paintEvent, above the retargeted row
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab goes on to the next control, not to the next cell
    setWordWrap(false);
    setShowGrid(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // Connected before anyone else, so that whoever follows the selection sees the flag current.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!selectingHint_)
            selectionIsHint_ = false;
    });
}

int TableView::tag() const
{
    return property("tag").toInt();
}

QList<TableColumn> TableView::tableColumns() const
{
    if (columns_)
        return *columns_;
    const QStringList identifiers = property("columnIdentifiers").toStringList();
    const QStringList titles = property("columnTitles").toStringList();
    QList<TableColumn> columns;
    for (qsizetype i = 0; i < qMax(identifiers.size(), titles.size()); ++i)
        columns.append(TableColumn{identifiers.value(i), titles.value(i)});
    if (columns.isEmpty())
        columns.append(TableColumn{});
    columns_ = columns;
    return columns;
}

bool TableView::event(QEvent* event)
{
    // The layout sets the column properties after construction.
    if (event->type() == QEvent::DynamicPropertyChange)
        columns_.reset();
    const bool handled = QTableView::event(event);
    // Measured when the view is polished, before it is first laid out or shown, and again when
    // its font or style changes after that. Not in the constructor: the measure loads the fallback
    // font for Chinese, the costliest step of building a window, which can then be done while the
    // window waits hidden (see loadMainInterface).
    if (event->type() == QEvent::Polish && !rowsMeasured_)
        useOneLineRows();
    if ((event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) && testAttribute(Qt::WA_WState_Polished))
        useOneLineRows();
    return handled;
}

void TableView::useOneLineRows()
{
    // What the item delegate asks for a one-line cell, with a descender so that the line is whole,
    // and a Chinese character: names in Chinese or Japanese come from a taller fallback font.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Xg_") + QChar(0x4E2D);
    const int height = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
    verticalHeader()->setMinimumSectionSize(qMin(verticalHeader()->minimumSectionSize(), height));
    verticalHeader()->setDefaultSectionSize(height);
    rowsMeasured_ = true;
}

void TableView::setDataSource(TableDataSource* dataSource)
{
    if (dataSource_ == dataSource)
        return;
    dataSource_ = dataSource;
    model_.reload();
}

void TableView::reloadData()
{
    // As in AppKit, a reload keeps the selection; rows past the new end fall away.
    const IndexSet selected = selectedRowIndexes();
    const int current = currentIndex().row();
    model_.reload();
    const QSignalBlocker quiet(selectionModel()); // the same rows as before, not a new choice
    for (const qint64 row : selected)
        if (row < model_.rowCount())
            selectionModel()->select(model_.index(int(row), 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (current >= 0 && current < model_.rowCount())
        selectionModel()->setCurrentIndex(model_.index(current, 0), QItemSelectionModel::NoUpdate);
    // Names take the spare width; other columns fit their content.
    QHeaderView* header = horizontalHeader();
    for (int column = 0; column < model_.columnCount(); ++column)
        header->setSectionResizeMode(column, column == 0 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
}

qint64 TableView::numberOfRows() const
{
    return dataSource_ ? dataSource_->numberOfRowsInTableView(const_cast<TableView*>(this)) : 0;
}

void TableView::deselectAll(QObject*)
{
    clearSelection();
}

void TableView::selectRowIndexes(const IndexSet& rows, bool extendSelection)
{
    if (!extendSelection)
        clearSelection();
    for (qint64 row : rows) {
        if (row >= 0 && row < model_.rowCount()) {
            selectionModel()->select(model_.index(int(row), 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
            // The keyboard goes on from the row selected.
            selectionModel()->setCurrentIndex(model_.index(int(row), 0), QItemSelectionModel::NoUpdate);
        }
    }
}

IndexSet TableView::selectedRowIndexes() const
{
    IndexSet rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.insert(index.row());
    return rows;
}

void TableView::registerForDraggedTypes(const QStringList& types)
{
    draggedTypes_ = types;
    setAcceptDrops(!types.isEmpty());
    viewport()->setAcceptDrops(!types.isEmpty());
}

void TableView::setDropRow(qint64 row, DropOperation)
{
    retargetedRow_ = row;
}

qint64 TableView::proposedDropRow(const QPoint& position) const
{
    const int row = rowAt(position.y());
    if (row < 0)
        return position.y() < 0 ? 0 : model_.rowCount();
    // A short drag that ends on the dragged row's own lower half stays where it was, not one below.
    return row;
}

void TableView::selectHintRow(qint64 row)
{
    selectingHint_ = true;
    selectRowIndexes({row}, false);
    selectingHint_ = false;
    selectionIsHint_ = true;
}

void TableView::startDrag(Qt::DropActions)
{
    if (!dataSource_)
        return;
    const IndexSet rows = selectedRowIndexes();
    if (rows.empty())
        return;
    auto* data = new QMimeData;
    Pasteboard pasteboard(data);
    if (!dataSource_->writeRowsWithIndexes(this, rows, pasteboard)) {
        delete data;
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const QRect rowRect = visualRect(model_.index(int(*rows.begin()), 0))
                              .united(visualRect(model_.index(int(*rows.begin()), model_.columnCount() - 1)));
    drag->setPixmap(viewport()->grab(rowRect));
    drag->setHotSpot(QPoint(12, rowRect.height() / 2));
    // Whatever the result, the rows stay: a drop has already reordered them in the data source.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

qint64 TableView::keyboardTarget(const QKeyEvent* event, qint64 selected) const
{
#ifdef Q_OS_MACOS
    const Qt::KeyboardModifiers moveModifiers = Qt::AltModifier | Qt::ControlModifier; // Option+Command
#else
    const Qt::KeyboardModifiers moveModifiers = Qt::AltModifier;
#endif
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool move = modifiers == moveModifiers;
    if (selectionIsHint_)
        return -1; // a suggestion is not a choice
    const qint64 last = numberOfRows() - 1;
    switch (keyboardMoves_) {
    case KeyboardMoves::OneStep:
        if (move && event->key() == Qt::Key_Up && selected > 0)
            return selected - 1;
        if (move && event->key() == Qt::Key_Down && selected < last)
            return selected + 1;
        return -1;
    case KeyboardMoves::ToTop: {
        const bool confirm = modifiers == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
        return (confirm || (move && event->key() == Qt::Key_Up)) && selected > 0 ? 0 : -1;
    }
    case KeyboardMoves::None:
        break;
    }
    return -1;
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    const IndexSet selected = selectedRowIndexes();
    const qint64 to = selected.empty() ? -1 : keyboardTarget(event, *selected.begin());
    if (to < 0) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    if (dropRowAt(*selected.begin(), to)) {
        selectRowIndexes({to}, false);
        scrollTo(model_.index(int(to), 0));
    }
}

// What a drag of row `from` dropped at `to` does, start to end.
bool TableView::dropRowAt(qint64 from, qint64 to)
{
    if (!dataSource_)
        return false;
    QMimeData data;
    Pasteboard pasteboard(&data);
    if (!dataSource_->writeRowsWithIndexes(this, {from}, pasteboard))
        return false;
    DraggingInfo info(this, &data);
    retargetedRow_ = to;
    if (dataSource_->validateDrop(this, info, to, DropOperation::Above) == DragOperation::None)
        return false;
    return dataSource_->acceptDrop(this, info, retargetedRow_, DropOperation::Above);
}

bool TableView::carriesRegisteredType(const QMimeData* data) const
{
    if (!data)
        return false;
    for (const QString& type : draggedTypes_)
        if (data->hasFormat(type))
            return true;
    return false;
}

qint64 TableView::validate(QDropEvent* event)
{
    if (!dataSource_ || !carriesRegisteredType(event->mimeData()))
        return -1;
    const qint64 proposed = proposedDropRow(event->position().toPoint());
    retargetedRow_ = proposed;
    DraggingInfo info(event->source(), const_cast<QMimeData*>(event->mimeData()));
    if (dataSource_->validateDrop(this, info, proposed, DropOperation::Above) == DragOperation::None)
        return -1;
    return retargetedRow_;
}

void TableView::dragEnterEvent(QDragEnterEvent* event)
{
    if (carriesRegisteredType(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TableView::dragMoveEvent(QDragMoveEvent* event)
{
    const qint64 row = validate(event);
    if (row < 0) {
        clearDropIndicator();
        event->ignore();
        return;
    }
    dropIndicatorRow_ = row;
    viewport()->update();
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void TableView::dragLeaveEvent(QDragLeaveEvent* event)
{
    clearDropIndicator();
    event->accept();
}

void TableView::dropEvent(QDropEvent* event)
{
    const qint64 row = validate(event);
    clearDropIndicator();
    setState(NoState);
    if (row < 0) {
        event->ignore();
        return;
    }
    DraggingInfo info(event->source(), const_cast<QMimeData*>(event->mimeData()));
    if (dataSource_->acceptDrop(this, info, row, DropOperation::Above)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TableView::clearDropIndicator()
{
    if (dropIndicatorRow_ < 0)
        return;
    dropIndicatorRow_ = -1;
    viewport()->update();
}

void TableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (dropIndicatorRow_ < 0)
        return;
    const int rows = model_.rowCount();
    int y = 0;
    if (rows > 0)
        y = dropIndicatorRow_ < rows ? rowViewportPosition(int(dropIndicatorRow_))
                                     : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawLine(2, qMax(1, y), viewport()->width() - 2, qMax(1, y));
}
