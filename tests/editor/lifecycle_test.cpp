// New, Open, drop, Close, Exit, closing the window and Properties, through the main window.

#include "db/Database.h"
#include "support/MainWindowFixture.h"
#include "ui/Forms.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWindow>

namespace {

// Another window of the program, such as a tree window or the termbase editor.
class OtherWindow : public ui::Form {
public:
    explicit OtherWindow(const QString &caption) : ui::Form(new QWidget) { setCaption(caption); }
    bool unloaded = false;
    bool ontologyWasOpen = false;

protected:
    void Form_Unload(bool &) override
    {
        unloaded = true;
        ontologyWasOpen = OntologyDB.isOpen();
    }
};

QVariant metaData(const QString &path, const QString &field)
{
    db::OpenOptions readOnly;
    readOnly.readOnly = true;
    db::Database d = db::Database::open(path, readOnly);
    return d.scalar(QStringLiteral("SELECT \"%1\" FROM MetaData ORDER BY MetaData_ID").arg(field));
}

void setMetaData(const QString &path, const QString &field, const QVariant &value)
{
    db::Database d = db::Database::open(path);
    d.execute(QStringLiteral("UPDATE MetaData SET \"%1\" = ?").arg(field), {value});
}

QStringList publishFolders(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*-publish")}, QDir::Dirs);
}

// What the window system delivers when something is dragged onto the window and let go.
void drop(frmOntoEdit &main, QMimeData &data)
{
    main.show();
    QWindow *window = main.window()->windowHandle();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

}  // namespace

class LifecycleTest : public MainWindowTest {
protected:
    void expectOpen(const QString &name)
    {
        EXPECT_FALSE(OntologyPath.isEmpty());
        EXPECT_TRUE(OntologyDB.isOpen());
        EXPECT_EQ(main->caption(), "Ontology Editor - " + name);
        EXPECT_EQ(OntologyInfo.Name, name);
        EXPECT_EQ(RootConcept, "ALL");
        EXPECT_TRUE(main->ToolBar1->button("Close")->isEnabled());
        EXPECT_TRUE(main->ToolBar1->button("tbeditor")->isEnabled());
        EXPECT_TRUE(main->mnuFileProperties->isEnabled());
        EXPECT_TRUE(main->mnuConcept->menuAction()->isVisible());
        EXPECT_TRUE(main->mnuTools->menuAction()->isVisible());
        EXPECT_TRUE(main->txtCptSearch->isEnabled());
    }
    void expectNoneOpen()
    {
        EXPECT_TRUE(OntologyPath.isEmpty());
        EXPECT_TRUE(OntologyFolder.isEmpty());
        EXPECT_FALSE(OntologyDB.isOpen());
        EXPECT_FALSE(RSInherit.has_value());
        EXPECT_FALSE(main->RSInverses.has_value());
        EXPECT_FALSE(main->ToolBar1->button("Close")->isEnabled());
        EXPECT_FALSE(main->ToolBar1->button("Properties")->isEnabled());
        EXPECT_TRUE(main->ToolBar1->button("New")->isEnabled());
        EXPECT_FALSE(main->mnuFileClose->isEnabled());
        EXPECT_FALSE(main->mnuTree->menuAction()->isVisible());
        EXPECT_FALSE(main->txtCptSearch->isEnabled());
    }
};

TEST_F(LifecycleTest, NewCreatesTheOntologyItsPublishFolderAndOpensIt)
{
    newOntology("Zoo", "zoo.ont");

    ASSERT_EQ(files.asked().size(), 1u);
    const ui::FileDialogRequest &save = files.asked().front();
    EXPECT_EQ(save.mode, ui::FileDialogMode::Save);
    EXPECT_EQ(save.filter, "Ontology Files (*.ont)|*.ont|");
    EXPECT_EQ(save.filterIndex, 1);
    EXPECT_EQ(save.initDir, ontologies());
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_EQ(boxes.asked().front().prompt, "Ontology \"Zoo\" has been created!");
    EXPECT_EQ(boxes.asked().front().icon, ui::Icon::Information);

    expectOpen("Zoo");
    EXPECT_EQ(OntologyFolder, ontologies());
    EXPECT_EQ(main->NewOntologyName, "Zoo");
    EXPECT_TRUE(QFileInfo(ontologies("Zoo-publish")).isDir());
    EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM MetaData").toInt(), 1);
    EXPECT_EQ(OntologyDB.scalar("SELECT DefLang FROM MetaData").toString(), "en");
    EXPECT_EQ(OntologyDB.scalar("SELECT Created FROM MetaData").toDate(), QDate::currentDate());
    EXPECT_GT(OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toInt(), 0) << "seeded";
}

TEST_F(LifecycleTest, NewThenCloseThenOpenAgain)
{
    newOntology("Zoo", "zoo.ont");
    main->ToolBar1_ButtonClick("Close");
    expectNoneOpen();
    EXPECT_EQ(main->caption(), "Ontology Editor");

    openOntology(ontologies("zoo.ont"));
    expectOpen("Zoo");
    const ui::FileDialogRequest &open = files.asked().back();
    EXPECT_EQ(open.mode, ui::FileDialogMode::Open);
    EXPECT_EQ(open.filter, "Ontology Files (*.ont)|*.ont|All files (*.*)|*.*|");
    EXPECT_EQ(open.initDir, ontologies());
    EXPECT_TRUE(main->dlgCommonDialog.fileName.isEmpty());
    EXPECT_EQ(OntologyInfo.Modified, QDate::currentDate());
}

TEST_F(LifecycleTest, NewOverAnExistingFileLeavesItAsItWasAndNothingOpen)
{
    newOntology("Zoo", "zoo.ont");  // open while New runs: it is closed first
    const QString zoo = ontologies("zoo.ont");
    setMetaData(zoo, "Modified", QDate(2001, 1, 1));
    struct Case {
        const char *what;
        QString path;
    } cases[] = {
        {"a plain file", dir.write("Ontologies/precious.ont", "precious bytes")},
        {"an ontology", zoo},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.path != zoo)
            openOntology(zoo);
        const QByteArray before = fileBytes(c.path);
        files.answer(c.path);
        boxes.expect("Ontology exists already!");
        main->mnuFileNew_Click();
        EXPECT_EQ(boxes.asked().back().prompt, "Ontology exists already!");
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::None);
        expectNoneOpen();
        if (c.path != zoo) {
            EXPECT_EQ(fileBytes(c.path), before);
        }
    }
    EXPECT_EQ(metaData(zoo, "Modified").toDate(), QDate::currentDate()) << "the open one was closed as usual";
    EXPECT_FALSE(modals.pending());
}

