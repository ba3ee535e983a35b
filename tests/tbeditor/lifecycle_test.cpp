// New, Open, Close, Exit, closing the window and Properties of the termbase editor.

#include "TBEditorFixture.h"
#include "support/ScriptedModals.h"
#include "support/WriterMeanwhile.h"
#include "termbase/DataCategories.h"
#include "ui/DataList.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QSet>
#include <QTest>
#include <QTreeWidget>
#include <optional>

namespace {

QSet<QString> column(db::Database &d, const QString &sql)
{
    QSet<QString> out;
    db::QueryCursor rows = db::QueryCursor::snapshot(d, sql);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        out.insert(rows.field(0).toString());
    return out;
}

QStringList items(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

}  // namespace

class TBLifecycleTest : public TBEditorTest {
protected:
    void expectNoTermbase()
    {
        EXPECT_TRUE(TermbasePath.isEmpty());
        EXPECT_TRUE(TermbaseFolder.isEmpty());
        EXPECT_FALSE(TermbaseDB.isOpen());
        EXPECT_TRUE(TermbaseInfo.Name.isEmpty()) << "nothing of an earlier termbase may stay";
        EXPECT_EQ(editor->caption(), "TermBase Editor");
        EXPECT_FALSE(editor->ToolBar1->button("close")->isEnabled());
        EXPECT_FALSE(editor->mnuEdit->menuAction()->isVisible());
        EXPECT_EQ(editor->Tree1Nodes->rowCount(), 0);
        EXPECT_EQ(editor->Tree2->topLevelItemCount(), 0);
        EXPECT_EQ(editor->dbcConcepts->rowCount(), 0);
        EXPECT_EQ(editor->lstLang->count(), 0);
        EXPECT_FALSE(editor->RSConcepts || editor->RSTerms || editor->RSLangs || editor->datConcepts);
    }
    QString mainPanel() const { return main->StatusBar1->panelText(1); }
};

TEST_F(TBLifecycleTest, NewMakesTheTermbaseOfTheWorkingOntologyAndOpensIt)
{
    int highest = 0;
    QObject::connect(editor->ProgressBar1, &QProgressBar::valueChanged, [&](int v) { highest = std::max(highest, v); });
    files.answer(termbases("kin"));  // the dialog adds the extension
    QString propertiesCaption, created, workingOntology;
    bool workingOntologyShown = false, workingOntologyTyped = true;
    modals.expect<frmProperties>([&](frmProperties &d) {
        propertiesCaption = d.caption();
        created = d.txtCreated->text();
        workingOntology = d.txtWOntology->text();
        workingOntologyShown = d.txtWOntology->isVisible();
        workingOntologyTyped = !d.txtWOntology->isReadOnly();
        d.txtName->setText("a/b");  // cannot name folders: refused, the dialog stays
        d.cmdOK->click();
        d.txtName->setText("Kin");
        d.txtOwner->setText("The owner");
        d.cmdOK->click();
    });
    boxes.expect("folder name").expect("has been created!");
    editor->mnuFileNew_Click();

    const ui::FileDialogRequest &asked = files.asked().back();
    EXPECT_EQ(asked.mode, ui::FileDialogMode::Save);
    EXPECT_EQ(asked.filter, "Lexvarin TB files (*.lxb)|*.lxb|");
    EXPECT_EQ(asked.initDir, termbases());
    EXPECT_EQ(asked.fileName, "");
    EXPECT_EQ(propertiesCaption, "TermBase Properties");
    EXPECT_EQ(workingOntology, OntologyPath);
    EXPECT_TRUE(workingOntologyShown);
    EXPECT_FALSE(workingOntologyTyped) << "the working ontology is shown, not chosen";
    EXPECT_EQ(created, DateText(QDate::currentDate()));
    EXPECT_EQ(boxes.asked().back().prompt, "TermBase \"Kin\" has been created!");
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);

