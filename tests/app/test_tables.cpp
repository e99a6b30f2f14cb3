// The two tables: rows, names, region selection, and reordering by drag and drop.
#include "QuorrelFixture.h"

#include "Classes/LocaleRow.h"
#include "Classes/MoveArray.h"
#include "platform/AssertionHandler.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

// Counts the two notifications a drop may post.
struct PostedNotifications {
    PostedNotifications()
    {
        for (const QString& name : {kMyNotificationLanguagesHaveBeenUpdated, kMyNotificationLocalesHaveBeenUpdated})
            NotificationCenter::defaultCenter().addObserver(this, name, [this](const Notification& n) { names.append(n.name); });
    }
    ~PostedNotifications() { NotificationCenter::defaultCenter().removeObserver(this); }
    QStringList names;
};

// A table of the given tag holding the given language rows, as a drag in it would see them.
struct DraggableTable {
    explicit DraggableTable(int tag, const QStringList& isos = {"de", "en", "fr", "ja"})
    {
        table.setProperty("tag", tag);
        table.setProperty("columnIdentifiers", QStringList{"languagename", "isodesignator"});
        auto rows = std::make_shared<QVariantList>();
        for (const QString& iso : isos)
            rows->append(LocaleRow::make(iso.toUpper(), iso));
        data.setStoredData(rows);
        table.setDataSource(&data);
        table.reloadData();
    }
    QStringList order() const
    {
        QStringList isos;
        for (const QVariant& row : *data.storedData())
            isos.append(LocaleRow::isodesignator(row));
        return isos;
    }
    // Drags `rows` from `source` and drops them at `row`, as the view does.
    bool drag(const IndexSet& rows, qint64 row, const QObject* source)
    {
        QMimeData mime;
        Pasteboard pasteboard(&mime);
        EXPECT_TRUE(data.writeRowsWithIndexes(&table, rows, pasteboard));
        DraggingInfo info(source, &mime);
        if (data.validateDrop(&table, info, row, DropOperation::On) == DragOperation::None)
            return false;
        return data.acceptDrop(&table, info, row, DropOperation::Above);
    }
    TableView table;
    MyTableData data;
    // Checks every change the model announces against what it then holds.
    std::unique_ptr<QAbstractItemModelTester> tester{
        std::make_unique<QAbstractItemModelTester>(table.model(), QAbstractItemModelTester::FailureReportingMode::Fatal)};
};

// Runs `seen` at each paint of one widget.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<void()> seen) : seen_(std::move(seen)) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen_();
        return false;
    }

private:
    std::function<void()> seen_;
};

} // namespace

