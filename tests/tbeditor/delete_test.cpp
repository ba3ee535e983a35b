// Deleting elements with what goes with them, and Modify by kind of node.

#include "BackFolders.h"
#include "support/ScriptedPopupMenus.h"
#include "ui/CommandBoundary.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>

namespace {

constexpr qint64 Files = 6, Persons = 7, Urls = 9;

}  // namespace

class DeleteTest : public BackFoldersTest {
protected:
    qint64 dog = 0, en = 0, dogTerm = 0, houndTerm = 0, es = 0, perro = 0, cat = 0, catTerm = 0, xref = 0, person = 0,
           byPerson = 0;

    void SetUp() override
    {
        BackFoldersTest::SetUp();
        dog = entry("DOG");
        en = section(dog, "en");
        dogTerm = term(en, "dog", "en");
        houndTerm = term(en, "hound", "en");
        es = section(dog, "es");
        perro = term(es, "perro", "es");
        cat = entry("CAT");
        catTerm = term(section(cat, "en"), "cat", "en");
        // From the cat's term to the dog's and to something inside the dog's entry.
        xref = element("9.2.3", catTerm);
        row("text_values", xref, "related term");
        pointer(xref, dogTerm);
        person = record("x10.2.2", Persons, "jdoe");
        byPerson = element("10.2.2.1", cat);
        pointer(byPerson, person);
        // The counters as a freshly opened file has them.
        editor->EntryCount = 2;
        editor->TermCount = 4;
    }

    bool exists(qint64 id) const { return count("SELECT count(*) FROM elements WHERE elemID = ?", {id}) == 1; }
};

TEST_F(DeleteTest, AnElementGoesWithWhatBelongsToItAndWhatPointsAtIt)
{
    struct Case {
        const char *what;
        std::function<qint64()> element;
        std::vector<std::function<qint64()>> gone;  // with it
        std::vector<std::function<qint64()>> kept;
        qint64 entries, terms;
        std::function<qint64()> selectedAfter;
    } cases[] = {
        {"one of two terms", [&] { return houndTerm; }, {}, {[&] { return en; }, [&] { return dogTerm; }}, 2, 3,
         [&] { return en; }},
        {"the last term of its section", [&] { return perro; }, {[&] { return es; }}, {[&] { return dog; }}, 2, 2,
         [&] { return dog; }},
        {"a term other entries cross-reference", [&] { return dogTerm; }, {[&] { return xref; }, [&] { return en; }},
         {[&] { return catTerm; }}, 2, 1, [&] { return dog; }},
        {"a back-matter record entries refer to", [&] { return person; }, {[&] { return byPerson; }},
         {[&] { return cat; }}, 2, 1, [&] { return Persons; }},
        {"an entry, its branch closed", [&] { return cat; }, {[&] { return catTerm; }}, {[&] { return dog; }}, 1, 0,
         [&] { return qint64(3); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const qint64 id = c.element();
        // What goes with it is in view, wherever it lies.
        std::vector<qint64> gone;
        for (const auto &g : c.gone) {
            gone.push_back(g());
            editor->RevealElement(gone.back());
        }
        editor->RevealElement(id);
        if (QLatin1String(c.what) == QLatin1String("an entry, its branch closed"))
            editor->collapseNode(node(id));
        ScriptedPopupMenus menus;
        menus.choose("Delete");
        boxes.expect("Are You sure you want to delete this element?", ui::Answer::Yes);
        clickNode(node(id), Qt::RightButton);
        EXPECT_FALSE(exists(id));
        for (const qint64 g : gone) {
            EXPECT_FALSE(exists(g));
            EXPECT_FALSE(node(g).isValid()) << g << " still has a node";
        }
        for (const auto &k : c.kept)
            EXPECT_TRUE(exists(k()));
        EXPECT_EQ(editor->EntryCount, c.entries);
        EXPECT_EQ(editor->TermCount, c.terms);
        EXPECT_EQ(editor->StatusBar1->panelText(3), QString::number(c.terms) + " Terms");
        EXPECT_EQ(nodes().elemID(editor->Tree1->currentIndex()), c.selectedAfter());
        EXPECT_EQ(editor->CurrentElemID, c.selectedAfter()) << "the parent is the current element";
        EXPECT_FALSE(node(id).isValid());
    }
    EXPECT_EQ(count("SELECT count(*) FROM pointers WHERE targetID NOT IN (SELECT elemID FROM elements)"), 0);
}

TEST_F(DeleteTest, ASectionLowersTheTermsByItsTermsAndCrossReferencesIntoItGo)
{
    click(en);
    boxes.expect("Are You sure", ui::Answer::Yes);
    editor->mnuElemDelete_Click();
    EXPECT_FALSE(exists(dogTerm));
    EXPECT_FALSE(exists(xref)) << "it pointed inside what was deleted";
    EXPECT_EQ(editor->TermCount, 2);
}

TEST_F(DeleteTest, CrossReferencesThatReachTheDeletedThroughOthersGoToo)
{
    // A chain into the dog's term: xref points at it, the second at xref, the third at
    // the second; the fourth points below the second, at its note.
    const auto crossReference = [&](qint64 parent, qint64 target) {
        const qint64 id = element("10.18", parent);
        row("text_values", id, "see also");
        pointer(id, target);
        return id;
    };
    const qint64 second = crossReference(cat, xref);
    const qint64 third = crossReference(catTerm, second);
    const qint64 note = element("8", second);
    row("text_values", note, "a note");
    const qint64 fourth = crossReference(cat, note);
    click(dogTerm);
    boxes.expect("Are You sure", ui::Answer::Yes);
    editor->mnuElemDelete->trigger();
    EXPECT_FALSE(boxes.pending());
    for (const qint64 gone : {dogTerm, xref, second, third, fourth})
        EXPECT_FALSE(exists(gone)) << gone;
    for (const qint64 kept : {cat, catTerm, houndTerm})
        EXPECT_TRUE(exists(kept)) << kept;
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = '10.18' "
                    "AND elemID NOT IN (SELECT elemID FROM pointers)"),
              0)
        << "no cross-reference is left pointing at nothing";
}

