#include "publish/ConceptSelectionList.h"
#include "publish/ConceptSelectionPanel.h"
#include "publish/PageView.h"
#include "publish/frmGenHTML.h"
#include "tbeditor/TBEditorFixture.h"
#include "ui/MousePointer.h"
#include "ui/Toolbar.h"
#include "ui/StatusBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class ReportsDialogTest : public TBEditorTest {
protected:
    QString ontologyPublish() const { return OntologyFolder + QStringLiteral("Kinship-publish") + QDir::separator(); }
    int conceptCount() const { return OntologyDB.scalar("SELECT COUNT(*) FROM CONCEPTS").toInt(); }

    // A termbase with entries for DOG and CAT (CAT stored first), opened in the editor.
    void termbaseWithEntries()
    {
        newTermbase(QStringLiteral("Kin"));
        TermbaseDB.execute("INSERT INTO elements VALUES (30, '0.3', 3), (20, '0.3', 3)");
        TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (30, 'CAT'), (20, 'DOG')");
    }
    std::shared_ptr<frmGenHTML> termbaseReports()
    {
        const auto before = ui::forms().ofType<frmGenHTML>().size();
        editor->mnuToolsGenHTML_Click();
        const auto open = ui::forms().ofType<frmGenHTML>();
        EXPECT_EQ(open.size(), before + 1);
        return open.back();
    }
};

}  // namespace

TEST_F(ReportsDialogTest, TheOntologyModesShareOneInstanceAndSetEveryControlForTheirMode)
{
    struct Case {
        const char *caption;
        const char *mode;
        bool include;
        const char *frame;
    } cases[] = {
        {"Generate HTML Reports (Ontology)", "Ontology", true, "Select"},
        {"Export Ontology", "OntologyExport", false, "Export"},
        {"Generate HTML Reports (Ontology)", "Ontology", true, "Select"},
    };
    std::shared_ptr<frmGenHTML> first;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        const auto d = ShowOntologyReports(QString::fromUtf8(c.caption), QString::fromUtf8(c.mode));
        if (!first)
            first = d;
        EXPECT_EQ(d, first);
        EXPECT_TRUE(d->isShown());
        EXPECT_EQ(d->caption(), c.caption);
        EXPECT_EQ(d->txtPath->text(), ontologyPublish());
        EXPECT_EQ(d->fraInclude->isVisibleTo(d->window()), c.include);
        EXPECT_FALSE(d->chkCSReport->isVisibleTo(d->window()));
        EXPECT_EQ(d->Panel->fraSelect->title(), c.frame);
        EXPECT_EQ(d->isExportMode(), !c.include);
        EXPECT_EQ(d->lstConcepts->count(), conceptCount());
        EXPECT_EQ(d->lstConcepts->selCount(), 0);
        EXPECT_EQ(d->StatusBar1->panelText(2), "0 Concepts selected");
        EXPECT_TRUE(d->Panel->optSelect->isChecked());
        EXPECT_TRUE(d->chkAncestors->isChecked());
        EXPECT_TRUE(d->chkDescendants->isChecked());
        EXPECT_FALSE(d->chkInhRels->isChecked());
        EXPECT_FALSE(d->chkInhAttrs->isChecked());
        d->Panel->optAll->click();
        d->Panel->cmdSelect->click();
    }
    EXPECT_EQ(ui::forms().ofType<frmGenHTML>().size(), 1u);
}

TEST_F(ReportsDialogTest, TheMainWindowsCommandOpensTheOntologyMode)
{
    main->mnuGenHTML->trigger();
    const auto d = ui::forms().first<frmGenHTML>();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->caption(), "Generate HTML Reports (Ontology)");
    EXPECT_FALSE(d->isTermbaseMode());
    EXPECT_EQ(d->lstConcepts->items(), ListOntologyConcepts(ConceptOrder::Alpha));
}

