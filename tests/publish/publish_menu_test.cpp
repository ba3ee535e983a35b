// The navigator's Publish menu through the real windows: the question, the run with its
// wait window, progress and status, the closing message, and what a failure leaves.

#include "TreeWindowsFixture.h"
#include "app/frmWait.h"
#include "ontology/SelectionLists.h"
#include "publish/ConceptSelectionList.h"
#include "publish/OutputFolder.h"
#include "publish/PageFileNames.h"
#include "publish/frmGenHTML.h"
#include "publish/frmOntoNav.h"
#include "support/TestFolder.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/StatusBar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>

namespace {

class PublishMenuTest : public TreeWindowsTest {
protected:
    std::shared_ptr<frmOntoNav> nav;
    QString folder() const { return OntologyPublishFolder(); }
    QStringList pages() const { return QDir(folder()).entryList({"*.html"}, QDir::Files, QDir::Name); }
    QString conceptCount() const { return OntologyDB.scalar("SELECT COUNT(*) FROM CONCEPTS").toString(); }

    void SetUp() override
    {
        TreeWindowsTest::SetUp();
        // A root that is not called ALL.
        OntologyDB.execute("UPDATE CONCEPTS SET Concept = 'TOP' WHERE Concept = 'ALL'");
        RootConcept = QStringLiteral("TOP");
        main->mnuToolsOntoNav_Click();
        nav = ui::forms().first<frmOntoNav>();
        ASSERT_TRUE(nav);
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
    }
    void TearDown() override
    {
        nav.reset();
        TreeWindowsTest::TearDown();
    }
};

}  // namespace

