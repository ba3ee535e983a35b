// The data categories offered under the current element, the pick of a cross-reference's
// target with its rules, Go To, and browse mode's attached files.

#include "ElementsFixture.h"
#include "support/ScriptedPopupMenus.h"
#include "support/UserKeys.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QTest>
#include "publish/PageView.h"

namespace {

constexpr qint64 Files = 6;

}  // namespace

class CrossReferenceTest : public ElementsTest {
protected:
    qint64 dog = 0, en = 0, dogTerm = 0, houndTerm = 0, note = 0;

    void SetUp() override
    {
        ElementsTest::SetUp();
        dog = entry("DOG");
        en = section(dog, "en");
        dogTerm = term(en, "dog", "en");
        houndTerm = term(en, "hound", "en");
        note = element("8", houndTerm);
        row("text_values", note, "a note");
        editor->RevealElement(note);
    }

    void showCategoriesAsList(bool asList)
    {
        TermbaseInfo.DCList = asList ? "list" : "tree";
        editor->SetEditMode();
        ASSERT_EQ(editor->ListView1->isVisible(), asList);
    }

    // Opens the branches down to the node and clicks it, as the user does during the pick.
    void pick(qint64 elemID) { click(elemID); }
};

TEST_F(CrossReferenceTest, CategoriesAreOfferedByTheCurrentElement)
{
    for (bool asList : {false, true}) {
        SCOPED_TRACE(asList ? "list" : "tree");
        showCategoriesAsList(asList);
        click(3);
        click(dog);
        struct Case {
            const char *categoryID;
            bool active;
        } cases[] = {{"1", true}, {"5.1", true}, {"8", true}, {"10.18", true}, {"0.3", false}, {"2.1", false}};
        for (const Case &c : cases) {
            SCOPED_TRACE(c.categoryID);
            EXPECT_EQ(nodeImage(category(c.categoryID)), c.active ? "active" : "inactive");
        }
        if (!asList) {
            EXPECT_EQ(nodeKey(editor->Tree2->currentItem()), "nDC");
            EXPECT_TRUE(category("5.1")->parent()->isExpanded()) << "every allowed category in view";
        }
        // An inactive category cannot be chosen.
        chooseCategory("2.1");
        EXPECT_TRUE(editor->fraEdit->isHidden());
        // Choosing another category clears the editor of the one before.
        chooseCategory("5.1");
        editor->txtData->setPlainText("draft");
        chooseCategory("1");
        EXPECT_TRUE(editor->txtData->toPlainText().isEmpty());
        EXPECT_FALSE(editor->lstLang->isHidden());
        EXPECT_EQ(editor->lblEdit->text(), "1");
    }
    showCategoriesAsList(false);
}