TEST_F(ReportsDialogTest, OkWithoutASelectionWritesNothing)
{
    const auto d = ShowOntologyReports("Export Ontology", "OntologyExport");
    boxes.expect("No concepts have been selected!");
    d->cmdOK->click();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);
    EXPECT_EQ(boxes.asked().back().title, "Error");
}

TEST_F(ReportsDialogTest, RefreshListFillsOnceAlphabeticallyWithEachSubsetOnce)
{
    const auto d = ShowOntologyReports("Generate HTML Reports (Ontology)", "Ontology");
    d->Panel->optAsEntered->click();
    EXPECT_EQ(d->Panel->sortMode(), "AsEntered");
    d->Panel->cmdRefresh->click();
    EXPECT_EQ(d->lstConcepts->items(), ListOntologyConcepts(ConceptOrder::Alpha));
    EXPECT_TRUE(d->Panel->optAlpha->isChecked());
    EXPECT_EQ(d->Panel->sortMode(), "Alpha");
    EXPECT_EQ(d->Panel->cbxSubset->count(), ListSubsetNames().size());
}

TEST_F(ReportsDialogTest, BrowseTakesTheChosenFolderAndCancelKeepsTheOld)
{
    const auto d = ShowOntologyReports("Generate HTML Reports (Ontology)", "Ontology");
    const QString chosen = QDir::toNativeSeparators(dir.path());
    files.answer(chosen);
    d->cmdBrowse->click();
    EXPECT_EQ(files.asked().back().mode, ui::FileDialogMode::Folder);
    EXPECT_EQ(files.asked().back().title, "Folder Selection");
    EXPECT_EQ(files.asked().back().initDir, QDir(ontologyPublish()).absolutePath());
    EXPECT_EQ(d->txtPath->text(), chosen);
    files.cancel();
    d->cmdBrowse->click();
    EXPECT_EQ(d->txtPath->text(), chosen);
    d->txtPath->setText(dir.path() + "/not/there/yet");
    files.cancel();
    d->cmdBrowse->click();
    EXPECT_EQ(files.asked().back().initDir, dir.path());  // the nearest folder that exists
}

TEST_F(ReportsDialogTest, CloseEmptiesTheFolderAndTheNextCommandLoadsAFreshDialog)
{
    const auto d = ShowOntologyReports("Generate HTML Reports (Ontology)", "Ontology");
    d->cmdCancel->click();
    EXPECT_FALSE(d->isLoaded());
    EXPECT_EQ(d->txtPath->text(), "");
    FormsCleanup::releaseUnloaded();
    const auto again = ShowOntologyReports("Generate HTML Reports (Ontology)", "Ontology");
    EXPECT_NE(again, d);
    EXPECT_EQ(again->txtPath->text(), ontologyPublish());
}

TEST_F(ReportsDialogTest, TheTermbaseModeListsTheEntriesInANewDialogEachTime)
{
    termbaseWithEntries();
    for (bool csBrowser : {false, true}) {
        SCOPED_TRACE(csBrowser);
        TermbaseInfo.CSBrowser = csBrowser;
        const auto d = termbaseReports();
        EXPECT_TRUE(d->isShown());
        EXPECT_TRUE(d->isTermbaseMode());
        EXPECT_EQ(d->caption(), "Generate HTML Reports (TermBase)");
        EXPECT_EQ(d->txtPath->text(), TermbaseFolder + "Kin-publish" + QDir::separator());
        EXPECT_TRUE(d->chkCSReport->isVisibleTo(d->window()));
        EXPECT_EQ(d->chkCSReport->isChecked(), csBrowser);
        EXPECT_TRUE(d->fraInclude->isVisibleTo(d->window()));
        EXPECT_EQ(d->lstConcepts->items(), QStringList({"CAT", "DOG"}));
        // Both sorts list the termbase's own entries, never the ontology's concepts.
        d->Panel->optAsEntered->click();
        EXPECT_EQ(d->lstConcepts->items(), QStringList({"CAT", "DOG"}));
        d->Panel->optAlpha->click();
        EXPECT_EQ(d->lstConcepts->items(), QStringList({"CAT", "DOG"}));
    }
    EXPECT_EQ(ui::forms().ofType<frmGenHTML>().size(), 2u);
}