TEST_F(LifecycleTest, NewCancelledInTheFileDialogOrThePropertiesLeavesNoFile)
{
    files.cancel();
    main->mnuFileNew_Click();
    expectNoneOpen();
    EXPECT_TRUE(boxes.asked().empty());

    // The properties closed by their frame: the new file goes again.
    files.answer(ontologies("gone.ont"));
    modals.expect<frmProperties>([](frmProperties &d) { d.closeByFrame(); });
    main->mnuFileNew_Click();
    expectNoneOpen();
    EXPECT_FALSE(QFile::exists(ontologies("gone.ont")));
    EXPECT_TRUE(boxes.asked().empty());

    // A refused name keeps the dialog up until a good one comes.
    files.answer(ontologies("named.ont"));
    modals.expect<frmProperties>([this](frmProperties &d) {
        boxes.expect("A maximum of 25 characters\r\nis allowed for the name");
        d.txtName->setText(QString(26, 'n'));
        d.cmdOK->click();
        EXPECT_TRUE(d.isShown());
        boxes.expect("You MUST specify a name.");
        d.txtName->clear();
        d.cmdOK->click();
        EXPECT_TRUE(d.isShown());
        d.txtName->setText(QString(25, 'n'));
        boxes.expect("has been created!");
        d.cmdOK->click();
    });
    main->mnuFileNew_Click();
    expectOpen(QString(25, 'n'));
    EXPECT_EQ(boxes.asked()[0].icon, ui::Icon::Exclamation);
}