TEST_F(CrossReferenceTest, ThePickFollowsItsRulesWithTheCategoriesAsTreeOrList)
{
    const QString fifty(50, QLatin1Char('d'));
    struct Case {
        const char *what;
        const char *pointerCategory;
        std::function<qint64()> target;
        std::function<void()> answer;  // the description box, where there is one
        const char *message;           // a refusal, or nullptr
        const char *storedText;        // the cross-reference's text when stored
    } cases[] = {
        {"itself", "10.18", [&] { return dogTerm; }, {}, "An element can't be cross-referenced to itself!", nullptr},
        {"a language section", "10.18", [&] { return en; }, {}, "Element can't be cross-referenced.", nullptr},
        {"an entry", "9.2.1", [&] { return dog; }, {}, "Element can't be cross-referenced.", nullptr},
        {"a note for a typed category", "9.2.1", [&] { return note; }, {},
         "Not a valid cross-reference for term. Only terms, can be cross-referenced  by an element of this kind.",
         nullptr},
        {"a term, typed", "9.2.1", [&] { return houndTerm; }, {}, nullptr, "broader term"},
        {"50 characters", "10.18", [&] { return houndTerm; },
         [&] { inputs.answer("Enter a description for this cross-reference.", fifty); }, nullptr, "dddd"},
        {"51 characters", "10.18", [&] { return houndTerm; },
         [&] { inputs.answer("Enter a description", fifty + "d"); }, "That isn't short... Try again.", nullptr},
        {"cancelled", "10.18", [&] { return houndTerm; }, [&] { inputs.cancel("Enter a description"); }, "", nullptr},
        {"a note, described", "10.18", [&] { return note; }, [&] { inputs.answer("Enter a description", "see the note"); },
         nullptr, "see the note"},
    };
    for (bool asList : {false, true}) {
        showCategoriesAsList(asList);
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(asList ? "list: " : "tree: ") + c.what);
            click(3);
            click(dogTerm);
            boxes.expect("Select the cross-referenced element on the elements tree.");
            chooseCategory(c.pointerCategory);
            ASSERT_TRUE(editor->XRefMode);
            EXPECT_EQ(editor->XRefSourceID, dogTerm);
            EXPECT_FALSE(editor->ToolBar1->isEnabled()) << "the rest of the window waits for the pick";
            EXPECT_FALSE(editor->fraEdit->isEnabled());
            if (c.answer)
                c.answer();
            if (c.message && *c.message)
                boxes.expect(c.message);
            const qint64 last = editor->LastElemID;
            const qint64 target = c.target();
            pick(target);
            EXPECT_FALSE(boxes.pending());
            EXPECT_FALSE(editor->XRefMode);
            EXPECT_TRUE(editor->ToolBar1->isEnabled());
            EXPECT_TRUE(editor->fraEdit->isEnabled());
            if (c.storedText) {
                const qint64 id = last + 1;
                EXPECT_EQ(editor->LastElemID, id);
                EXPECT_EQ(TermbaseDB.scalar("SELECT categoryID FROM elements WHERE elemID = ?", {id}).toString(),
                          c.pointerCategory);
                EXPECT_EQ(count("SELECT parentID FROM elements WHERE elemID = ?", {id}), dogTerm);
                EXPECT_TRUE(TermbaseDB.scalar("SELECT value FROM text_values WHERE elemID = ?", {id})
                                .toString()
                                .startsWith(c.storedText));
                EXPECT_EQ(count("SELECT targetID FROM pointers WHERE elemID = ?", {id}), target);
                // The source shows its new cross-reference and is the current element.
                EXPECT_EQ(editor->Tree1->currentIndex(), node(dogTerm));
                EXPECT_EQ(editor->CurrentElemID, dogTerm);
                EXPECT_TRUE(node(id).isValid());
                EXPECT_EQ(nodes().image(node(id)), "xref");
            } else {
                EXPECT_EQ(editor->LastElemID, last);
                EXPECT_EQ(editor->CurrentElemID, target);
            }
        }
    }
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID IN ('10.18', '9.2.1')"), 6);
    EXPECT_EQ(count("SELECT count(*) FROM text_values t JOIN elements e ON e.elemID = t.elemID "
                    "WHERE e.categoryID IN ('10.18', '9.2.1') AND length(t.value) = 50"),
              2);
    showCategoriesAsList(false);
}

TEST_F(CrossReferenceTest, GoToRevealsTheTargetOrSaysThePointerIsMissing)
{
    const qint64 xref = element("10.18", note);
    row("text_values", xref, "see the dog");
    pointer(xref, dogTerm);
    const qint64 broken = element("10.18", note);
    row("text_values", broken, "nowhere");

    ScriptedPopupMenus menus;
    click(xref);
    editor->collapseNode(nodes().rootNode());
    editor->RevealElement(xref);
    menus.choose("Go to x-ref'ed element");
    clickNode(node(xref), Qt::RightButton);
    EXPECT_EQ(editor->Tree1->currentIndex(), node(dogTerm));
    EXPECT_EQ(editor->CurrentElemID, dogTerm) << "the target is the current element for what follows";

    menus.choose("Go to x-ref'ed element");
    boxes.expect("Data integrity error. Error Code TB001.");
    click(broken, Qt::RightButton);
    EXPECT_EQ(editor->Tree1->currentIndex(), node(broken));
}

