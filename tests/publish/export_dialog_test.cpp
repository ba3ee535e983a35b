#include "exchange/OxpExport.h"
#include "publish/ConceptSelectionList.h"
#include "publish/frmGenHTML.h"
#include "support/MainWindowFixture.h"
#include "ui/Forms.h"
#include "ui/StatusBar.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class ExportDialogTest : public MainWindowTest {
protected:
    ScriptedInputBoxes inputs;
    std::shared_ptr<frmGenHTML> d;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        newOntology(QStringLiteral("Pets"), QStringLiteral("pets.ont"));
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES "
                           "('DOG', 'Barks.', 1, 1), ('CAT', NULL, 1, 1)");
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('DOG', 'OBJECT'), ('CAT', 'OBJECT')");
        main->mnuFileExport->trigger();
        d = ui::forms().first<frmGenHTML>();
        ASSERT_TRUE(d);
    }
    void TearDown() override
    {
        d.reset();
        MainWindowTest::TearDown();
    }
    void select(const QStringList &ids)
    {
        for (int row = 0; row < d->lstConcepts->count(); ++row)
            if (ids.contains(d->lstConcepts->text(row)))
                d->lstConcepts->setSelected(row, true);
    }
    QString exported(const QString &name) const { return QDir(d->txtPath->text()).filePath(name); }
    static QByteArray blocks(const QStringList &ids)
    {
        QByteArray out;
        for (const QString &id : ids)
            out += ConceptToOxp(id).toUtf8() + "\r\n";
        return out;
    }
};

}  // namespace

TEST_F(ExportDialogTest, TheSelectedConceptsGoToTheNamedFileInTheOutputFolder)
{
    EXPECT_EQ(d->caption(), "Export Ontology");
    EXPECT_TRUE(d->isExportMode());
    select({"DOG", "CAT"});
    inputs.answer("Enter output file name: ", "pets.oxp");
    d->cmdOK->click();
    ASSERT_EQ(inputs.asked().size(), 1u);
    EXPECT_EQ(inputs.asked()[0].title, "File Name");
    EXPECT_EQ(inputs.asked()[0].defaultText, "export.oxp");
    EXPECT_EQ(fileBytes(exported("pets.oxp")), blocks({"CAT", "DOG"})) << "in the order of the list";
    EXPECT_EQ(d->StatusBar1->panelText(2), "Exported 2 out of 2");
    EXPECT_EQ(d->lstConcepts->selCount(), 0) << "each exported concept is deselected";
    EXPECT_FALSE(d->ProgressBar1->isVisible());

    // An existing file: No leaves it, Yes replaces it whole.
    select({"DOG"});
    inputs.answer("Enter output file name: ", "pets.oxp").answer("Enter output file name: ", "pets.oxp");
    boxes.expect("File exists. Overwrite?", ui::Answer::No).expect("File exists. Overwrite?", ui::Answer::Yes);
    d->cmdOK->click();
    EXPECT_EQ(fileBytes(exported("pets.oxp")), blocks({"CAT", "DOG"}));
    EXPECT_EQ(d->lstConcepts->selCount(), 1);
    d->cmdOK->click();
    EXPECT_EQ(fileBytes(exported("pets.oxp")), blocks({"DOG"}));
    EXPECT_EQ(boxes.asked().back().title, "Confirm overwrite");
    EXPECT_EQ(boxes.asked().back().buttons, ui::Buttons::YesNo);

    // Cancel, or an empty name, writes nothing.
    select({"CAT"});
    inputs.cancel("Enter output file name: ").answer("Enter output file name: ", "");
    d->cmdOK->click();
    d->cmdOK->click();
    EXPECT_EQ(d->lstConcepts->selCount(), 1);
    EXPECT_EQ(QDir(d->txtPath->text()).entryList({"*.oxp"}, QDir::Files), QStringList{"pets.oxp"});
}

TEST_F(ExportDialogTest, AConceptDeletedSinceTheListWasFilledIsSkippedWithOneMessage)
{
    select({"DOG", "CAT"});
    OntologyDB.execute("DELETE FROM ISA WHERE Concept = 'CAT'");
    OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'CAT'");
    inputs.answer("Enter output file name: ", "left.oxp");
    boxes.expect("1 concepts are no longer in the ontology and were not exported: CAT");
    d->cmdOK->click();
    EXPECT_EQ(fileBytes(exported("left.oxp")), blocks({"DOG"}));
    EXPECT_EQ(d->StatusBar1->panelText(2), "Exported 1 out of 2");
}

TEST_F(ExportDialogTest, AFolderThatCannotTakeTheFileGivesAMessageAndNoFile)
{
    d->txtPath->setText(QDir(dir.path()).filePath("no-such-folder"));
    select({"DOG"});
    inputs.answer("Enter output file name: ", "x.oxp");
    boxes.expect("Cannot write the file");
    d->cmdOK->click();
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("no-such-folder/x.oxp")));
    EXPECT_FALSE(d->ProgressBar1->isVisible());
    EXPECT_EQ(d->lstConcepts->selCount(), 1) << "nothing was exported";
}
