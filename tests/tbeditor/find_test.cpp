// The find window: entries by their concept and terms by their text, in the order the
// element tree shows them, the history of searches, and the element found made current.

#include "ElementsFixture.h"
#include "ontology/Global.h"
#include "support/UserKeys.h"
#include "tbeditor/frmFind.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class FindTest : public ElementsTest {
protected:
    std::shared_ptr<frmFind> find;

    void SetUp() override
    {
        ElementsTest::SetUp();
        editor->ShowFindDialog();
        find = ui::forms().first<frmFind>();
        ASSERT_NE(find, nullptr);
    }

    void TearDown() override
    {
        find.reset();
        ElementsTest::TearDown();
    }

    // Types nothing: sets the box's text as a pick from the history would, then Find Next.
    void search(const QString &text, bool concepts, bool fullWord = false)
    {
        QRadioButton *mode = concepts ? find->optFindC : find->optFindT;
        if (!mode->isChecked())
            mode->click();
        find->chkFullWord->setChecked(fullWord);
        find->cbxFind->setEditText(text);
        find->cmdFind->click();
    }

    // An entry of a concept the termbase knows.
    qint64 entry(const QString &conceptID)
    {
        TermbaseDB.execute("INSERT OR IGNORE INTO CONCEPTS (Concept) VALUES (?)", {conceptID});
        return ElementsTest::entry(conceptID);
    }

    qint64 selected() const { return nodes().elemID(editor->selectedNode()); }
    void focusFindBox() { keys::focusBox(find->cbxFind); }
    QStringList history() const
    {
        QStringList items;
        for (int i = 0; i < find->cbxFind->count(); ++i)
            items << find->cbxFind->itemText(i);
        return items;
    }
};

TEST_F(FindTest, TheWindowOpensFromTheEditorWithATermbaseOpen)
{
    EXPECT_TRUE(editor->ToolBar1->button("find")->isEnabled());
    EXPECT_TRUE(editor->mnuEditFind->isEnabled());
    EXPECT_TRUE(find->isShown());
    EXPECT_FALSE(find->cmdFind->isEnabled()) << "nothing to find yet";
    find->cbxFind->setEditText("DOG");
    EXPECT_TRUE(find->cmdFind->isEnabled());
    EXPECT_TRUE(find->cmdFind->isDefault());
    find->cbxFind->setEditText("");
    EXPECT_FALSE(find->cmdFind->isEnabled());
    EXPECT_FALSE(find->cmdFind->isDefault());
    find->cmdCancel->click();
    EXPECT_FALSE(find->isShown());
    EXPECT_TRUE(find->isLoaded()) << "hidden, not unloaded: its history stays";
    editor->ShowFindDialog();
    EXPECT_EQ(ui::forms().first<frmFind>(), find);
    editor->unload();
    EXPECT_FALSE(find->isLoaded()) << "the find window goes with the editor";
}

TEST_F(FindTest, TheHistoryKeepsTwentyNewestFirstWithoutRepeatingTheLast)
{
    entry("DOG");
    search("DOG", true);
    search("DOG", true);
    EXPECT_EQ(history(), QStringList{"DOG"});
    for (int i = 1; i <= 20; ++i) {
        boxes.expect("String not found");
        search(QStringLiteral("X%1").arg(i), true);
    }
    const QStringList items = history();
    ASSERT_EQ(items.size(), frmFind::HistorySize);
    EXPECT_EQ(items.front(), "X20");
    EXPECT_EQ(items.back(), "X1") << "the oldest, DOG, made room";
    EXPECT_EQ(find->cbxFind->currentText(), "X20") << "the box keeps what was searched";
    // The same text again, but not right after itself, goes on top once more.
    search("DOG", true);
    EXPECT_EQ(history().front(), "DOG");
    EXPECT_EQ(history().size(), frmFind::HistorySize);
}