TEST_F(CrossReferenceTest, BrowseModeShowsAttachedFilesAndRunsNone)
{
    const QString back = TermbaseFolder + "Kin-back/";
    ASSERT_TRUE(QDir(back).exists());
    struct Case {
        const char *fileName;
        bool present;
        const char *shown;  // what the page view then holds
    } cases[] = {
        {"tool.exe", true, "tool.exe"},  // its name and folder, never run
        {"notes.txt", true, "plain words"},
        {"gone.png", false, nullptr},
    };
    editor->SetBrowseMode();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fileName);
        if (c.present) {
            QFile f(back + c.fileName);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("plain words");
        }
        const qint64 file = element("x5.5", Files);
        row("ref_values", file, c.fileName);
        editor->Browser->clear();
        if (!c.present)
            boxes.expect(QStringLiteral("Target file ") + QDir::toNativeSeparators(back + c.fileName) + " not found.");
        click(file);
        EXPECT_FALSE(boxes.pending());
        if (c.shown) {
            EXPECT_TRUE(editor->Browser->toPlainText().contains(c.shown));
        }
        if (QLatin1String(c.fileName) == QLatin1String("tool.exe")) {
            EXPECT_TRUE(editor->Browser->toPlainText().contains(QDir::toNativeSeparators(QDir(back).absolutePath())) ||
                        editor->Browser->toPlainText().contains(QDir(back).absolutePath()));
        }
        EXPECT_TRUE(editor->fraEdit->isHidden());
    }
    editor->SetEditMode();
}

TEST_F(CrossReferenceTest, BrowseModeShowsTheEntryPageWrittenOnceUnderItsMappedName)
{
    const QString publish = TermbaseFolder + "Kin-publish/";
    TermbaseDB.execute("INSERT INTO CONCEPTS (Concept) VALUES ('../A/B')");
    const qint64 odd = entry("../A/B");
    term(section(odd, "en"), "slashed", "en");
    const qint64 cat = entry("CAT");
    {
        QFile old(publish + "CAT.html");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("<html><body>written before</body></html>");
    }
    struct Case {
        qint64 entry;
        const char *file;   // in the publish folder
        const char *shown;  // on the page
    } cases[] = {
        {dog, "DOG.html", "hound"},
        {odd, "_2E_2E_2FA_2FB.html", "slashed"},  // the name never leaves the folder
        {cat, "CAT.html", "written before"},      // an existing page is shown unchanged
    };
    editor->SetBrowseMode();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        click(c.entry);
        EXPECT_TRUE(QFile::exists(publish + c.file));
        EXPECT_EQ(QFileInfo(editor->Browser->currentPage().path).fileName(), c.file);
        EXPECT_TRUE(editor->Browser->toPlainText().contains(c.shown));
        click(3);
    }
    EXPECT_EQ(QDir(TermbaseFolder).entryList(QDir::Files).filter(".html").size(), 0) << "no page outside its folder";
    editor->SetEditMode();
}

TEST_F(CrossReferenceTest, BrowseModeShowsAVeryLongTermWhole)
{
    QString longTerm;
    for (int i = 0; longTerm.size() < 100000; ++i)
        longTerm += QStringLiteral("lexeme%1&").arg(i);  // no blank, and an entity on the page
    term(en, longTerm, "en");
    editor->window()->show();
    QTest::mouseClick(editor->ToolBar1->widgetForAction(editor->ToolBar1->button("browser")), Qt::LeftButton);
    ASSERT_TRUE(editor->mnuEditBrowser->isChecked());
    const QModelIndex entryNode = node(dog);
    editor->Tree1->scrollTo(entryNode);
    QTest::mouseClick(editor->Tree1->viewport(), Qt::LeftButton, {}, editor->Tree1->visualRect(entryNode).center());
    ASSERT_EQ(QFileInfo(editor->Browser->currentPage().path).fileName(), "DOG.html");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !editor->Browser->pageComing(); }, 60000));
    // The view may break the term anywhere; what it shows is the term, whole.
    EXPECT_TRUE(editor->Browser->toPlainText().remove(QChar(0x200B)).contains(longTerm));
    // And what the user copies of it is the term as stored.
    QTest::mouseClick(editor->Browser->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), editor->Browser);
    keys::press(Qt::Key_A, Qt::ControlModifier);
    keys::press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QString(longTerm)));
    EXPECT_FALSE(QApplication::clipboard()->text().contains(QChar(0x200B)));
    QFile page(editor->Browser->currentPage().path);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(written.contains(QString(longTerm).replace("&", "&amp;"))) << "the page file holds the term unbroken";
    EXPECT_FALSE(written.contains(QChar(0x200B)));
}
