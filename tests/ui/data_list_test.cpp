#include "db/Cursor.h"
#include "db/Database.h"
#include "support/TestFolder.h"
#include "support/UserKeys.h"
#include "ui/DataList.h"
#include "ui/RowSource.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

namespace {

class ConceptList : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = db::Database::create(dir.file("list.db"));
        db.execute("CREATE TABLE CONCEPTS (Concept TEXT PRIMARY KEY COLLATE NOCASE, Type INTEGER)");
        for (const char *c : {"ALL", "CAR", "CART", "WHEEL", "ZEBRA"})
            db.execute("INSERT INTO CONCEPTS VALUES (?, 1)", {QString::fromLatin1(c)});
        cursor = std::make_shared<db::QueryCursor>(
            db::QueryCursor::snapshot(db, "SELECT * FROM CONCEPTS ORDER BY Concept"));
        list.bind(std::make_shared<ui::QueryCursorRows>(cursor, "Concept"));
        list.onClick([this] { clicks << list.text(); });
        list.onDblClick([this] { doubleClicks << list.text(); });
        list.resize(200, 300);
        list.show();
    }
    QPoint centreOf(int row) const { return list.visualRect(list.model()->index(row, 0)).center(); }
    void clickRow(int row) { QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(row)); }
    // What the window system sends for a double click.
    void doubleClickRow(int row)
    {
        clickRow(row);
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, centreOf(row));
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centreOf(row));
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, centreOf(row));
    }

    TestFolder dir;
    db::Database db;
    std::shared_ptr<db::QueryCursor> cursor;
    ui::DataList list;
    QStringList clicks, doubleClicks;
};

// A source that only counts what the list asked for.
class CountingRows : public ui::RowSource {
public:
    int rowCount() const override { return 1000000; }
    QString text(int row) const override
    {
        ++asked;
        return QString::number(row);
    }
    mutable int asked = 0;
};

// A source that reads its rows fifty at a time, out of a thousand.
class GrowingRows : public ui::RowSource {
public:
    int rowCount() const override { return read; }
    QString text(int row) const override { return QString::number(row); }
    bool canFetchMore() const override { return read < 1000; }
    int fetchMore() override
    {
        const int added = std::min(50, 1000 - read);
        read += added;
        return added;
    }
    int read = 50;
};

// A source whose rows are changed behind the list, one at a time.
class EditedRows : public ui::RowSource {
public:
    int rowCount() const override { return int(rows.size()); }
    QString text(int row) const override { return rows.value(row); }
    QStringList rows{"A", "C", "E", "G"};
};

}  // namespace

// The list reads on by itself while it is shown, a step a turn of the event loop, so that
// its scroll bar soon covers every row; scrolling to the bottom reads on at once.
TEST(DataList, ASourceThatReadsAsShownIsReadOnInTheTurnsOfTheEventLoop)
{
    for (const bool scrolled : {false, true}) {
        SCOPED_TRACE(scrolled ? "scrolled to the bottom" : "left as it opened");
        auto rows = std::make_shared<GrowingRows>();
        ui::DataList list;
        list.resize(200, 300);
        list.bind(rows);
        list.show();
        EXPECT_EQ(list.model()->rowCount(), 50) << "the view opens on what the source has read";
        for (int i = 0; i < 100 && rows->canFetchMore(); ++i) {
            if (scrolled)
                list.scrollToBottom();
            QApplication::processEvents();
            EXPECT_EQ(list.model()->rowCount(), rows->read) << "the view is told of every row read";
        }
        EXPECT_EQ(rows->read, 1000);
        EXPECT_EQ(list.model()->rowCount(), 1000);
        QApplication::processEvents();  // the view lays out its rows in a turn of its own
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
        EXPECT_EQ(list.rowAt(list.viewport()->height() - 1), 999) << "the scroll bar covers every row";
        list.setCurrentRow(999);
        EXPECT_EQ(list.text(), "999");
    }
    // A list out of sight reads nothing more until it is shown.
    auto rows = std::make_shared<GrowingRows>();
    ui::DataList list;
    list.bind(rows);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    EXPECT_EQ(rows->read, 50);
    list.show();
    for (int i = 0; i < 100 && rows->canFetchMore(); ++i)
        QApplication::processEvents();
    EXPECT_EQ(rows->read, 1000);
}