    // Open in the window.
    EXPECT_EQ(TermbasePath, termbases("kin.lxb"));
    EXPECT_EQ(editor->caption(), "TermBase Editor - Kin");
    EXPECT_TRUE(editor->ToolBar1->button("close")->isEnabled());
    EXPECT_TRUE(editor->Tree2->isVisible()) << "a new termbase shows its categories as a tree";
    EXPECT_TRUE(editor->ProgressBar1->isHidden());
    EXPECT_GT(highest, 0);
    EXPECT_LE(highest, 686);
    EXPECT_EQ(editor->ProgressBar1->maximum(), DCTable.size()) << "the bar served the catalogue last";
    EXPECT_EQ(editor->StatusBar1->panelText(1), "Kinship");
    EXPECT_EQ(editor->StatusBar1->panelText(2), "0 Term Entries");
    EXPECT_EQ(editor->StatusBar1->panelText(3), "0 Terms");
    EXPECT_EQ(mainPanel(), "Kin");
    EXPECT_GT(editor->LastElemID, 3);

    const ElementTreeModel &nodes = *editor->Tree1Nodes;
    const QModelIndex root = nodes.rootNode();
    ASSERT_TRUE(root.isValid());
    EXPECT_EQ(nodes.key(root), "n1");
    EXPECT_EQ(nodes.image(root), "termbase");
    EXPECT_EQ(nodes.text(root), "termbase") << "the name of category 0 in English";
    ASSERT_EQ(nodes.rowCount(root), 1);
    EXPECT_EQ(nodes.text(nodes.index(0, 0, root)), "FCNGMPSSBLND");
    EXPECT_EQ(editor->Tree1->currentIndex(), root);

    // The file, as the window made it.
    db::Database tb = db::Database::open(TermbasePath);
    EXPECT_EQ(column(tb, "SELECT Concept FROM CONCEPTS"),
              column(OntologyDB, "SELECT Concept FROM CONCEPTS WHERE Concept <> 'ALL'"))
        << "the ontology's concepts less the root";
    db::Database res = db::Database::open(dir.resDat());
    EXPECT_EQ(column(tb, "SELECT categoryID FROM datcats"), column(res, "SELECT categoryID FROM datcats"));
    EXPECT_EQ(tb.scalar("SELECT Owner FROM MetaData").toString(), "The owner");
    EXPECT_EQ(tb.scalar("SELECT Ontology FROM MetaData").toString(), OntologyPath);
    EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM TermBases WHERE DBName = ?", {TermbasePath}).toInt(), 1);
    for (const char *folder : {"Kin-publish", "Kin-back"})
        EXPECT_TRUE(QFileInfo(termbases(folder)).isDir()) << folder;

    // What the value editor offers.
    EXPECT_EQ(editor->dbcConcepts->rowCount(), OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toInt() - 1);
    const QStringList langs = items(*editor->lstLang);
    EXPECT_EQ(langs.mid(0, 2), (QStringList{"en", "es"})) << "in the languages' order";
    EXPECT_EQ(langs.size(), int(column(tb, "SELECT langID FROM langs").size()));
}