TEST_F(ReportsDialogTest, ATermbaseWithoutEntriesOpensNoDialog)
{
    newTermbase(QStringLiteral("Kin"));
    boxes.expect("The list of concepts is empty. No reports can be generated!");
    editor->mnuToolsGenHTML_Click();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
    EXPECT_TRUE(ui::forms().ofType<frmGenHTML>().empty());
}

TEST_F(ReportsDialogTest, AMissingOutputFolderIsOfferedAndNoMeansNothingIsWritten)
{
    const auto d = ShowOntologyReports("Generate HTML Reports (Ontology)", "Ontology");
    const QString missing = dir.file("reports");
    d->txtPath->setText(missing);
    d->lstConcepts->selectAll();
    boxes.expect("does not exist. Create it?", ui::Answer::No);
    d->cmdOK->click();
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(d->lstConcepts->selCount(), conceptCount());
}

namespace {

QStringList pagesIn(const QString &folder)
{
    QStringList pages = QDir(folder).entryList({"*.html"}, QDir::Files, QDir::Name);
    return pages;
}

QString readPage(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class ReportRunTest : public ReportsDialogTest {
protected:
    std::shared_ptr<frmGenHTML> d;
    void SetUp() override
    {
        ReportsDialogTest::SetUp();
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('VEHICLE', 1, 1), ('CAR', 1, 1)");
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('VEHICLE', 'OBJECT'), ('CAR', 'VEHICLE')");
        d = ShowOntologyReports("Generate HTML Reports (Ontology)", "Ontology");
    }
    void TearDown() override
    {
        d.reset();
        ReportsDialogTest::TearDown();
    }
    void select(const QStringList &items)
    {
        for (const QString &item : items)
            d->lstConcepts->setSelected(int(d->lstConcepts->items().indexOf(item)), true);
    }
};

}  // namespace

TEST_F(ReportRunTest, WritesExactlyTheSelectedPagesWithTheIncludeChoices)
{
    struct Case {
        const char *folder;  // under the test folder
        bool trailingSeparator;
        bool ancestors, descendants;
    } cases[] = {
        {"a", true, true, true},
        {"b", false, false, true},
        {"c", false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.folder);
        const QString folder = dir.file(c.folder);
        QDir().mkpath(folder);
        d->txtPath->setText(QDir::toNativeSeparators(folder) + (c.trailingSeparator ? QString(QDir::separator()) : ""));
        d->chkAncestors->setChecked(c.ancestors);
        d->chkDescendants->setChecked(c.descendants);
        select({"VEHICLE", "DOG"});
        d->cmdOK->click();
        EXPECT_EQ(pagesIn(folder), QStringList({"DOG.html", "VEHICLE.html"}));
        const QString page = readPage(folder + "/VEHICLE.html");
        EXPECT_EQ(page.contains("<strong>ANCESTORS</strong>"), c.ancestors);
        EXPECT_EQ(page.contains("<strong>DESCENDANTS</strong>"), c.descendants);
        EXPECT_EQ(d->lstConcepts->selCount(), 0);
        EXPECT_EQ(d->StatusBar1->panelText(2), "Generated 2 out of 2");
        EXPECT_FALSE(d->ProgressBar1->isVisible());
        EXPECT_EQ(d->ProgressBar1->value(), 2);
        EXPECT_TRUE(d->Panel->ready());
    }
}

TEST_F(ReportRunTest, AMissingFolderAnsweredYesIsCreatedAndFilled)
{
    const QString folder = dir.file("new/reports");
    d->txtPath->setText(folder);
    select({"CAR"});
    boxes.expect("does not exist. Create it?", ui::Answer::Yes);
    d->cmdOK->click();
    EXPECT_EQ(pagesIn(folder), QStringList({"CAR.html"}));
}

TEST_F(ReportRunTest, AFolderThatCannotTakeFilesIsRefusedBeforeAnythingIsWritten)
{
    QFile notAFolder(dir.file("plain-file"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    d->txtPath->setText(notAFolder.fileName());
    select({"CAR", "DOG"});
    boxes.expect("Pages cannot be written into the folder");
    d->cmdOK->click();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
    EXPECT_EQ(d->lstConcepts->selCount(), 2);
}

TEST_F(ReportRunTest, AFailedPageIsReportedOnceByNameAndTheDialogIsUsableAgain)
{
    const QString folder = dir.file("out");
    QDir().mkpath(folder + "/DOG.html");  // a folder where DOG's page should go
    d->txtPath->setText(folder);
    select({"CAR", "DOG", "VEHICLE"});
    boxes.expect("The page of DOG could not be written.");
    d->cmdOK->click();
    EXPECT_EQ(pagesIn(folder), QStringList({"CAR.html"}));
    EXPECT_FALSE(d->ProgressBar1->isVisible());
    EXPECT_TRUE(d->Panel->ready());
    EXPECT_EQ(d->lstConcepts->selCount(), 2);  // CAR was done
    EXPECT_EQ(d->StatusBar1->panelText(2), "2 Concepts selected");
    EXPECT_EQ(ui::mousePointer(*d->window()), ui::MousePointer::Default);
    QDir(folder + "/DOG.html").removeRecursively();
    d->cmdOK->click();
    EXPECT_EQ(pagesIn(folder), QStringList({"CAR.html", "DOG.html", "VEHICLE.html"}));
}

TEST_F(ReportsDialogTest, ATermbaseRunReportsAnEntryThatIsGoneAndGoesOn)
{
    termbaseWithEntries();
    TermbaseInfo.CSBrowser = false;
    const auto d = termbaseReports();
    d->chkCSReport->setChecked(true);
    const QString folder = dir.file("entries");
    QDir().mkpath(folder);
    d->txtPath->setText(folder);
    d->lstConcepts->selectAll();
    TermbaseDB.execute("DELETE FROM elements WHERE elemID = 20");  // DOG's entry, since the list was filled
    boxes.expect("Concept DOG is no longer part of the TermBase!");
    d->cmdOK->click();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
    EXPECT_EQ(boxes.asked().back().title, "Error");
    EXPECT_EQ(pagesIn(folder), QStringList({"CAT.html"}));
    EXPECT_TRUE(readPage(folder + "/CAT.html").contains("Conceptual Structures"));
    EXPECT_EQ(d->StatusBar1->panelText(2), "Generated 2 out of 2");
    EXPECT_FALSE(TermbaseInfo.CSBrowser);
    editor->mnuFileClose_Click();
    EXPECT_FALSE(fileValue(termbases("kin.lxb"), "SELECT CSBrowser FROM MetaData").toBool());
}

TEST_F(ReportsDialogTest, RefreshWritesTheSelectedEntrysPageAnewAndOnlyForAnEntry)
{
    termbaseWithEntries();
    editor->SetBrowseMode();
    QAction *refresh = editor->ToolBar1->button("refresh");
    editor->RevealElement(3);  // the entries' container: no page of its own
    EXPECT_FALSE(refresh->isEnabled());
    editor->RevealElement(30);
    EXPECT_TRUE(refresh->isEnabled());
    const QString page = QDir(TermbaseFolder + "Kin-publish").filePath("CAT.html");
    QFile::remove(page);
    struct Case {
        const char *what;
        const char *stale;  // what the file holds before Refresh, "" for no file
    } cases[] = {{"no page yet", ""}, {"an old page", "old page"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (*c.stale) {
            QFile f(page);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.stale);
        }
        refresh->trigger();
        const QString written = readPage(page);
        EXPECT_TRUE(written.contains("<TITLE>CAT</TITLE>")) << written.left(200).toStdString();
        EXPECT_EQ(QFileInfo(editor->Browser->currentPage().path).fileName(), "CAT.html");
    }
    editor->SetEditMode();
    EXPECT_FALSE(refresh->isEnabled());
}