TEST(DataList, ASourceThatFailsToReadMoreLeavesTheListAsItWas)
{
    struct FailingRows : GrowingRows {
        int fetchMore() override { throw db::DbError(db::err::Engine, "the file went away"); }
    };
    auto rows = std::make_shared<FailingRows>();
    ui::DataList list;
    list.resize(200, 3000);
    list.bind(rows);
    list.show();
    list.scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(list.model()->rowCount(), 50);
    list.setCurrentRow(49);
    EXPECT_EQ(list.text(), "49");
}

TEST(DataList, ARowAddedOrRemovedKeepsTheSelectionOnItsRow)
{
    auto rows = std::make_shared<EditedRows>();
    ui::DataList list;
    QStringList clicks;
    list.onClick([&] { clicks << list.text(); });
    list.bind(rows);
    list.show();
    list.setCurrentRow(2);  // "E"
    struct Case {
        const char *what;
        std::function<int(QStringList &)> change;  // returns the row changed
        bool added;
        const char *selected;
    } cases[] = {
        {"a row added before it", [](QStringList &r) { r.insert(0, "0"); return 0; }, true, "E"},
        {"a row added after it", [](QStringList &r) { r.append("Z"); return int(r.size()) - 1; }, true, "E"},
        {"a row removed before it", [](QStringList &r) { r.removeAt(1); return 1; }, false, "E"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const int row = c.change(rows->rows);
        if (c.added)
            list.rowInserted(row);
        else
            list.rowRemoved(row);
        EXPECT_EQ(list.model()->rowCount(), rows->rows.size());
        EXPECT_EQ(list.text(), c.selected);
    }
    EXPECT_TRUE(clicks.isEmpty()) << "changes from code run no click";
}

TEST_F(ConceptList, CodeSelectsWithoutAClickAndTheUserSelectsWithOne)
{
    EXPECT_EQ(list.text(), "") << "nothing selected after binding";
    EXPECT_EQ(list.rowCount(), 5);

    list.moveFirst();
    EXPECT_EQ(list.text(), "ALL");
    EXPECT_TRUE(list.findFirst([](const QString &t) { return t.startsWith("ca", Qt::CaseInsensitive); }));
    EXPECT_EQ(list.text(), "CAR");
    EXPECT_FALSE(list.findFirst([](const QString &t) { return t.startsWith("X"); }));
    EXPECT_EQ(list.text(), "CAR") << "no match leaves the selection";
    cursor->findFirst({db::equals("Concept", "wheel")});
    list.setCurrentRow(int(cursor->position()));
    EXPECT_EQ(list.text(), "WHEEL");
    EXPECT_EQ(list.selectionModel()->selectedIndexes().size(), 1) << "the row is shown selected";
    EXPECT_TRUE(clicks.isEmpty()) << "selections from code run no click";

    clickRow(1);
    EXPECT_EQ(clicks, QStringList{"CAR"});
    QTest::keyClick(list.viewport(), Qt::Key_Down);
    EXPECT_EQ(clicks, (QStringList{"CAR", "CART"}));
    doubleClickRow(4);
    EXPECT_EQ(doubleClicks, QStringList{"ZEBRA"});
    EXPECT_EQ(clicks, (QStringList{"CAR", "CART", "ZEBRA"})) << "the double click's first click selects";

    list.setCurrentRow(-1);
    EXPECT_EQ(list.text(), "");
    EXPECT_TRUE(list.selectionModel()->selectedIndexes().isEmpty());
}

TEST_F(ConceptList, KeepsItsTextWhileHidden)
{
    list.findFirst([](const QString &t) { return t == "CART"; });
    list.hide();
    EXPECT_EQ(list.text(), "CART");
    list.moveFirst();  // a rebuild while the list is not on show
    EXPECT_EQ(list.text(), "ALL");
    list.show();
    EXPECT_EQ(list.text(), "ALL");
    EXPECT_TRUE(clicks.isEmpty());
}

TEST_F(ConceptList, ARefillShowsTheRequeriedRowsAndAClosedCursorShowsNone)
{
    list.moveFirst();
    db.execute("INSERT INTO CONCEPTS VALUES ('BUS', 1)");
    cursor->requery();
    list.refill();
    EXPECT_EQ(list.text(), "") << "rows moved: the window selects again";
    EXPECT_EQ(list.rowCount(), 6);
    list.findFirst([](const QString &t) { return t == "BUS"; });
    EXPECT_EQ(list.currentRow(), 1);

    cursor->close();  // the ontology closes before the list lets go of it
    EXPECT_EQ(list.text(), "");
    QApplication::processEvents();  // a repaint over the closed cursor
    list.bind(nullptr);
    EXPECT_EQ(list.rowCount(), 0);
    list.moveFirst();
    EXPECT_EQ(list.text(), "");
}

TEST(DataList, AsksOnlyForTheRowsInView)
{
    auto rows = std::make_shared<CountingRows>();
    ui::DataList list;
    list.resize(200, 300);
    list.bind(rows);
    list.show();
    QApplication::processEvents();
    list.setCurrentRow(500000);
    QApplication::processEvents();
    list.repaint();
    EXPECT_EQ(list.text(), "500000");
    EXPECT_LT(rows->asked, 10000) << "a million rows must not all be read";
}

TEST(DataList, TabLeavesTheListForTheNextControlAndShiftTabComesBack)
{
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *list = new ui::DataList(&window);
    auto *after = new QLineEdit(&window);
    auto *layout = new QVBoxLayout(&window);
    for (QWidget *w : std::initializer_list<QWidget *>{before, list, after})
        layout->addWidget(w);
    list->bind(std::make_shared<EditedRows>());
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    list->setFocus();
    list->setCurrentRow(1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    EXPECT_EQ(list->text(), "C") << "Tab walks no rows";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(list->text(), "C");
}

// Every source the lists are built on, walked by the keys the user presses in the list:
// one that holds its rows and one that reads them as they are shown.
TEST(DataList, TheKeysWalkTheWholeListOfAnySource)
{
    QStringList thousand;
    for (int i = 0; i < 1000; ++i)
        thousand << QString::number(i);
    struct Source {
        const char *what;
        std::function<std::shared_ptr<ui::RowSource>()> make;
    } sources[] = {
        {"rows held", [&] { return std::make_shared<ui::StringRows>(thousand); }},
        {"rows read as shown", [] { return std::make_shared<GrowingRows>(); }},
    };
    struct Case {
        const char *what;
        std::function<void()> keys;
        const char *selected;
    } cases[] = {
        {"End", [] { keys::press(Qt::Key_End); }, "999"},
        {"Home after End", [] { keys::press(Qt::Key_End); keys::press(Qt::Key_Home); }, "0"},
        {"a prefix typed", [] { keys::type("99"); }, "99"},
        {"a prefix past the rows read at first", [] { keys::type("876"); }, "876"},
        {"a prefix no row has keeps the last one found", [] { keys::type("5x"); }, "5"},
    };
    for (const Source &s : sources) {
        SCOPED_TRACE(s.what);
        for (const Case &c : cases) {
            SCOPED_TRACE(c.what);
            ui::DataList list;
            QStringList clicks;
            list.onClick([&] { clicks << list.text(); });
            list.resize(200, 300);
            list.bind(s.make());
            keys::focusBox(&list);
            list.setCurrentRow(1);
            QTest::qWait(QApplication::keyboardInputInterval() + 50);  // a pause: the next letters start afresh
            c.keys();
            EXPECT_EQ(list.text(), c.selected);
            ASSERT_FALSE(clicks.isEmpty()) << "a key moves the selection as a click does";
            EXPECT_EQ(clicks.back(), c.selected);
            EXPECT_EQ(list.model()->rowCount(), list.rowCount()) << "the view knows every row read";
        }
    }
}