TEST_F(TBLifecycleTest, NewIsRefusedWithoutTouchingAnything)
{
    const QString existing = closedTermbase("Kin", "kin.lxb");
    const QByteArray existingBytes = fileBytes(existing);
    dir.write("TermBases/Blocked-back", "a file where a folder should go");
    const QString besideOntology = QDir::toNativeSeparators(QFileInfo(OntologyPath).absolutePath() + "/tb.lxb");
    struct Case {
        const char *what;
        QString path;
        const char *message;  // nullptr: none
        ui::Buttons buttons;
        ui::Icon icon;
        bool showsProperties;
        std::function<void(frmProperties &)> properties;
    } cases[] = {
        {"an existing file", existing, "TermBase exists already!", ui::Buttons::YesNo, ui::Icon::Exclamation, false, {}},
        {"the ontology's own folder", besideOntology,
         "A termbase cannot reside in the same folder as its working ontology.\r\n"
         "Tip: save all your ontologies in one folder and your termbases in another.",
         ui::Buttons::Ok, ui::Icon::Exclamation, false, {}},
        {"a folder beside it that cannot be made", termbases("blocked.lxb"), "Path/File access error",
         ui::Buttons::Ok, ui::Icon::None, true,
         [](frmProperties &d) {
             d.txtName->setText("Blocked");
             d.cmdOK->click();
         }},
        {"properties closed without a name", termbases("unnamed.lxb"), nullptr, ui::Buttons::Ok, ui::Icon::None, true,
         [](frmProperties &d) { d.window()->close(); }},
        {"no file chosen", QString(), nullptr, ui::Buttons::Ok, ui::Icon::None, false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.path.isEmpty())
            files.cancel();
        else
            files.answer(c.path);
        if (c.showsProperties)
            modals.expect<frmProperties>(c.properties);
        const size_t boxesBefore = boxes.asked().size();
        if (c.message)
            boxes.expect(c.message);
        editor->mnuFileNew_Click();

        ASSERT_EQ(boxes.asked().size() - boxesBefore, c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_TRUE(boxes.asked().back().prompt.startsWith(c.message));
            EXPECT_EQ(boxes.asked().back().buttons, c.buttons);
            EXPECT_EQ(boxes.asked().back().icon, c.icon);
        }
        expectNoTermbase();
        if (c.path == existing) {
            EXPECT_EQ(fileBytes(existing), existingBytes);
        } else if (!c.path.isEmpty()) {
            EXPECT_FALSE(QFile::exists(c.path)) << "no half-made termbase stays";
        }
        EXPECT_TRUE(editor->ProgressBar1->isHidden());
    }
    EXPECT_EQ(QDir(termbases()).entryList({"*-publish", "*-back"}, QDir::Dirs),
              (QStringList{"Kin-back", "Kin-publish"}))
        << "only the folders of the one termbase made";
    EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM TermBases").toInt(), 1);
}