TEST_F(FindTest, ConceptsAreFoundInTreeOrderAndFindNextWrapsAround)
{
    // Inserted out of order: the tree sorts entries by concept.
    const qint64 hotdog = entry("HOTDOG"), dogma = entry("DOGMA"), dog = entry("DOG"), house = entry("DOG-HOUSE"),
                 cat = entry("CAT");
    term(section(dog, "en"), "dog", "en");
    struct Case {
        const char *text;
        bool fullWord;
        std::vector<qint64> found;  // by Find Next after Find Next; 0: "String not found"
    } cases[] = {
        {"DOG", false, {dog, house, dogma, dog}},
        {"DOG", true, {dog, dog}},
        {"CAT", false, {cat, cat}},
        {"D?G*", true, {dog, house}},
        {"*DOG", true, {dog, hotdog, dog}},
        {"dog", false, {0}},  // letter case counts
        {"DOGS", false, {0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        editor->SelectFoundElement(RootElementID, false);
        for (qint64 expected : c.found) {
            if (expected == 0)
                boxes.expect("String not found");
            search(c.text, true, c.fullWord);
            if (expected == 0) {
                EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
                EXPECT_EQ(selected(), EntriesContainerID) << "the branch searched is selected";
                continue;
            }
            EXPECT_EQ(selected(), expected);
            EXPECT_EQ(editor->CurrentElemID, expected);
            EXPECT_EQ(editor->Tree1->isExpanded(editor->selectedNode()), expected == dog)
                << "the entry found is opened, when it holds anything";
        }
    }
}

TEST_F(FindTest, TheEntriesContainerIsKnownByItsElementNotItsLabel)
{
    const qint64 dog = entry("DOG");
    // Its name in another category language.
    TermbaseDB.execute("UPDATE datcats_names SET name = 'cuerpo' WHERE categoryID = "
                       "(SELECT categoryID FROM elements WHERE elemID = 3)");
    editor->BuildElementRoot();
    search("DOG", true);
    EXPECT_EQ(selected(), dog);
    search("DOG", true);
    EXPECT_EQ(selected(), dog) << "the only match, found again";
    boxes.expect("String not found");
    search("CAT", true);
    EXPECT_EQ(selected(), EntriesContainerID);
}

TEST_F(FindTest, TermsAreFoundInEverySectionInTreeOrder)
{
    const qint64 zebra = entry("ZEBRA"), apple = entry("APPLE"), mouse = entry("MOUSE");
    const qint64 zebraEn = section(zebra, "en"), zebraEs = section(zebra, "es");
    const qint64 carZebra = term(zebraEn, "car zebra", "en");
    const qint64 cebra = term(zebraEs, "cebra", "es");
    const qint64 appleFr = section(apple, "fr");
    const qint64 cart = term(appleFr, "cart", "fr");
    const qint64 appleEn = section(apple, "en");
    const qint64 carPark = term(appleEn, "Car park", "en");
    const qint64 bracket = term(appleEn, "a[1]", "en");
    const qint64 open = term(appleEn, "[draft", "en");
    const qint64 hash = term(section(mouse, "de"), "#5", "de");
    // Not a term of a section: a back-matter text is never found.
    record("x10.20", 5, "carbon");
    struct Case {
        const char *text;
        bool fullWord;
        std::vector<qint64> found;  // 0: "Term not found."; -1: nothing said, the selection stays
    } cases[] = {
        {"car", false, {cart, carZebra, 0}},
        {"car", true, {0}},
        {"Car", false, {carPark, 0}},
        {"cebra", true, {cebra, -1}},  // the last term of all: nothing after it
        {"a[1]", true, {bracket}},
        {"[", false, {open}},
        {"#5", true, {hash}},
        {"#", false, {hash}},
        {"c?rt", true, {cart}},
        {"*zebra", true, {carZebra}},
        {"*", true, {cart, carPark, bracket, open, hash, carZebra, cebra}},
        {"x", false, {0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        editor->SelectFoundElement(RootElementID, false);
        qint64 last = RootElementID;
        for (qint64 expected : c.found) {
            if (expected == 0)
                boxes.expect("Term not found.");
            search(c.text, false, c.fullWord);
            if (expected == 0) {
                EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);
                continue;
            }
            if (expected == -1) {
                EXPECT_EQ(selected(), last);
                continue;
            }
            EXPECT_EQ(selected(), expected);
            EXPECT_EQ(editor->CurrentElemID, expected);
            last = expected;
        }
    }
    EXPECT_FALSE(boxes.pending());
}

TEST_F(FindTest, ATermSearchInAnEmptyTermbaseFindsNothing)
{
    boxes.expect("Term not found.");
    search("dog", false);
    EXPECT_EQ(selected(), RootElementID);
}

TEST_F(FindTest, TheFoundElementIsTheCurrentOneWithoutOpeningItsValue)
{
    const qint64 dog = entry("DOG"), cat = entry("CAT");
    const qint64 catNote = element("8", cat);
    row("text_values", catNote, "A note");
    language(catNote, "en");
    click(catNote);
    ASSERT_TRUE(editor->fraEdit->isVisible()) << "the note's value is open";
    search("DOG", true);
    EXPECT_EQ(selected(), dog);
    EXPECT_EQ(editor->CurrentElemID, dog);
    EXPECT_EQ(editor->CurrentCategory, "0.3");
    EXPECT_FALSE(editor->fraEdit->isVisible()) << "the other element's value is closed";
    EXPECT_TRUE(editor->ToolBar1->button(11)->isEnabled()) << "an entry may be deleted";
    // Delete then removes the entry found, not the note clicked before.
    boxes.expect("Are You sure", ui::Answer::Yes);
    editor->mnuElemDelete_Click();
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE elemID = ?", {dog}), 0);
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE elemID = ?", {catNote}), 1);
}

TEST_F(FindTest, SwitchingTheElementTypeStartsAgainFromTheRoot)
{
    const qint64 dog = entry("DOG");
    search("DOG", true);
    ASSERT_EQ(selected(), dog);
    find->optFindT->click();
    EXPECT_EQ(find->cbxFind->currentText(), "");
    EXPECT_EQ(selected(), RootElementID);
    EXPECT_EQ(editor->CurrentElemID, RootElementID);
}

TEST_F(FindTest, ConceptsAreTypedByTheIdentifierRuleWhateverTheNamingOption)
{
    entry("BIG-CAR1");
    struct Case {
        bool concepts, naming;
        const char *typed, *shown;
    } cases[] = {
        {true, true, "big car1", "BIG-CAR1"},
        {true, true, "a_b!", "A-B"},
        {true, false, "big car1", "BIG-CAR1"},
        {false, true, "big car1", "big car1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        OntologyInfo.Naming = c.naming;
        (c.concepts ? find->optFindC : find->optFindT)->click();
        focusFindBox();
        keys::type(QString::fromLatin1(c.typed));
        EXPECT_EQ(find->cbxFind->currentText(), c.shown);
    }
    OntologyInfo.Naming = true;
    find->optFindC->click();
    focusFindBox();
    keys::runKeyCases(find->window(), find->cbxFind, [this] { return find->cbxFind->currentText(); },
                      [this](const QString &t) { find->cbxFind->setEditText(t); }, keys::identifierKeyCases());
}

TEST_F(FindTest, EnterAndKeypadEnterSearchInBothModes)
{
    const qint64 dog = entry("DOG");
    const qint64 hound = term(section(dog, "en"), "hound", "en");
    struct Case {
        bool concepts, keypad;
        const char *typed;
        qint64 found;
    } cases[] = {
        {true, false, "do", dog},
        {true, true, "do", dog},
        {false, false, "hou", hound},
        {false, true, "hou", hound},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.keypad ? " keypad" : ""));
        (c.concepts ? find->optFindC : find->optFindT)->click();
        focusFindBox();
        keys::type(QString::fromLatin1(c.typed));
        c.keypad ? keys::pressKeypadEnter() : keys::press(Qt::Key_Return);
        EXPECT_EQ(selected(), c.found);
        EXPECT_EQ(history().value(0), c.concepts ? "DO" : "hou");
    }
}
