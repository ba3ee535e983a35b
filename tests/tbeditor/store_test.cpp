// Storing through the value editor: term entries, terms with their language sections,
// values of every kind and their changes, references to the record chosen, and a
// failure that leaves the file as it was.

#include "ElementsFixture.h"
#include "ui/DataList.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QGroupBox>

namespace {

constexpr qint64 Persons = 7, Files = 6;

}  // namespace

using StoreTest = ElementsTest;

TEST_F(StoreTest, BuildingAnEntryWithTermsInSeveralLanguages)
{
    // A term entry for a concept, from the toolbar, with the entries' container selected.
    click(3);
    toolbar("concept");
    ASSERT_FALSE(editor->dbcConcepts->isHidden());
    ASSERT_TRUE(editor->dbcConcepts->findFirst([](const QString &t) { return t == "DOG"; }));
    editor->cmdAssert->click();
    const qint64 dog = count("SELECT elemID FROM TE_CONCEPTS WHERE Concept = 'DOG'");
    ASSERT_GT(dog, 0);
    EXPECT_EQ(count("SELECT parentID FROM elements WHERE elemID = ?", {dog}), 3);
    EXPECT_EQ(editor->EntryCount, 1);
    EXPECT_EQ(editor->StatusBar1->panelText(2), "1 Term Entries");
    EXPECT_TRUE(node(dog).isValid()) << "the entries' branch shows the new entry";

    // A second entry for the same concept is refused, wherever the first one is.
    click(3);
    chooseCategory("0.3");
    ASSERT_TRUE(editor->dbcConcepts->findFirst([](const QString &t) { return t == "DOG"; }));
    boxes.expect("TermEntry exists!");
    editor->cmdAssert->click();
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = '0.3'"), 1);

    struct Case {
        const char *term;
        const char *langID;
        bool newSection;
    } cases[] = {{"dog", "en", true}, {"hound", "en", false}, {"perro", "es", true}};
    qint64 terms = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.term);
        const qint64 before = editor->LastElemID;
        click(dog);
        toolbar("term");
        ASSERT_FALSE(editor->txtData->isHidden());
        editor->txtData->setPlainText(c.term);
        chooseLanguage(c.langID);
        editor->cmdAssert->click();
        const qint64 t = count("SELECT elemID FROM TERMS WHERE term = ?", {c.term});
        const qint64 s = count("SELECT parentID FROM elements WHERE elemID = ?", {t});
        EXPECT_EQ(count("SELECT langID = ? FROM TERMS WHERE elemID = ?", {c.langID, t}), 1);
        EXPECT_EQ(TermbaseDB.scalar("SELECT langID FROM elements_use_lang WHERE elemID = ?", {s}).toString(), c.langID);
        EXPECT_EQ(count("SELECT count(*) FROM elements_use_lang WHERE elemID = ?", {t}), 0)
            << "a term carries its language in its own row";
        EXPECT_EQ(count("SELECT parentID FROM elements WHERE elemID = ?", {s}), dog);
        if (c.newSection) {
            EXPECT_EQ(s, before + 1) << "the section first";
            EXPECT_EQ(t, before + 2);
        } else {
            EXPECT_EQ(t, before + 1);
        }
        EXPECT_EQ(editor->TermCount, ++terms);
        EXPECT_EQ(editor->StatusBar1->panelText(3), QString::number(terms) + " Terms");
        EXPECT_TRUE(editor->txtData->toPlainText().isEmpty());
        // The entry open at the section that took the term.
        EXPECT_TRUE(editor->Tree1->isExpanded(node(dog)));
        EXPECT_TRUE(editor->Tree1->isExpanded(node(s)));
        EXPECT_TRUE(node(t).isValid());
    }
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = '0.4' AND parentID = ?", {dog}), 2);
}