TEST_F(TBLifecycleTest, OpenRefusesAFileItCannotUseAndLeavesItAsItWas)
{
    const QString good = closedTermbase("Kin", "kin.lxb");
    const QString foreign = closedTermbase("Foreign", "foreign.lxb");
    const QString elsewhere = QDir::toNativeSeparators(dir.file("elsewhere/other.ont"));
    editFile(foreign, "UPDATE MetaData SET Ontology = ?", {elsewhere});
    const QString noMetaData = closedTermbase("NoMeta", "nometa.lxb");
    editFile(noMetaData, "DELETE FROM MetaData");
    const QString text = dir.write("TermBases/notes.lxb", "this is not a database");
    const QString halfWay = closedTermbase("Half", "half.lxb");
    editFile(halfWay, "DROP INDEX \"text_values.elemID\"");
    const QString noLanguageOrder = closedTermbase("Order", "order.lxb");
    editFile(noLanguageOrder, "ALTER TABLE langs DROP COLUMN \"order\"");

    struct Case {
        const char *what;
        QString path;
        QString message;
        ui::Icon icon;
        const char *title;  // nullptr: the program's
    } cases[] = {
        {"a termbase of another ontology", foreign,
         "This TermBase's Working Ontology is " + elsewhere +
             ". You can't use it with current current Working ontology (" + OntologyPath + ").",
         ui::Icon::Critical, "Error"},
        {"a file that is no database", text, "Not a Lexvarin termbase - " + text, ui::Icon::Critical, "Error"},
        {"a termbase without its properties record", noMetaData, "Not a Lexvarin termbase - " + noMetaData,
         ui::Icon::Critical, "Error"},
        {"a file that fails once its cursors are being opened", halfWay, "Error 3800 - ", ui::Icon::None, nullptr},
        {"a file that fails once the window fills its lists", noLanguageOrder, "Error ", ui::Icon::None, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openTermbase(good);  // the window held a termbase before: none of it may leak
        ASSERT_EQ(TermbasePath, good);
        const QByteArray bytes = fileBytes(c.path);
        boxes.expect(c.message);
        openTermbase(c.path);

        const ui::MessageBoxRequest &box = boxes.asked().back();
        EXPECT_TRUE(box.prompt.startsWith(c.message)) << box.prompt.toStdString();
        EXPECT_EQ(box.icon, c.icon);
        if (c.title) {
            EXPECT_EQ(box.title, c.title);
        }
        expectNoTermbase();
        EXPECT_EQ(mainPanel(), "");
        EXPECT_EQ(fileBytes(c.path), bytes) << "the refused file is not written";
    }
    EXPECT_EQ(QDir(termbases()).entryList({"*-publish"}, QDir::Dirs).size(), 5) << "no folders for refused files";
}

TEST_F(TBLifecycleTest, OpenTakesTheWorkingOntologyByItsFileAndMakesMissingFolders)
{
    const QString path = closedTermbase("Kin", "kin.lxb");
    const QString detour = QFileInfo(OntologyPath).absolutePath() + "/../Ontologies/kinship.ont";
    editFile(path, "UPDATE MetaData SET Ontology = ?, Name = 'Renamed'", {detour});

    openTermbase(path);
    EXPECT_EQ(TermbasePath, path);
    EXPECT_EQ(editor->caption(), "TermBase Editor - Renamed");
    EXPECT_EQ(files.asked().back().filter, "Lexvarin TermBase Files (*.lxb)|*.lxb|All files (*.*)|*.*|");
    EXPECT_EQ(files.asked().back().mode, ui::FileDialogMode::Open);
    EXPECT_EQ(editor->dlgCommonDialog.fileName, "") << "the next dialog starts without a name";
    for (const char *folder : {"Renamed-publish", "Renamed-back", "Kin-publish", "Kin-back"})
        EXPECT_TRUE(QFileInfo(termbases(folder)).isDir()) << folder << ": made under the new name, the old ones stay";

    // A second open in the same window lists each language once.
    const int languages = editor->lstLang->count();
    openTermbase(path);
    EXPECT_EQ(editor->lstLang->count(), languages);
}

TEST_F(TBLifecycleTest, ClosingWritesThePropertiesBack)
{
    const QString path = closedTermbase("Kin", "kin.lxb");
    editFile(path, "UPDATE MetaData SET Created = '2001-02-03', Modified = '2001-02-03'");
    const QString ontology = fileValue(path, "SELECT Ontology FROM MetaData").toString();
    openTermbase(path);

    QString shown;
    modals.expect<frmProperties>([&](frmProperties &d) {
        shown = d.txtCreated->text();
        d.txtName->setText("Kindred");
        d.txtDescription->setText("Family words");
        d.cmdOK->click();
    });
    editor->mnuFileProperties_Click();
    EXPECT_EQ(shown, "2001-02-03");
    EXPECT_EQ(editor->caption(), "TermBase Editor - Kindred");
    EXPECT_EQ(fileValue(path, "SELECT Name FROM MetaData").toString(), "Kin") << "the file gets them at close";

    struct Case {
        const char *what;
        std::function<void()> close;
    } closes[] = {
        {"Close", [&] { editor->mnuFileClose_Click(); }},
        {"the window closed by its frame", [&] { editor->window()->close(); }},
        {"the working ontology closed", [&] { main->mnuFileClose_Click(); }},  // last: it takes the ontology
    };
    for (const Case &c : closes) {
        SCOPED_TRACE(c.what);
        editFile(path, "UPDATE MetaData SET Modified = '2001-02-03'");
        if (!editor->isLoaded()) {
            editor = ui::loadedOrNew<frmTBEDitor>();
            editor->show();
        }
        if (TermbasePath.isEmpty())
            openTermbase(path);
        TermbaseInfo.Description = c.what;
        c.close();
        EXPECT_TRUE(TermbasePath.isEmpty());
        EXPECT_FALSE(TermbaseDB.isOpen());
        EXPECT_EQ(fileValue(path, "SELECT Modified FROM MetaData").toDate(), QDate::currentDate());
        EXPECT_EQ(fileValue(path, "SELECT Description FROM MetaData").toString(), c.what);
        EXPECT_EQ(fileValue(path, "SELECT Name FROM MetaData").toString(), "Kindred");
        EXPECT_EQ(fileValue(path, "SELECT Created FROM MetaData").toDate(), QDate(2001, 2, 3));
        EXPECT_EQ(fileValue(path, "SELECT Ontology FROM MetaData").toString(), ontology);
    }
    EXPECT_FALSE(editor->isLoaded()) << "closing the ontology unloads the window";
}

TEST_F(TBLifecycleTest, ThePropertiesOfANewTermbaseAreTypedFromTheName)
{
    files.answer(termbases("kin.lxb"));
    modals.expect<frmProperties>([](frmProperties &d) {
        QApplication::setActiveWindow(d.window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.window()));
        EXPECT_EQ(QApplication::focusWidget(), d.txtName) << "not the working ontology, which is only shown";
        QTest::keyClicks(QApplication::focusWidget(), "Kin");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.txtCreated);
        d.cmdOK->click();
    });
    boxes.expect("has been created!");
    editor->mnuFileNew_Click();
    EXPECT_EQ(TermbaseInfo.Name, "Kin");
}