TEST(TableData, EveryReorderOfFourRows)
{
    const struct {
        qint64 from, to;
        QStringList order;
        bool accepted;
    } cases[] = {
        {1, 1, {"de", "en", "fr", "ja"}, false},
        {0, 1, {"en", "de", "fr", "ja"}, true},
        {0, 2, {"en", "fr", "de", "ja"}, true},
        {0, 3, {"en", "fr", "ja", "de"}, true},
        {0, 4, {"en", "fr", "ja", "de"}, true},
        {3, 0, {"ja", "de", "en", "fr"}, true},
        {3, 1, {"de", "ja", "en", "fr"}, true},
        {3, 4, {"de", "en", "fr", "ja"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        DraggableTable t(MyTableData::kLanguagesTableTag);
        t.table.selectRowIndexes({c.from}, false);
        PostedNotifications posted;
        EXPECT_EQ(t.drag({c.from}, c.to, &t.table), c.accepted);
        EXPECT_EQ(t.order(), c.order);
        EXPECT_EQ(posted.names.size(), c.accepted ? 1 : 0);
        EXPECT_EQ(t.table.selectedRowIndexes().empty(), c.accepted) << "a drop clears the selection";
        EXPECT_EQ(t.table.model()->index(0, 1).data().toString(), c.order[0]) << "the table shows the new order";
    }
}

TEST(TableData, DropsAreRefusedUnlessTheyComeFromTheSameTable)
{
    for (int tag : {MyTableData::kLanguagesTableTag, MyTableData::kRegionsTableTag}) {
        DraggableTable t(tag);
        DraggableTable other(tag);
        PostedNotifications posted;
        EXPECT_FALSE(t.drag({0}, 2, &other.table));
        EXPECT_FALSE(t.drag({0}, 2, nullptr)) << "another application";
        EXPECT_EQ(t.order(), (QStringList{"de", "en", "fr", "ja"}));
        EXPECT_TRUE(posted.names.isEmpty());
    }
}

TEST(TableData, TheTagChoosesTheNotification)
{
    const struct {
        int tag;
        QStringList posted;
    } cases[] = {
        {MyTableData::kLanguagesTableTag, {kMyNotificationLanguagesHaveBeenUpdated}},
        {MyTableData::kRegionsTableTag, {kMyNotificationLocalesHaveBeenUpdated}},
        {7, {}},
    };
    for (const auto& c : cases) {
        DraggableTable t(c.tag);
        PostedNotifications posted;
        EXPECT_TRUE(t.drag({0}, 2, &t.table));
        EXPECT_EQ(t.order(), (QStringList{"en", "fr", "de", "ja"})) << "reordered whatever the tag";
        EXPECT_EQ(posted.names, c.posted);
    }
}

TEST(TableData, OnlyTheSmallestDraggedRowMovesAndGarbageMovesNothing)
{
    DraggableTable t(0);
    EXPECT_TRUE(t.drag({3, 1}, 0, &t.table));
    EXPECT_EQ(t.order(), (QStringList{"en", "de", "fr", "ja"}));

    QMimeData garbage;
    garbage.setData(kMyPrivateTableViewDataType, "not an index set");
    DraggingInfo info(&t.table, &garbage);
    EXPECT_FALSE(t.data.acceptDrop(&t.table, info, 0, DropOperation::Above));
    QMimeData empty;
    Pasteboard(&empty).declareTypes({kMyPrivateTableViewDataType}, nullptr);
    DraggingInfo noData(&t.table, &empty);
    EXPECT_FALSE(t.data.acceptDrop(&t.table, noData, 0, DropOperation::Above));
    EXPECT_EQ(t.order(), (QStringList{"en", "de", "fr", "ja"}));
}

TEST(TableData, ValidationRetargetsAboveTheProposedRow)
{
    DraggableTable t(MyTableData::kLanguagesTableTag);
    QMimeData mime;
    Pasteboard pasteboard(&mime);
    t.data.writeRowsWithIndexes(&t.table, {0}, pasteboard);
    EXPECT_EQ(pasteboard.types(), QStringList{kMyPrivateTableViewDataType});
    DraggingInfo info(&t.table, &mime);
    EXPECT_EQ(t.data.validateDrop(&t.table, info, 3, DropOperation::On), DragOperation::Move);

    MyTableData emptyData;
    emptyData.setStoredData(std::make_shared<QVariantList>());
    EXPECT_EQ(emptyData.validateDrop(&t.table, info, 5, DropOperation::On), DragOperation::Move);
}

TEST(TableData, CellValuesAndTheRowCheck)
{
    MyTableData data;
    TableView table;
    EXPECT_EQ(data.numberOfRowsInTableView(&table), 0) << "no list yet";
    data.setStoredData(std::make_shared<QVariantList>(QVariantList{LocaleRow::make("Deutsch", "de"), "de_AT (Österreich)"}));
    EXPECT_EQ(data.objectValueForTableColumn(&table, {"languagename", ""}, 0).toString(), "Deutsch");
    EXPECT_EQ(data.objectValueForTableColumn(&table, {"isodesignator", ""}, 0).toString(), "de");
    EXPECT_EQ(data.objectValueForTableColumn(&table, {"nokey", ""}, 0).toString(), "");
    EXPECT_EQ(data.objectValueForTableColumn(&table, {}, 1).toString(), "de_AT (Österreich)");
    for (int row : {-1, 2, 1000}) {
        try {
            data.objectValueForTableColumn(&table, {}, row);
            ADD_FAILURE() << "row " << row << " passed the check";
        } catch (const InternalInconsistencyException& failure) {
            EXPECT_STREQ(failure.what(),
                         "Invalid parameter not satisfying: rowIndex >= 0 && rowIndex < (int)[storedData count]");
        }
    }
    // Through the view's model a failed check ends that one request with an empty cell.
    table.setDataSource(&data);
    table.reloadData();
    EXPECT_FALSE(table.model()->data(table.model()->index(5, 0)).isValid());
}

TEST(TableData, MoveObjectFromIndex)
{
    QStringList list{"a", "b", "c"};
    MoveArray::moveObjectFromIndex(list, 2, 2);
    EXPECT_EQ(list, (QStringList{"a", "b", "c"}));
    MoveArray::moveObjectFromIndex(list, 0, 10);
    EXPECT_EQ(list, (QStringList{"b", "c", "a"}));
    MoveArray::moveObjectFromIndex(list, 2, 0);
    EXPECT_EQ(list, (QStringList{"a", "b", "c"}));
}

TEST(TableData, TheViewRefusesDropsFromOutsideAndNeverLosesRows)
{
    DraggableTable t(MyTableData::kLanguagesTableTag);
    t.table.registerForDraggedTypes({kMyPrivateTableViewDataType});
    t.table.resize(300, 200);
    t.table.show();
    QMimeData mime;
    Pasteboard pasteboard(&mime);
    t.data.writeRowsWithIndexes(&t.table, {0}, pasteboard);
    // A drop event that did not begin in this program has no source.
    const QPoint lastRow = t.table.visualRect(t.table.model()->index(3, 0)).center();
    QDropEvent drop(lastRow, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(t.table.viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(t.order(), (QStringList{"de", "en", "fr", "ja"}));
    // The row a pointer position proposes: a drop onto a row is a drop above it, on either half.
    const QRect second = t.table.visualRect(t.table.model()->index(1, 0));
    EXPECT_EQ(t.table.proposedDropRow(second.topLeft() + QPoint(2, 1)), 1);
    EXPECT_EQ(t.table.proposedDropRow(second.bottomLeft() - QPoint(-2, 1)), 1);
    EXPECT_EQ(t.table.proposedDropRow(QPoint(5, 190)), 4);
}

// Every row is one line high, as tall as the tallest name needs, a name in Chinese (from a taller
// fallback font) among them, and already so at the table's first paint when it is shown straight
// after it was built, without a turn of the event loop in between.
TEST(TableRows, OneLineHighForChineseNamesFromTheFirstPaint)
{
    TableView table;
    table.setProperty("columnIdentifiers", QStringList{"languagename", "isodesignator"});
    MyTableData data;
    auto rows = std::make_shared<QVariantList>();
    rows->append(LocaleRow::make(QStringLiteral("English"), QStringLiteral("en")));
    rows->append(LocaleRow::make(QStringLiteral("中文（简体）"), QStringLiteral("zh-Hans")));
    rows->append(LocaleRow::make(QStringLiteral("Hong Kong English 香港英文"), QStringLiteral("en-HK")));
    data.setStoredData(rows);
    table.setDataSource(&data);
    table.reloadData();
    QList<int> heightsAtFirstPaint;
    PaintWatch watch(table.viewport(), [&] {
        if (heightsAtFirstPaint.isEmpty())
            for (int row = 0; row < 3; ++row)
                heightsAtFirstPaint.append(table.rowHeight(row));
    });
    table.resize(300, 200);
    table.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heightsAtFirstPaint.isEmpty(); }));
    // What the view's delegate asks for each row's cells.
    const auto needs = [view = static_cast<QAbstractItemView*>(&table)](int row) { return view->sizeHintForRow(row); };
    EXPECT_GT(needs(1), needs(0)) << "this machine has no taller font for Chinese";
    const int tallest = std::max({needs(0), needs(1), needs(2)});
    EXPECT_EQ(heightsAtFirstPaint, (QList<int>{tallest, tallest, tallest}));
}

using Tables = QuorrelFixture;

TEST_F(Tables, DroppingALanguageWritesTheOrderAndShowsTheNamesInTheNewFirstLanguage)
{
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(cells(d.outlets.languagesTable), (QStringList{"English | en", "German | de", "French | fr"}));
    EXPECT_EQ(d.languagesNames, (QStringList{"en (English)", "de (German)", "fr (French)"}));
    TableView* table = d.outlets.languagesTable;
    QMimeData mime;
    Pasteboard pasteboard(&mime);
    d.languageTableData->writeRowsWithIndexes(table, {2}, pasteboard);
    DraggingInfo info(table, &mime);
    ASSERT_EQ(d.languageTableData->validateDrop(table, info, 0, DropOperation::On), DragOperation::Move);
    EXPECT_TRUE(d.languageTableData->acceptDrop(table, info, 0, DropOperation::Above));

    EXPECT_EQ(calls().value(0), writeLanguages("(fr,en,de)"));
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    fr,\n    en,\n    de\n)\n");
    EXPECT_EQ(cells(table), (QStringList{"Français | fr", "Anglais | en", "Allemand | de"}));
}