TEST_F(PublishMenuTest, NoToTheQuestionWritesNothing)
{
    boxes.expect("This process will unconditionally generate an HTML file for every concept", ui::Answer::No);
    nav->mnuPublishWhole->trigger();
    const auto &asked = boxes.asked().back();
    EXPECT_EQ(asked.title, "Publish Ontology");
    EXPECT_EQ(asked.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(asked.icon, ui::Icon::Exclamation);
    EXPECT_TRUE(asked.prompt.contains("the ontology in " + QDir::toNativeSeparators(folder() + "/") + ". It may take"))
        << asked.prompt.toStdString();
    EXPECT_TRUE(asked.prompt.endsWith("computing power.\r\nProceed?"));
    EXPECT_TRUE(pages().isEmpty());
}

TEST_F(PublishMenuTest, YesPublishesEveryPageTheIndexAndTheFrameAndSaysWhereTheyAre)
{
    boxes.expect("Proceed?", ui::Answer::Yes);
    boxes.expect("You can now use your web browser to navigate your ontology.");
    nav->mnuPublishWhole->trigger();
    const auto &closing = boxes.asked().back();
    EXPECT_EQ(closing.title, "Publishing");
    EXPECT_EQ(closing.icon, ui::Icon::Information);
    EXPECT_TRUE(closing.prompt.contains("'trees-publish.html'"));
    EXPECT_TRUE(closing.prompt.endsWith("\r\n\r\nIn order to publish your ontology on the web, simply copy all the files "
                                        "in this folder to the appropriate location on your web server."));

    QStringList expected = {"trees-index.html", "trees-publish.html"};
    for (const QString &c : ListOntologyConcepts(ConceptOrder::Alpha))
        expected << PageFileName(c);
    expected.sort();
    QStringList written = pages();
    written.sort();
    EXPECT_EQ(written, expected);
    QFile frame(QDir(folder()).filePath("trees-publish.html"));
    ASSERT_TRUE(frame.open(QIODevice::ReadOnly));
    EXPECT_TRUE(frame.readAll().contains("<frame name=\"principal\" src=\"TOP.html\">"));

    EXPECT_FALSE(nav->ProgressBar1->isVisible());
    EXPECT_EQ(nav->ProgressBar1->value(), nav->ProgressBar1->maximum());
    EXPECT_EQ(nav->StatusBar1->panelText(2), QString::number(nav->ConceptCount));
    const auto wait = ui::forms().first<frmWait>();
    EXPECT_TRUE(!wait || !wait->isShown());
    EXPECT_EQ(ui::mousePointer(*nav->window()), ui::MousePointer::Default);
}

TEST_F(PublishMenuTest, AMissingPublishFolderIsOfferedForCreation)
{
    QDir(folder()).removeRecursively();
    boxes.expect("Proceed?", ui::Answer::Yes);
    boxes.expect("does not exist. Create it?", ui::Answer::Yes);
    boxes.expect("You can now use your web browser");
    nav->mnuPublishWhole->trigger();
    EXPECT_TRUE(pages().contains("TOP.html"));
}

TEST_F(PublishMenuTest, AFailureIsReportedOnceByConceptAndTheWindowIsRestored)
{
    QDir(folder()).mkdir(PageFileName("CART"));  // a folder where CART's page should go
    const size_t before = boxes.asked().size();
    boxes.expect("Proceed?", ui::Answer::Yes);
    boxes.expect("The page of CART could not be written.");
    nav->mnuPublishWhole->trigger();
    EXPECT_EQ(boxes.asked().size(), before + 2);
    EXPECT_FALSE(nav->ProgressBar1->isVisible());
    EXPECT_EQ(nav->StatusBar1->panelText(2), QString::number(nav->ConceptCount));
    const auto wait = ui::forms().first<frmWait>();
    EXPECT_TRUE(!wait || !wait->isShown());
    EXPECT_EQ(ui::mousePointer(*nav->window()), ui::MousePointer::Default);
    EXPECT_FALSE(pages().contains("trees-index.html"));
}

TEST_F(PublishMenuTest, ANameThatLeadsOutOfTheOntologysFolderPublishesNothing)
{
    const QDir beside = QFileInfo(folder()).dir();
    const QStringList before = beside.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    OntologyInfo.Name = QStringLiteral("../Evil");
    boxes.expect("\"../Evil\" cannot be part of a folder name");
    nav->mnuPublishWhole->trigger();
    EXPECT_FALSE(boxes.pending());
    EXPECT_FALSE(QFileInfo::exists(beside.filePath("../Evil-publish")));
    EXPECT_FALSE(QFileInfo::exists(beside.filePath("../evil-index.html")));
    EXPECT_EQ(beside.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    OntologyInfo.Name = QStringLiteral("Trees");
}

TEST_F(PublishMenuTest, SelectConceptsOpensTheSharedReportsDialog)
{
    nav->mnuPublishSelect->trigger();
    main->mnuGenHTML_Click();
    const auto dialogs = ui::forms().ofType<frmGenHTML>();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs.front()->caption(), "Generate HTML Reports (Ontology)");
    EXPECT_EQ(dialogs.front()->txtPath->text(), folder() + QDir::separator());
    EXPECT_EQ(dialogs.front()->lstConcepts->count(), conceptCount().toInt());
}

TEST_F(PublishMenuTest, ALinkPlantedAtAPageIsReplacedNeverWrittenThrough)
{
    QTemporaryDir elsewhere;
    struct Case {
        const char *page;
        const char *written;  // what the page holds afterwards
    } cases[] = {
        {"TOP.html", "<TITLE>TOP</TITLE>"},
        {"trees-index.html", " index </title>"},
        {"trees-publish.html", "<frameset"},
    };
    for (const Case &c : cases) {
        const QString target = elsewhere.filePath(c.page);
        QFile outside(target);
        ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
        outside.write("outside");
        outside.close();
        ASSERT_TRUE(QFile::link(target, QDir(folder()).filePath(c.page)));
    }
    boxes.expect("Proceed?", ui::Answer::Yes);
    boxes.expect("You can now use your web browser");
    nav->mnuPublishWhole->trigger();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(fileBytes(elsewhere.filePath(c.page)), "outside");
        const QString page = QDir(folder()).filePath(c.page);
        EXPECT_FALSE(QFileInfo(page).isSymLink());
        EXPECT_TRUE(fileBytes(page).contains(c.written));
    }
}

TEST_F(PublishMenuTest, PublishingRemovesThePagesAStoppedRunLeftBesideTheirPlacesAndNothingElse)
{
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath("kept.html");
    QFile f(outside);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("outside");
    f.close();
    const QDir dir(folder());
    struct Case {
        const char *name;
        enum { File, Link, Folder } kind;
        bool removed;
    } cases[] = {
        {".~CAR.html.3fa9c0d2e1b4a5f6", Case::File, true},
        {".~trees-index.html.9", Case::File, true},
        {".~VAN.html.ab12", Case::Link, false},      // a link: neither it nor what it names
        {".~RUN.html.cd", Case::Folder, false},
        {".~notes.txt", Case::File, false},          // not a name the program gives
        {"CAR.html.3fa9", Case::File, false},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(c.name);
        if (c.kind == Case::Link) {
            ASSERT_TRUE(QFile::link(outside, path));
        } else if (c.kind == Case::Folder) {
            ASSERT_TRUE(dir.mkdir(c.name));
        } else {
            QFile leftover(path);
            ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        }
    }
    boxes.expect("Proceed?", ui::Answer::Yes);
    boxes.expect("You can now use your web browser");
    nav->mnuPublishWhole->trigger();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QFileInfo::exists(dir.filePath(c.name)) || QFileInfo(dir.filePath(c.name)).isSymLink(), !c.removed);
    }
    EXPECT_EQ(fileBytes(outside), "outside");
    EXPECT_TRUE(dir.entryList({".~*"}, QDir::Files | QDir::Hidden).size() == 2) << "none of the run's own is left";
}