TEST_F(TBLifecycleTest, PropertiesClosedWithoutOkChangeNothingAndCloseWithNothingOpenDoesNothing)
{
    editor->mnuFileClose_Click();
    editor->mnuFileProperties_Click();  // no termbase: no dialog
    newTermbase("Kin");
    modals.expect<frmProperties>([](frmProperties &d) {
        d.txtName->setText("Other");
        d.window()->close();
    });
    editor->mnuFileProperties_Click();
    EXPECT_EQ(TermbaseInfo.Name, "Kin");
    EXPECT_EQ(editor->caption(), "TermBase Editor - Kin");
}

TEST_F(TBLifecycleTest, ExitClosesTheTermbaseAndUnloadsTheWindow)
{
    newTermbase("Kin");
    const QString path = TermbasePath;
    editor->mnuFileExit_Click();
    EXPECT_FALSE(editor->isLoaded());
    EXPECT_TRUE(TermbasePath.isEmpty());
    EXPECT_FALSE(TermbaseDB.isOpen());
    EXPECT_EQ(mainPanel(), "");
    EXPECT_EQ(fileValue(path, "SELECT Name FROM MetaData").toString(), "Kin");
}

TEST_F(TBLifecycleTest, AConceptChangeInTheOntologyReloadsTheConceptList)
{
    newTermbase("Kin");
    const int before = editor->dbcConcepts->rowCount();
    TermbaseDB.execute("INSERT INTO CONCEPTS (Concept) VALUES ('HORSE')");
    editor->lblOntoComm.setCaption("");
    editor->lblOntoComm.setCaption("1HORSE");
    EXPECT_EQ(editor->dbcConcepts->rowCount(), before + 1);
}

TEST_F(TBLifecycleTest, OpenBringsALinkedTermbaseInStepWithChangesThatNeverReachedIt)
{
    const QString path = closedTermbase("Kin", "kin.lxb");
    editFile(path, "INSERT INTO elements VALUES (20, '0.3', 3)");
    editFile(path, "INSERT INTO TE_CONCEPTS VALUES (20, 'CAT')");
    // The ontology changed, and the program stopped before the termbase was told.
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('FOX', 1, 1)");
    OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'CAT'");

    const auto clickOpen = [&] {
        files.answer(path);
        QTest::mouseClick(editor->ToolBar1->widgetForAction(editor->ToolBar1->button("open")), Qt::LeftButton);
    };
    boxes.expect("was brought in step");
    clickOpen();
    ASSERT_EQ(TermbasePath, path);
    const QString told = boxes.asked().back().prompt;
    for (const QString &part : {path, OntologyPath, QStringLiteral("added to it: FOX"), QStringLiteral("deleted from it"),
                                QStringLiteral("CAT")})
        EXPECT_TRUE(told.contains(part)) << part.toStdString() << " in " << told.toStdString();
    QSet<QString> inStep = column(OntologyDB, "SELECT Concept FROM CONCEPTS");
    inStep.remove(RootConcept);  // a termbase is made without the root
    EXPECT_EQ(column(TermbaseDB, "SELECT Concept FROM CONCEPTS"), inStep);
    EXPECT_EQ(editor->dbcConcepts->rowCount(), inStep.size()) << "the concept list offers FOX for an entry";
    EXPECT_EQ(TermbaseDB.scalar("SELECT count(*) FROM elements WHERE elemID = 20").toInt(), 1)
        << "the entry of CAT stays, untied";

    // In step: the next open says nothing (an unexpected box fails the test).
    editor->mnuFileClose_Click();
    clickOpen();
    ASSERT_EQ(TermbasePath, path);

    // A released termbase is no longer told of changes, and is not made to follow them.
    editor->mnuFileClose_Click();
    OntologyDB.execute("DELETE FROM TermBases");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('WOLF', 1, 1)");
    clickOpen();
    ASSERT_EQ(TermbasePath, path);
    EXPECT_EQ(column(TermbaseDB, "SELECT Concept FROM CONCEPTS"), inStep);
}