TEST_F(StoreTest, ATermNeedsALanguageAndEveryValueOneToStore)
{
    const qint64 dog = entry("DOG");
    const qint64 t = term(section(dog, "en"), "dog", "en");
    const qint64 elements = count("SELECT count(*) FROM elements");
    struct Case {
        const char *what;
        qint64 parent;
        const char *categoryID;
        std::function<void()> type;
        const char *message;
    } cases[] = {
        {"no language", dog, "1", [&] { editor->txtData->setPlainText("hound"); },
         "This element requires a language to be specified"},
        {"no term", dog, "1", [&] { chooseLanguage("en"); }, "You must specify a value"},
        {"no text", dog, "5.2", [&] {}, "You must specify a value"},
        {"no picklist value", t, "2.1", [&] {}, "You must specify a value"},
        {"number 0", t, "3.4", [&] { editor->sldData->setValue(0); }, "You must specify a value"},
        {"no date", dog, "10.4.1", [&] { editor->mskData->setText(""); }, "You must specify a value"},
        {"31 February", dog, "10.4.1", [&] { editor->mskData->setText("31/02/2024"); }, "This is not a date"},
        {"month 13", dog, "10.4.1", [&] { editor->mskData->setText("01/13/2024"); }, "This is not a date"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        click(c.parent);
        chooseCategory(c.categoryID);
        c.type();
        boxes.expect(c.message);
        editor->cmdAssert->click();
        EXPECT_FALSE(boxes.pending());
        EXPECT_EQ(count("SELECT count(*) FROM elements"), elements);
        click(3);  // another element, so that the next click reads its own
    }
}

TEST_F(StoreTest, EveryKindOfValueIsStoredAndChanged)
{
    const qint64 dog = entry("DOG");
    const qint64 t = term(section(dog, "en"), "dog", "en");
    struct Case {
        const char *categoryID;
        qint64 parent;
        std::function<void()> type;  // in the value editor of a new element
        const char *table;
        QVariant stored;
        std::function<void()> change;  // in the value editor of the element clicked
        QVariant changed;
        const char *langID;  // the language stored with it, then changed to "es"
    } cases[] = {
        {"8", dog, [&] { editor->txtData->setPlainText("a note"); }, "text_values", "a note",
         [&] { editor->txtData->setPlainText("a better note"); }, "a better note", "en"},
        {"2.1", t, [&] { editor->lstData->setCurrentRow(1); }, "picklist_values", "synonym",
         [&] { chooseItem(*editor->lstData, 2); }, "quasi-synonym", nullptr},
        {"3.4", t, [&] { editor->sldData->setValue(7); }, "number_values", 7, [&] { editor->sldData->setValue(9); }, 9,
         nullptr},
        {"10.4.1", dog, [&] { editor->mskData->setText("29/02/2024"); }, "date_values", QDate(2024, 2, 29),
         [&] { editor->mskData->setText("01/03/2024"); }, QDate(2024, 3, 1), nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.categoryID);
        click(c.parent);
        chooseCategory(c.categoryID);
        c.type();
        if (c.langID)
            chooseLanguage(c.langID);
        const qint64 id = editor->LastElemID + 1;
        editor->cmdAssert->click();
        EXPECT_EQ(count("SELECT parentID FROM elements WHERE elemID = ?", {id}), c.parent);
        const QString read = QStringLiteral("SELECT value FROM %1 WHERE elemID = ?").arg(c.table);
        EXPECT_EQ(TermbaseDB.scalar(read, {id}), c.stored);
        EXPECT_EQ(count("SELECT count(*) FROM elements_use_lang WHERE elemID = ?", {id}), c.langID ? 1 : 0);
        EXPECT_TRUE(node(id).isValid()) << "the parent shows its new element";

        // Clicked, the element offers its value, and Edit stores the change.
        click(id);
        if (QLatin1String(c.categoryID) == QLatin1String("8")) {
            EXPECT_EQ(editor->txtData->toPlainText(), "a note");
            EXPECT_EQ(editor->lstLang->currentItem()->text(), "en");
            chooseLanguage("es");
        }
        if (QLatin1String(c.categoryID) == QLatin1String("10.4.1")) {
            EXPECT_EQ(editor->mskData->text(), "29/02/2024");
        }
        ASSERT_FALSE(editor->cmdEdit->isHidden());
        c.change();
        editor->cmdEdit->click();
        EXPECT_EQ(TermbaseDB.scalar(read, {id}), c.changed);
        if (c.langID) {
            EXPECT_EQ(TermbaseDB.scalar("SELECT langID FROM elements_use_lang WHERE elemID = ?", {id}).toString(), "es");
        }
    }

    // A value row gone behind the window's back: TB004, and nothing else changes.
    const qint64 note = editor->LastElemID - 3;
    click(3);
    click(note);
    TermbaseDB.execute("DELETE FROM text_values WHERE elemID = ?", {note});
    editor->txtData->setPlainText("again");
    boxes.expect("Error Code TB004.");
    editor->cmdEdit->click();
    EXPECT_EQ(count("SELECT count(*) FROM text_values WHERE elemID = ?", {note}), 0);
}

TEST_F(StoreTest, AReferencePointsAtTheRecordChosenAmongRecordsOfEqualText)
{
    const qint64 dog = entry("DOG");
    record("x10.2.2", Persons, "jdoe");  // an earlier record of the same text
    const qint64 second = record("x10.2.2", Persons, "jdoe");
    const qint64 fileA = element("x5.5", Files);
    row("ref_values", fileA, "pic.png");
    const qint64 fileB = element("x5.5", Files);
    row("ref_values", fileB, "pic.png");
    struct Case {
        const char *categoryID;
        QListWidget *list;
        qint64 target;
    } cases[] = {{"10.2.2.1", editor->lstData, second}, {"5.5.1", editor->lstRefs, fileB}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.categoryID);
        click(dog);
        chooseCategory(c.categoryID);
        ASSERT_EQ(c.list->count(), 2) << "records of equal text are listed as often as they occur";
        c.list->setCurrentRow(1);
        const qint64 id = editor->LastElemID + 1;
        editor->cmdAssert->click();
        EXPECT_EQ(count("SELECT targetID FROM pointers WHERE elemID = ?", {id}), c.target);
        EXPECT_EQ(count("SELECT count(*) FROM text_values WHERE elemID = ?", {id}), 0);
        click(3);
    }

    // A record gone between listing and Assert: no element is left pointing at nothing.
    for (const Case &c : cases) {
        SCOPED_TRACE(c.categoryID);
        click(dog);
        chooseCategory(c.categoryID);
        c.list->setCurrentRow(1);
        TermbaseDB.execute("DELETE FROM elements WHERE elemID = ?", {c.target});
        const qint64 elements = count("SELECT count(*) FROM elements");
        boxes.expect(QLatin1String(c.categoryID) == QLatin1String("5.5.1") ? "Error Code TB005" : "no longer in the back matter");
        editor->cmdAssert->click();
        EXPECT_EQ(count("SELECT count(*) FROM elements"), elements);
        click(3);
    }

    // A kind of record the back matter does not hold yet is told, and no editor opens.
    click(dog);
    boxes.expect("No elements of this kind have been added to the TermBase's backmatter.");
    chooseCategory("10.20");
    EXPECT_TRUE(editor->fraEdit->isHidden());
}