TEST_F(Tables, DroppingARegionOnTopWritesItsIdentifier)
{
    writeGlobal("AppleLanguages", "(de, en)");
    writeGlobal("AppleLocale", "de_AT");
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(d.regions->value(0).toString(), "de_AT (Österreich)");
    const qsizetype germany = d.locales.indexOf("de_DE");
    ASSERT_GT(germany, 0);
    EXPECT_EQ(selectedRow(d.outlets.regionsTable), germany) << "the best region is selected";

    TableView* table = d.outlets.regionsTable;
    QMimeData mime;
    Pasteboard pasteboard(&mime);
    d.regionsTableData->writeRowsWithIndexes(table, {germany}, pasteboard);
    DraggingInfo info(table, &mime);
    ASSERT_EQ(d.regionsTableData->validateDrop(table, info, 0, DropOperation::On), DragOperation::Move);
    EXPECT_TRUE(d.regionsTableData->acceptDrop(table, info, 0, DropOperation::Above));
    EXPECT_EQ(calls().value(0), writeLocale("de_DE"));
    EXPECT_EQ(d.regions->value(0).toString(), "de_DE (Deutschland)");
    EXPECT_EQ(selectedRow(table), 0) << "now the current region is the best one";
}

TEST_F(Tables, RegionSelectionAfterARefresh)
{
    QuorrelAppDelegate& d = start();
    d.availableRegions = QStringList{"en", "en_GB", "en_US"};
    d.updateUI();
    EXPECT_EQ(cells(d.outlets.regionsTable), (QStringList{"en_US (United States)", "en_GB (United Kingdom)"}));
    EXPECT_EQ(selectedRow(d.outlets.regionsTable), 1);

    d.availableRegions = QStringList{"en_AU", "en_GB", "en_US"};
    d.updateUI();
    EXPECT_EQ(selectedRow(d.outlets.regionsTable), -1) << "no en_EN, several candidates";

    writeGlobal("AppleLanguages", "(fr, en)");
    writeGlobal("AppleLocale", "fr_FR");
    d.availableRegions = QStringList{"fr_BE", "fr_FR"};
    d.updateUI();
    EXPECT_EQ(selectedRow(d.outlets.regionsTable), 0);

    // After a saved combination is applied the first row is selected, whatever was best.
    d.locales = QStringList{"fr_BE", "fr_FR"};
    d.updateRegionsFromPreferredLocale();
    EXPECT_EQ(selectedRow(d.outlets.regionsTable), 0);
    EXPECT_EQ(d.regions->value(0).toString(), "fr_BE (Belgique)");
}