TEST_F(LifecycleTest, OpenRefusesWhatIsNoOntologyAndLeavesTheFileAsItWas)
{
    newOntology("Zoo", "zoo.ont");
    main->mnuFileClose_Click();
    const QString zoo = ontologies("zoo.ont");
    QDir(dir.path()).mkdir("foreign");
    const QString foreign = dir.file("foreign");
    {
        db::Database terms = db::Database::create(dir.file("foreign/terms.lxb"));
        terms.execute("CREATE TABLE CONCEPTS (Concept TEXT PRIMARY KEY)");
        terms.execute("CREATE TABLE MetaData (MetaID INTEGER PRIMARY KEY, Name TEXT, Ontology TEXT)");
        terms.execute("INSERT INTO MetaData (Name, Ontology) VALUES ('Terms', ?)", {zoo});
    }
    QFile::copy(zoo, dir.file("foreign/norow.ont"));
    db::Database::open(dir.file("foreign/norow.ont")).execute("DELETE FROM MetaData");

    struct Case {
        const char *what;
        QString path;
    } cases[] = {
        {"a text file", dir.write("foreign/notes.ont", QByteArray("no database\n").repeated(50))},
        {"a file of 0 bytes", dir.write("foreign/empty.ont", {})},
        {"a termbase-like file", dir.file("foreign/terms.lxb")},
        {"an ontology without properties", dir.file("foreign/norow.ont")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openOntology(zoo);  // another ontology is open before
        ASSERT_EQ(OntologyInfo.Name, "Zoo");

        const QByteArray before = fileBytes(c.path);
        boxes.expect("Not a Lexvarin ontology - ");
        openOntology(c.path);
        const ui::MessageBoxRequest &box = boxes.asked().back();
        EXPECT_EQ(box.prompt, "Not a Lexvarin ontology - " + c.path);
        EXPECT_EQ(box.icon, ui::Icon::Critical);
        EXPECT_EQ(box.title, "Error");

        expectNoneOpen();
        EXPECT_EQ(main->caption(), "Ontology Editor");
        EXPECT_TRUE(OntologyInfo.Name.isEmpty()) << "nothing of the ontology open before remains";
        EXPECT_EQ(fileBytes(c.path), before) << "a refused file is never written";
        EXPECT_TRUE(publishFolders(foreign).isEmpty());
    }
}

TEST_F(LifecycleTest, OpenOfAMissingFileSaysWhyAndCancelClosesWhatWasOpen)
{
    boxes.expect("Open Error");
    openOntology(dir.file("nowhere.ont"));
    EXPECT_TRUE(boxes.asked().back().prompt.contains("nowhere.ont")) << "the error's own description follows";
    EXPECT_EQ(boxes.asked().back().title, "Error");
    expectNoneOpen();
    EXPECT_FALSE(QFile::exists(dir.file("nowhere.ont")));

    newOntology("Zoo", "zoo.ont");
    setMetaData(ontologies("zoo.ont"), "Modified", QDate(2001, 1, 1));
    main->dlgCommonDialog.fileName = "typed.ont";
    files.cancel();
    main->mnuFileOPen_Click();
    expectNoneOpen();
    EXPECT_TRUE(main->dlgCommonDialog.fileName.isEmpty());
    EXPECT_EQ(metaData(ontologies("zoo.ont"), "Modified").toDate(), QDate::currentDate())
        << "the ontology was closed, its properties written back";
}

TEST_F(LifecycleTest, PropertiesReachTheFileOnlyAtCloseWithTheDateOfClosing)
{
    newOntology("Zoo", "zoo.ont");
    main->mnuFileClose_Click();
    const QString zoo = ontologies("zoo.ont");
    setMetaData(zoo, "Created", QDate(2001, 2, 3));
    setMetaData(zoo, "Modified", QDate(2002, 3, 4));
    openOntology(zoo);

    modals.expect<frmProperties>([this](frmProperties &d) {
        EXPECT_EQ(d.caption(), "Ontology Properties");
        EXPECT_EQ(d.txtName->text(), "Zoo");
        EXPECT_EQ(d.txtCreated->text(), "2001-02-03");
        EXPECT_EQ(d.txtModified->text(), DateText(QDate::currentDate())) << "being modified today";
        d.txtName->setText("Menagerie");
        d.txtOwner->setText("City");
        d.txtAuthor->setText("Ann");
        d.txtDescription->setText("Animals");
        d.txtContact->setText("ann@example.org");
        d.txtModified->setText("2020-01-01");
        boxes.expect("Created must be a date");
        d.txtCreated->setText("3 Feb 2001");
        d.cmdOK->click();
        d.txtCreated->setText("1999-12-31");
        d.cmdOK->click();
    });
    main->ToolBar1_ButtonClick("Properties");
    EXPECT_EQ(main->caption(), "Ontology Editor - Menagerie");
    EXPECT_EQ(metaData(zoo, "Name").toString(), "Zoo") << "nothing is written before the close";

    // Closed by its frame, the dialog changes nothing.
    modals.expect<frmProperties>([](frmProperties &d) {
        d.txtName->setText("Ignored");
        d.closeByFrame();
    });
    main->mnuFileProperties_Click();
    EXPECT_EQ(OntologyInfo.Name, "Menagerie");

    main->mnuFileClose_Click();
    EXPECT_EQ(metaData(zoo, "Name").toString(), "Menagerie");
    EXPECT_EQ(metaData(zoo, "Owner").toString(), "City");
    EXPECT_EQ(metaData(zoo, "Author").toString(), "Ann");
    EXPECT_EQ(metaData(zoo, "Description").toString(), "Animals");
    EXPECT_EQ(metaData(zoo, "Contact").toString(), "ann@example.org");
    EXPECT_EQ(metaData(zoo, "Created").toDate(), QDate(1999, 12, 31));
    EXPECT_EQ(metaData(zoo, "Modified").toDate(), QDate::currentDate()) << "whatever was typed";

    openOntology(zoo);
    EXPECT_TRUE(QFileInfo(ontologies("Menagerie-publish")).isDir()) << "the new name gets its folder at open";
}

TEST_F(LifecycleTest, CloseUnloadsEveryOtherWindowWhateverItsCaption)
{
    newOntology("Ontology Editor 2", "oe2.ont");
    const auto tree = std::make_shared<OtherWindow>("Ontology Editor 2 - Full tree");
    const auto termbases = std::make_shared<OtherWindow>("TermBase Editor");
    tree->show();
    termbases->show();

    main->ToolBar1_ButtonClick("Close");
    for (const auto &w : {tree, termbases}) {
        SCOPED_TRACE(w->caption().toStdString());
        EXPECT_TRUE(w->unloaded);
        EXPECT_TRUE(w->ontologyWasOpen) << "other windows go before the file closes";
    }
    ASSERT_EQ(ui::forms().count(), 1);
    EXPECT_EQ(ui::forms().at(0), main);
    expectNoneOpen();
}

TEST_F(LifecycleTest, ClosingTheWindowAndExitCloseTheOntology)
{
    struct Case {
        const char *what;
        void (*close)(frmOntoEdit &);
    } cases[] = {
        {"Exit", [](frmOntoEdit &m) { m.mnuFileExit->trigger(); }},
        {"close box", [](frmOntoEdit &m) { m.closeByFrame(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        newOntology("Zoo", QStringLiteral("%1.ont").arg(c.what));
        const QString path = OntologyPath;
        setMetaData(path, "Modified", QDate(2001, 1, 1));
        const auto navigator = std::make_shared<OtherWindow>("Navigator");
        navigator->show();

        c.close(*main);
        EXPECT_TRUE(navigator->unloaded);
        EXPECT_TRUE(OntologyPath.isEmpty());
        EXPECT_FALSE(OntologyDB.isOpen());
        EXPECT_EQ(metaData(path, "Modified").toDate(), QDate::currentDate());
    }
}

TEST_F(LifecycleTest, ADroppedFileOpensAsOpenWouldAndOtherDataDoesNothing)
{
    newOntology("Zoo", "zoo.ont");
    main->mnuFileClose_Click();
    newOntology("Farm", "farm.ont");

    QMimeData text;
    text.setText(ontologies("zoo.ont"));
    drop(*main, text);
    expectOpen("Farm");
    main->Form_OLEDragDrop(text);
    expectOpen("Farm");

    QMimeData twoFiles;
    twoFiles.setUrls({QUrl::fromLocalFile(ontologies("zoo.ont")), QUrl::fromLocalFile(ontologies("farm.ont"))});
    drop(*main, twoFiles);
    expectOpen("Zoo");
    EXPECT_EQ(OntologyFolder, ontologies());

    const QString notes = dir.write("notes.txt", "words");
    QMimeData textFile;
    textFile.setUrls({QUrl::fromLocalFile(notes)});
    boxes.expect("Not a Lexvarin ontology - " + notes);
    drop(*main, textFile);
    expectNoneOpen();
    EXPECT_EQ(fileBytes(notes), QByteArray("words"));
}

TEST_F(LifecycleTest, ANewThatFailsAfterTheFileWasMadeTakesTheFileAway)
{
    // A file stands where the folder of the published pages would go.
    QDir().mkpath(ontologies());
    dir.write("Ontologies/Zoo-publish", "in the way");
    files.answer(ontologies("zoo.ont"));
    modals.expect<frmProperties>([](frmProperties &d) {
        d.txtName->setText("Zoo");
        d.cmdOK->click();
    });
    boxes.expect("Zoo-publish");
    main->mnuFileNew_Click();
    expectNoneOpen();
    EXPECT_FALSE(QFile::exists(ontologies("zoo.ont"))) << "no ontology is left half made";
    EXPECT_EQ(fileBytes(ontologies("Zoo-publish")), QByteArray("in the way"));
}

// Whatever makes New fail once the file was chosen, nothing is left of it: the next Open,
// New, Close and Exit have no properties to write back and say nothing about them.
TEST_F(LifecycleTest, ANewThatFailsLeavesNoOntologyForTheNextCommands)
{
    struct Case {
        const char *name;
        QString chosen;
        std::function<void()> spoil, mend;
        const char *message;
    } cases[] = {
        {"no res.dat beside the program", ontologies("zoo.ont"), [&] { QFile::remove(dir.resDat()); },
         [&] { QFile::copy(QStringLiteral(LX_RES_DAT), dir.resDat()); }, "res.dat"},
        {"a folder the file cannot be made in", ontologies("gone/zoo.ont"), [] {}, [] {}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.spoil();
        const size_t before = boxes.asked().size();
        files.answer(c.chosen);
        boxes.expect(c.message);
        main->mnuFileNew_Click();
        expectNoneOpen();
        EXPECT_FALSE(QFile::exists(c.chosen));

        files.cancel();
        main->mnuFileOPen_Click();
        files.cancel();
        main->mnuFileNew_Click();
        main->mnuFileClose_Click();
        expectNoneOpen();
        EXPECT_EQ(boxes.asked().size(), before + 1) << boxes.prompts().join(" | ").toStdString();
        c.mend();
    }
}

// A file the user may read but not write is refused at Open with one message that names
// it; nothing is written into it or beside it, and no command later speaks of it.
TEST_F(LifecycleTest, OpenRefusesAFileThatCannotBeWritten)
{
    newOntology("Zoo", "zoo.ont");
    main->mnuFileClose_Click();
    QDir().mkpath(ontologies("locked"));
    QFile::copy(ontologies("zoo.ont"), ontologies("locked/zoo.ont"));
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    const QFileDevice::Permissions writable = readOnly | QFileDevice::WriteOwner;
    struct Case {
        const char *name;
        QString path;
        QString locked;  // what is made read-only
    } cases[] = {
        {"a read-only file", ontologies("zoo.ont"), ontologies("zoo.ont")},
        {"a file in a read-only folder", ontologies("locked/zoo.ont"), ontologies("locked")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile(c.locked).setPermissions(readOnly);
        const QByteArray before = fileBytes(c.path);
        const QStringList besideBefore = QDir(QFileInfo(c.path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const size_t asked = boxes.asked().size();
        boxes.expect("cannot be written");
        openOntology(c.path);
        ASSERT_EQ(boxes.asked().size(), asked + 1);
        EXPECT_TRUE(boxes.asked().back().prompt.contains(c.path)) << "the message names the file";
        expectNoneOpen();
        main->mnuFileClose_Click();
        files.cancel();
        main->mnuFileNew_Click();
        EXPECT_EQ(boxes.asked().size(), asked + 1) << "nothing more is said about the refused file";
        QFile(c.locked).setPermissions(writable);
        EXPECT_EQ(fileBytes(c.path), before);
        EXPECT_EQ(QDir(QFileInfo(c.path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), besideBefore)
            << "no folder of pages, no journal";
    }
}

TEST_F(LifecycleTest, APropertiesWriteThatFailsAtCloseIsReportedAndTheCloseFinishes)
{
    newOntology("Zoo", "zoo.ont");
    db::Database::open(OntologyPath).execute("DROP TABLE MetaData");
    boxes.expect("The properties of the ontology could not be saved.");
    main->mnuFileClose_Click();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
    expectNoneOpen();
    EXPECT_EQ(main->caption(), "Ontology Editor");
}

TEST_F(LifecycleTest, AStoredNameThatCannotNameAFolderMakesNoFolderElsewhere)
{
    newOntology("Zoo", "zoo.ont");
    main->mnuFileClose_Click();
    setMetaData(ontologies("zoo.ont"), "Name", "../Zoo");
    boxes.expect("\"../Zoo\" cannot be part of a folder name");
    openOntology(ontologies("zoo.ont"));
    EXPECT_TRUE(publishFolders(dir.path()).isEmpty()) << "nothing beside the Ontologies folder";
    EXPECT_EQ(OntologyInfo.Name, "../Zoo") << "the ontology itself opens";
}