TEST_F(DeleteTest, NoTheFrameAndAFailureChangeNothing)
{
    const qint64 elements = count("SELECT count(*) FROM elements");
    struct Case {
        const char *what;
        qint64 element;
        const char *message;
        ui::Answer answer;
    } cases[] = {
        {"No", dogTerm, "Are You sure", ui::Answer::No},
        {"the root", 1, "cannot be deleted", ui::Answer::Ok},
        {"the entries' container", 3, "cannot be deleted", ui::Answer::Ok},
        {"the persons' container", Persons, "cannot be deleted", ui::Answer::Ok},
        {"the URLs' container", Urls, "cannot be deleted", ui::Answer::Ok},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        click(c.element);
        boxes.expect(c.message, c.answer);
        editor->mnuElemDelete_Click();
        EXPECT_EQ(count("SELECT count(*) FROM elements"), elements);
    }

    TermbaseDB.execute("CREATE TRIGGER fail BEFORE DELETE ON TERMS BEGIN SELECT RAISE(ABORT, 'injected failure'); END");
    click(dog);
    boxes.expect("Are You sure", ui::Answer::Yes);
    boxes.expect("injected failure");
    ui::runCommand(editor->window(), [&] { editor->ToolBar1_ButtonClick("delete"); });
    EXPECT_FALSE(boxes.pending());
    EXPECT_EQ(count("SELECT count(*) FROM elements"), elements);
    EXPECT_EQ(count("SELECT count(*) FROM pointers"), 2);
    EXPECT_EQ(editor->TermCount, 4);
}

TEST_F(DeleteTest, AnEmptiedValueDeletesItsElementAfterTheQuestion)
{
    const qint64 note = element("8", dog);
    row("text_values", note, "a note");
    language(note, "en");
    click(note);
    ASSERT_FALSE(editor->cmdEdit->isHidden());
    editor->txtData->setPlainText("");
    boxes.expect("Are You sure", ui::Answer::Yes);
    editor->cmdEdit->click();
    EXPECT_FALSE(exists(note));
    EXPECT_EQ(editor->CurrentElemID, dog);
}