TEST_F(Tables, IdentifiersThePlatformCannotNameStillGetRows)
{
    writeGlobal("AppleLanguages", "(en, \"\", qqq, \"zz-Hant\")");
    writeGlobal("AppleLocale", "qqq");
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(cells(d.outlets.languagesTable), (QStringList{"English | en", " | ", "qqq | qqq", "zz-Hant | zz-Hant"}));
    EXPECT_EQ(d.regions->value(0).toString(), "qqq");

    // The language table shows exactly the order it is given, whatever the system holds.
    d.languages = QStringList{"ja", "en"};
    d.updateLanguagesFromPreferredLocale();
    EXPECT_EQ(cells(d.outlets.languagesTable), (QStringList{"日本語 | ja", "英語 | en"}));
}

TEST_F(Tables, TheLanguageOrderIsTakenApartTheSameWayWhateverItsItems)
{
    // Items holding spaces, commas, parentheses, none at all: each is cut as it always was.
    writeGlobal("AppleLanguages", "(\"a b\", \"c,d\", \"(x)\", en)");
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(d.languages, (QStringList{"ab", "c", "d", "x", "en"}));
    writeGlobal("AppleLanguages", "(en, \"zh-Hans-CN\", \"\", \"a.b$c\")");
    d.updateUI();
    EXPECT_EQ(d.languages, (QStringList{"en", "zh-Hans-CN", "", "a.b$c"}));
    writeGlobal("AppleLanguages", "()");
    d.updateUI();
    EXPECT_EQ(d.languages, QStringList{""});
}

TEST_F(Tables, RefreshesKeepTheLanguageTableSelectionAndADropClearsIt)
{
    QuorrelAppDelegate& d = start();
    TableView* table = d.outlets.languagesTable;
    table->selectRowIndexes({1}, false);

    // A region dropped on top: a write and a full refresh.
    d.regionsTableData->setStoredData(std::make_shared<QVariantList>(QVariantList{"en_GB", "en_US"}));
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLocalesHaveBeenUpdated, nullptr);
    EXPECT_EQ(readGlobal("AppleLocale"), "en_GB\n");
    EXPECT_EQ(table->selectedRowIndexes(), IndexSet{1});
    d.updateLanguagesFromPreferredLocale();
    EXPECT_EQ(table->selectedRowIndexes(), IndexSet{1});
    EXPECT_EQ(table->currentIndex().row(), 1) << "the keyboard goes on from the selected row";

    // Rows past the new end fall away.
    table->selectRowIndexes({2}, false);
    writeGlobal("AppleLanguages", "(en, de)");
    d.updateUI();
    EXPECT_TRUE(table->selectedRowIndexes().empty());

    // A drop clears the selection, and the refresh after it keeps it cleared.
    writeGlobal("AppleLanguages", "(en, de, fr)");
    d.updateUI();
    table->selectRowIndexes({2}, false);
    QMimeData mime;
    Pasteboard pasteboard(&mime);
    d.languageTableData->writeRowsWithIndexes(table, {2}, pasteboard);
    DraggingInfo info(table, &mime);
    EXPECT_TRUE(d.languageTableData->acceptDrop(table, info, 0, DropOperation::Above));
    EXPECT_EQ(d.languages, (QStringList{"fr", "en", "de"}));
    EXPECT_TRUE(table->selectedRowIndexes().empty());
}