TEST_F(StoreTest, AFailureMidCommandLeavesTheFileAsItWas)
{
    const qint64 dog = entry("DOG");
    term(section(dog, "en"), "dog", "en");
    TermbaseDB.execute("CREATE TRIGGER fail BEFORE INSERT ON TERMS BEGIN SELECT RAISE(ABORT, 'injected failure'); END");
    const qint64 elements = count("SELECT count(*) FROM elements");
    const qint64 last = editor->LastElemID;
    // The first term of a language: a section and a term, or nothing.
    boxes.expect("injected failure");
    assertText(dog, "1", "perro", "es");
    EXPECT_EQ(count("SELECT count(*) FROM elements"), elements);
    EXPECT_EQ(count("SELECT count(*) FROM elements_use_lang WHERE langID = 'es'"), 0);
    EXPECT_EQ(editor->LastElemID, last);
    EXPECT_EQ(editor->TermCount, 0) << "as opened: the count is never raised for what was not stored";
}

TEST_F(StoreTest, AFullDiskNamesTheFileAndSaysTheTermWasNotStored)
{
    const qint64 dog = entry("DOG");
    // The file may not grow by a page: a long term needs several.
    TermbaseDB.execute("PRAGMA max_page_count = " + QString::number(count("PRAGMA page_count")));
    boxes.expect("The term was not stored.");
    assertText(dog, "1", QString(20000, QLatin1Char('w')), "en");
    ASSERT_FALSE(boxes.asked().empty());
    EXPECT_TRUE(boxes.asked().back().prompt.contains(TermbasePath)) << boxes.asked().back().prompt.toStdString();
    EXPECT_EQ(count("SELECT count(*) FROM TERMS"), 0);
    EXPECT_EQ(editor->TermCount, 0);
}