TEST_F(TBLifecycleTest, OpenComparesUnderTheWriteLockAndOpensATermbaseItCannotBringInStep)
{
    const QString path = closedTermbase("Kin", "kin.lxb");
    // The ontology changed, and the program stopped before the termbase was told.
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('FOX', 1, 1)");
    OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'CAT'");
    QSet<QString> inStep = column(OntologyDB, "SELECT Concept FROM CONCEPTS");
    inStep.remove(RootConcept);
    QSet<QString> outOfStep = inStep;
    outOfStep.remove("FOX");
    outOfStep.insert("CAT");

    enum class Other { AddsFoxMeanwhile, HoldsTheTermbase, HoldsTheOntology };
    struct Case {
        const char *what;
        Other other;
        QStringList told;     // parts of what the user is told
        QStringList notTold;
        ui::Icon icon;
        bool broughtInStep;
    } cases[] = {
        // It takes the termbase's write lock first and commits FOX while the open waits
        // for that lock: compared before the lock, FOX would be added twice.
        {"another instance writes the termbase while it is opened", Other::AddsFoxMeanwhile,
         {"was brought in step", "deleted from it", "CAT"}, {"added to it"}, ui::Icon::Information, true},
        {"another instance holds the termbase's write lock", Other::HoldsTheTermbase,
         {"could not be brought in step", "currently locked", "lacks 1 concept of the ontology: FOX",
          "1 concept that the ontology no longer has: CAT"},
         {}, ui::Icon::Exclamation, false},
        {"the ontology cannot be read", Other::HoldsTheOntology,
         {"could not be compared with the concepts of", "currently locked"}, {}, ui::Icon::Exclamation, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        editFile(path, "DELETE FROM CONCEPTS WHERE Concept = 'FOX'");
        editFile(path, "INSERT OR IGNORE INTO CONCEPTS (Concept) VALUES ('CAT')");
        std::optional<WriterMeanwhile> writer;
        std::optional<db::Database> holder;
        switch (c.other) {
        case Other::AddsFoxMeanwhile:
            writer.emplace(path, QStringList{"INSERT INTO CONCEPTS (Concept) VALUES ('FOX')"});
            break;
        case Other::HoldsTheTermbase:
            holder = db::Database::open(path);
            holder->execute("BEGIN IMMEDIATE");
            break;
        case Other::HoldsTheOntology:
            holder = db::Database::open(OntologyPath);
            holder->execute("BEGIN EXCLUSIVE");
            OntologyDB.execute("PRAGMA busy_timeout = 0");  // refused at once rather than after the wait
            break;
        }
        boxes.expect(c.told.front());
        files.answer(path);
        QTest::mouseClick(editor->ToolBar1->widgetForAction(editor->ToolBar1->button("open")), Qt::LeftButton);
        if (writer) {
            EXPECT_TRUE(writer->finish());
        }
        if (holder)
            holder->execute("ROLLBACK");
        OntologyDB.execute("PRAGMA busy_timeout = 5000");
        ASSERT_EQ(TermbasePath, path) << "the termbase opens";
        const ui::MessageBoxRequest &asked = boxes.asked().back();
        for (const QString &part : c.told)
            EXPECT_TRUE(asked.prompt.contains(part)) << part.toStdString() << " in " << asked.prompt.toStdString();
        for (const QString &part : c.notTold)
            EXPECT_FALSE(asked.prompt.contains(part)) << part.toStdString() << " in " << asked.prompt.toStdString();
        EXPECT_EQ(asked.icon, c.icon);
        EXPECT_EQ(column(TermbaseDB, "SELECT Concept FROM CONCEPTS"), c.broughtInStep ? inStep : outOfStep);
        editor->mnuFileClose_Click();
    }
}