TEST_F(DeleteTest, ModifyEditsInPlaceOrHandsTheConceptOver)
{
    const qint64 url = record("x10.21.1", Urls, "http://a");
    const qint64 byUrl = element("10.21.1", dog);
    pointer(byUrl, url);
    QString handed;
    editor->ShowConceptInOntologyEditor = [&](const QString &c) { handed = c; };
    struct Case {
        qint64 element;
        bool editing;
        const char *message;
    } cases[] = {
        {dogTerm, true, nullptr},
        {url, true, nullptr},
        {person, true, nullptr},
        {byUrl, false, "You must modify this element in the 'backmatter'."},
        {byPerson, false, "You must modify this element in the 'backmatter'."},
        {en, false, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.element);
        click(c.element);
        if (c.message)
            boxes.expect(c.message);
        editor->mnuElemModify_Click();
        bool typing = false;
        for (const QLineEdit *e : editor->Tree1->viewport()->findChildren<QLineEdit *>())
            typing = typing || e->isVisible();
        EXPECT_EQ(typing, c.editing);
        editor->Tree1->reset();  // the edit given up
        click(3);
    }
    click(dog);
    editor->mnuElemModify_Click();
    EXPECT_EQ(handed, "DOG");
}

TEST_F(DeleteTest, ModifyOnAnEntryBringsTheOntologyEditorBackFromTheTaskbar)
{
    main->mnuToolsTBEd_Click();  // the editor as the ontology editor opens it
    main->window()->showMinimized();
    ASSERT_TRUE(main->window()->isMinimized());
    ScriptedPopupMenus menus;
    menus.choose("Modify");
    click(dog, Qt::RightButton);
    EXPECT_FALSE(main->window()->isMinimized());
    EXPECT_EQ(main->txtCptSearch->text(), "DOG");
}

TEST_F(DeleteTest, ARecordsCopiesAndPageGoWithItUnlessAnotherRecordNamesThem)
{
    const auto fileRecord = [&](const QString &name) {
        const qint64 id = element("x5.5", Files);
        row("ref_values", id, name);
        return id;
    };
    const qint64 dogPicture = fileRecord("dog.png");
    const qint64 catPicture = fileRecord("cat.png");
    fileRecord("cat.png");  // a file recorded twice, as an older file may hold it
    const qint64 figure = element("5.5.1", dog);
    pointer(figure, dogPicture);
    for (const QString &f : {back() + "dog.png", publish() + "dog.png", back() + "cat.png", publish() + "cat.png",
                             back() + "per-jdoe.html", back() + "per-mm.html"})
        writeFile(f, "kept");
    struct Case {
        const char *what;
        qint64 element;
        QStringList gone, kept;  // in the back and publish folders, "b/" and "p/"
    } cases[] = {
        {"an attached file entries refer to", dogPicture, {"b/dog.png", "p/dog.png"}, {"b/cat.png", "p/cat.png"}},
        {"a file another record names too", catPicture, {}, {"b/cat.png", "p/cat.png"}},
        {"a person", person, {"b/per-jdoe.html"}, {"b/per-mm.html"}},
    };
    const auto path = [&](const QString &f) { return (f.startsWith("b/") ? back() : publish()) + f.mid(2); };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        editor->RevealElement(c.element);
        ScriptedPopupMenus menus;
        menus.choose("Delete");
        boxes.expect("Are You sure you want to delete this element?", ui::Answer::Yes);
        clickNode(node(c.element), Qt::RightButton);
        EXPECT_FALSE(exists(c.element));
        for (const QString &f : c.gone)
            EXPECT_FALSE(QFile::exists(path(f))) << f.toStdString();
        for (const QString &f : c.kept)
            EXPECT_TRUE(QFile::exists(path(f))) << f.toStdString();
    }
    EXPECT_FALSE(exists(figure)) << "it referred to the file deleted";
}