TEST_F(StoreTest, ASectionWithoutItsLanguageIsToldNotSkippedInSilence)
{
    const qint64 dog = entry("DOG");
    const qint64 broken = element("0.4", dog);
    boxes.expect(QStringLiteral("language section without its language (element %1)").arg(broken));
    assertText(dog, "1", "dog", "en");
    EXPECT_EQ(count("SELECT count(*) FROM TERMS WHERE term = 'dog'"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE parentID = ?", {broken}), 0);
}

TEST_F(StoreTest, EnterStoresTabMovesOnAndCtrlEnterKeepsALineBreak)
{
    const qint64 dog = entry("DOG");
    const qint64 t = term(section(dog, "en"), "dog", "en");
    const QString newest = QStringLiteral(" WHERE elemID = (SELECT max(elemID) FROM elements)");
    struct Case {
        const char *what;
        qint64 parent;
        const char *categoryID;
        QWidget *box;                // where the focus is once the category is chosen
        std::function<void()> keys;  // typed there
        QString sql;                 // the new element's value
        QVariant stored;
    } cases[] = {
        {"a term, its language picked after Tab and Shift+Tab back", dog, "1", editor->txtData,
         [&] {
             type("hou");
             press(Qt::Key_Tab);
             type("en");
             press(Qt::Key_Tab, Qt::ShiftModifier);
             type("nd");
             press(Qt::Key_Return);
         },
         "SELECT term || '/' || langID FROM TERMS" + newest, "hound/en"},
        {"a note of two lines", dog, "8", editor->txtData,
         [&] {
             type("line one");
             press(Qt::Key_Return, Qt::ControlModifier);
             type("line two");
             press(Qt::Key_Tab);
             type("en");
             press(Qt::Key_Enter);
         },
         "SELECT value FROM text_values" + newest, "line one\nline two"},
        {"a date", dog, "10.4.1", editor->mskData, [&] { press(Qt::Key_Return); }, "SELECT value FROM date_values" + newest,
         QDate::currentDate()},
        {"a number", t, "3.4", editor->sldData,
         [&] {
             press(Qt::Key_Right);
             press(Qt::Key_Return);
         },
         "SELECT value FROM number_values" + newest, 6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        click(c.parent);
        chooseCategory(c.categoryID);
        ASSERT_EQ(QApplication::focusWidget(), c.box);
        const qint64 id = editor->LastElemID;
        c.keys();
        EXPECT_GT(editor->LastElemID, id) << "stored";
        EXPECT_EQ(TermbaseDB.scalar(c.sql), c.stored);
        click(3);
    }
}

TEST_F(StoreTest, AStoredNumberIsShownAsItIsAndNeverChangedByShowingIt)
{
    const qint64 t = term(section(entry("DOG"), "en"), "dog", "en");
    for (int stored : {250, -3, 42}) {
        SCOPED_TRACE(stored);
        const qint64 n = element("3.4", t);
        TermbaseDB.execute("INSERT INTO number_values (elemID, value) VALUES (?, ?)", {n, stored});
        click(n);
        ASSERT_FALSE(editor->sldData->isHidden());
        EXPECT_EQ(editor->sldData->value(), stored);
        editor->cmdEdit->click();
        EXPECT_EQ(count("SELECT value FROM number_values WHERE elemID = ?", {n}), stored);
        click(3);
    }
    // A new number starts at 5 on the slider's own scale.
    click(t);
    chooseCategory("3.4");
    EXPECT_EQ(editor->sldData->value(), 5);
    EXPECT_EQ(editor->sldData->minimum(), 0);
    EXPECT_EQ(editor->sldData->maximum(), 100);
}

// A category reached with the arrow keys is chosen by Enter or Space, in the tree and in
// the list alike, and opens the value editor a click opens.
TEST_F(StoreTest, TheKeysChooseACategoryAsAClickDoes)
{
    const qint64 dog = entry("DOG");
    struct Key {
        const char *what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keysPressed[] = {
        {"Enter", Qt::Key_Return, {}},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
        {"Space", Qt::Key_Space, {}},
    };
    for (const char *shape : {"tree", "list"}) {
        TermbaseInfo.DCList = shape;
        editor->SetEditMode();
        for (const Key &k : keysPressed) {
            SCOPED_TRACE(std::string(shape) + " " + k.what);
            click(3);
            click(dog);
            ASSERT_TRUE(editor->txtData->isHidden());
            QTreeWidgetItem *note = category("8");
            ASSERT_NE(note, nullptr);
            for (QTreeWidgetItem *up = note->parent(); up; up = up->parent())
                up->setExpanded(true);
            categories().setFocus();
            ASSERT_EQ(QApplication::focusWidget(), &categories());
            press(Qt::Key_Home);
            for (int i = 0; i < 500 && categories().currentItem() != note; ++i)
                press(Qt::Key_Down);
            ASSERT_EQ(categories().currentItem(), note);
            ASSERT_TRUE(editor->txtData->isHidden()) << "moving to a category chooses nothing";
            press(k.key, k.modifiers);
            EXPECT_FALSE(editor->txtData->isHidden());
            EXPECT_EQ(editor->txtDC->text(), note->text(0));
        }
    }
}
