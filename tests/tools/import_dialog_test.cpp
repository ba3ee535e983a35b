#include "tbeditor/TBEditorFixture.h"
#include "ontology/Lookups.h"
#include "termbase/LinkedFiles.h"
#include "exchange/OxpLog.h"
#include "tools/frmImport.h"
#include "ui/DataList.h"
#include "ui/StatusBar.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QScopeGuard>
#include <QTest>

namespace {

const QString instructions =
    "To Import an ontology file:\n" + QString(40, '-') +
    "\n1. Choose your options from the 'Import' and 'Overwrite' frames."
    "\n2. Click the 'Input File' button to choose file to import data from."
    "\n3. Click the 'Check File' button to check the file's contents and get a preview of changes."
    "\n4. Click 'Import!' to start importing data. A log will be generated.";

class ImportDialogTest : public TBEditorTest {
protected:
    QString exportFile(const QString &name, const QByteArray &bytes) const { return dir.write(name, bytes); }

    bool mainLists(const QString &identifier) const
    {
        return main->dblConcepts->findFirst([&](const QString &text) { return text == identifier; });
    }

    // Shows the dialog through the main window's Import command, the user doing script.
    void runImport(std::function<void(frmImport &)> script)
    {
        modals.expect<frmImport>(std::move(script));
        main->mnuFileImport_Click();
    }
};

}  // namespace

TEST_F(ImportDialogTest, CheckThenImportReachesTheListTheCountsAndTheLinkedTermbases)
{
    newTermbase("Kin");  // linked, and open in the editor
    const qint64 before = CountAllConcepts();
    const QString path = exportFile("pets.oxp", "(PUPPY IS-A VALUE DOG 1)\r\n"
                                                "(PUPPY DEFINITION VALUE \"A young dog.\")\r\n"
                                                "(KITTEN IS-A VALUE CAT 1)\r\n"
                                                "(DOG IS-A VALUE OBJECT 1)\r\n");
    files.answer(path);
    runImport([&](frmImport &d) {
        EXPECT_EQ(d.caption(), "Import Ontology");
        EXPECT_EQ(d.txtLog->toPlainText(), instructions);
        EXPECT_FALSE(d.cmdCheckFile->isEnabled());
        EXPECT_FALSE(d.cmdImport->isEnabled());
        for (QCheckBox *c : {d.chkConcepts, d.chkDefs, d.Check1, d.Check2})
            EXPECT_TRUE(c->isChecked());
        EXPECT_FALSE(d.Check2->isEnabled()) << "the file brings no attributes to import";
        EXPECT_TRUE(d.optOWYes->isChecked());

        d.cmdOpenFile->click();
        EXPECT_EQ(d.txtImportFile->text(), path);
        EXPECT_TRUE(d.cmdCheckFile->isEnabled());
        EXPECT_FALSE(d.cmdImport->isEnabled());

        d.cmdCheckFile->click();
        const QString checked = d.txtLog->toPlainText();
        EXPECT_TRUE(checked.startsWith("Shallow parsing started on "));
        EXPECT_TRUE(checked.contains("\n- 3 CONCEPT slots.\n- 0 SUBCLASSES slots.\n- 1 DEFINITION slots.\n"));
        EXPECT_TRUE(checked.contains("A total of 4 lines were parsed."));
        EXPECT_TRUE(d.cmdImport->isEnabled());
        EXPECT_FALSE(d.ProgressBar1->isVisible());
        EXPECT_EQ(d.StatusBar1->panelText(2), "");
        EXPECT_FALSE(mainLists("PUPPY")) << "Check File writes nothing";

        d.cmdImport->click();
        const QString log = d.txtLog->toPlainText();
        EXPECT_TRUE(log.startsWith(checked));
        EXPECT_TRUE(log.contains("\nImport process started on ")) << log.toStdString();
        EXPECT_TRUE(log.endsWith("\nIMPORT LOG:\n" + QString(26, '-') +
                                 "\n- 2 CONCEPT slots added.\n- 1 DEFINITION slots added.\n"))
            << log.toStdString();
        d.cmdClose->click();
    });
    EXPECT_TRUE(mainLists("PUPPY")) << "the main window rebuilt its list when the dialog closed";
    EXPECT_TRUE(mainLists("KITTEN"));
    // PUPPY and KITTEN were added; their parents DOG and CAT were there already.
    EXPECT_EQ(main->StatusBar1->panelText(4), QString::number(before + 2) + " total");
    EXPECT_EQ(main->StatusBar1->panelText(3), QString::number(before + 2) + " listed");
    EXPECT_TRUE(conceptsOf(TermbasePath).contains("PUPPY"));
    EXPECT_TRUE(conceptsOf(TermbasePath).contains("KITTEN"));
    EXPECT_TRUE(editor->lblOntoComm.caption().startsWith("1")) << "the open termbase editor was told";
    EXPECT_TRUE(editor->dbcConcepts->findFirst([](const QString &t) { return t == "KITTEN"; }));
    EXPECT_EQ(files.asked().back().filter, "Ontology Export Files (*.oxp)|*.oxp|All files (*.*)|*.*|");
    EXPECT_EQ(QDir::toNativeSeparators(files.asked().back().initDir), ontologies());
}

TEST_F(ImportDialogTest, AnotherFileOrAChangedFileIsNotImportedUnchecked)
{
    const QString first = exportFile("a.oxp", "(AA IS-A VALUE OBJECT 1)\r\n");
    const QString second = exportFile("b.oxp", "(BB IS-A VALUE OBJECT 1)\r\n");
    files.answer(first).answer(second);
    boxes.expect("has changed since it was checked").expect("Cannot read the file");
    runImport([&](frmImport &d) {
        d.cmdOpenFile->click();
        d.cmdCheckFile->click();
        EXPECT_TRUE(d.cmdImport->isEnabled());
        d.cmdOpenFile->click();
        EXPECT_FALSE(d.cmdImport->isEnabled()) << "the new file must be checked first";
        d.cmdCheckFile->click();
        dir.write("b.oxp", "(CC IS-A VALUE OBJECT 1)\r\n");
        d.cmdImport->click();
        EXPECT_TRUE(d.txtLog->toPlainText().contains("has changed since it was checked"));
        EXPECT_FALSE(d.ProgressBar1->isVisible());
        QFile::remove(second);
        d.cmdCheckFile->click();
        EXPECT_FALSE(d.cmdImport->isEnabled()) << "a check that failed leaves nothing to import";
        d.cmdClose->click();
    });
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
    EXPECT_EQ(boxes.asked().back().title, "Error");
    for (const char *id : {"AA", "BB", "CC"})
        EXPECT_FALSE(mainLists(id)) << id;
}

TEST_F(ImportDialogTest, AskMeAsksPerConceptAndCancelImportsNothing)
{
    OntologyDB.execute("UPDATE CONCEPTS SET Definition = 'A dog.' WHERE Concept = 'DOG'");
    const QString path = exportFile("d.oxp", "(PUP IS-A VALUE DOG 1)\r\n(DOG DEFINITION VALUE \"Woof.\")\r\n");
    files.answer(path);
    boxes.expect("Concept DOG has a definition. Replace it with the one in the file?", ui::Answer::Cancel)
        .expect("Concept DOG has a definition", ui::Answer::No);
    runImport([&](frmImport &d) {
        d.optOWAsk->setChecked(true);
        d.cmdOpenFile->click();
        d.cmdCheckFile->click();
        d.cmdImport->click();
        EXPECT_TRUE(d.txtLog->toPlainText().endsWith("- Import cancelled: nothing was imported.\n"));
        EXPECT_FALSE(mainLists("PUP"));
        d.cmdImport->click();
        EXPECT_TRUE(d.txtLog->toPlainText().endsWith("- 1 CONCEPT slots added.\n- 0 DEFINITION slots added.\n"));
        d.cmdClose->click();
    });
    EXPECT_EQ(boxes.asked().at(1).buttons, ui::Buttons::YesNoCancel);
    EXPECT_EQ(boxes.asked().at(1).title, "Confirm overwrite");
    EXPECT_EQ(OntologyDB.scalar("SELECT Definition FROM CONCEPTS WHERE Concept = 'DOG'").toString(), "A dog.");
    EXPECT_TRUE(mainLists("PUP"));
}

TEST_F(ImportDialogTest, SaveLogAsksBeforeReplacingAndClearLogEmptiesIt)
{
    const QString logFile = dir.write("import.txt", "old");
    files.answer(logFile).answer(logFile).cancel();
    boxes.expect("File exists. Overwrite?", ui::Answer::No).expect("File exists. Overwrite?", ui::Answer::Yes);
    runImport([&](frmImport &d) {
        d.cmdSaveLog->click();
        EXPECT_EQ(fileBytes(logFile), "old");
        d.cmdSaveLog->click();
        d.cmdSaveLog->click();  // cancelled: nothing happens
        EXPECT_TRUE(d.dlgCommonDialog.fileName.isEmpty());
        d.cmdClear->click();
        EXPECT_EQ(d.txtLog->toPlainText(), "");
        d.cmdClose->click();
    });
    QString saved = instructions;
    EXPECT_EQ(fileBytes(logFile), saved.replace("\n", "\r\n").toUtf8() + "\r\n");
    EXPECT_EQ(boxes.asked().at(1).title, "Confirm overwrite");
    EXPECT_EQ(files.asked().at(1).filter, "Text Files (*.txt)|*.txt|All files (*.*)|*.*|");
    EXPECT_EQ(files.asked().at(1).mode, ui::FileDialogMode::Save);
}

TEST_F(ImportDialogTest, AFileOfRefusedLinesShowsTheFirstAndSavesThemAll)
{
    constexpr int refused = 1200;
    QByteArray bytes;
    for (int n = 1; n <= refused; ++n)
        bytes += "(C" + QByteArray::number(n) + " IS-A VALUE OBJECT 7)\r\n";
    const QString path = exportFile("refused.oxp", bytes);
    const QString logFile = dir.file("refused.txt");
    files.answer(path).answer(logFile);
    runImport([&](frmImport &d) {
        d.window()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(d.window()));
        EXPECT_EQ(d.txtLog->horizontalScrollBar()->maximum(), 0) << "the instructions wrap, none is cut off";
        QTest::mouseClick(d.cmdOpenFile, Qt::LeftButton);
        QTest::mouseClick(d.cmdCheckFile, Qt::LeftButton);
        EXPECT_FALSE(d.cmdImport->isEnabled()) << "every line was refused: nothing to import";
        const QString shown = d.txtLog->toPlainText();
        EXPECT_TRUE(shown.contains("\n- Error on line #: 1 -> the Type 7 is not one of 1, 2, 3, 4, 5, 13 and 14\n"));
        EXPECT_FALSE(shown.contains("line #: 1001 ")) << "the log box holds the first lines only";
        EXPECT_TRUE(shown.contains("\n- ... and 200 more lines, not shown here. Save Log writes the whole log.\n"));
        EXPECT_TRUE(shown.contains("\nNothing to import from file: \n" + path + "\n"));
        QTest::mouseClick(d.cmdSaveLog, Qt::LeftButton);
        d.cmdClose->click();
    });
    const QString saved = QString::fromUtf8(fileBytes(logFile));
    EXPECT_TRUE(saved.startsWith("Shallow parsing started on "));
    EXPECT_EQ(saved.count("- Error on line #: "), refused);
    EXPECT_TRUE(saved.contains("\r\n- Error on line #: 1200 -> the Type 7"));
    EXPECT_TRUE(saved.contains("\r\nNothing to import from file: \r\n"));
}

TEST_F(ImportDialogTest, CheckFileAndTheImportListTheSameLinesInTheFileOrder)
{
    // The log's lines about the file's lines, in the order they stand in the log.
    const auto listed = [](const QString &log) {
        QStringList out;
        for (const QString &line : log.split('\n'))
            if (line.startsWith("- Error on line #: ") || line.startsWith("- Warning on line #: "))
                out << line;
        return out.join('\n').toStdString();
    };
    struct Case {
        const char *what;
        QByteArray bytes;
        QStringList listed;
    } cases[] = {
        {"refusals of every phase, and lines with no slot phrase",
         "(NOWHERE DEFINITION VALUE \"x\")\r\n"
         "(A B)\r\n"
         "(NEWDOG IS-A VALUE DOG 7)\r\n"
         "(PUP IS-A VALUE DOG 1)\r\n"
         "(PUP COLOR VALUE brown\r\n"
         "(NOWHERE DOMAIN SEM DOG)\r\n",
         {"- Error on line #: 1 -> the concept NOWHERE is not in the ontology",
          "- Error on line #: 2 -> the line is shorter than 7 characters",
          "- Error on line #: 3 -> the Type 7 is not one of 1, 2, 3, 4, 5, 13 and 14",
          "- Error on line #: 5 -> the line does not end with \")\"",
          "- Error on line #: 6 -> the concept NOWHERE or the domain DOG is not in the ontology"}},
        {"concepts added outside every tree: a parent named only as one, and the two ends of a refused cycle",
         "(KID IS-A VALUE LONELY 1)\r\n"
         "(CY1 IS-A VALUE CY2 1)\r\n"
         "(CY2 IS-A VALUE CY1 1)\r\n"
         "(LEAF IS-A VALUE DOG 1)\r\n",
         {"- Warning on line #: 1 -> LONELY is added without a parent: no tree shows it",
          "- Warning on line #: 2 -> CY2 is added without a parent: no tree shows it",
          "- Error on line #: 3 -> linking CY2 to CY1 would make a cycle of IS-A links"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        files.answer(exportFile("listed.oxp", c.bytes));
        runImport([&](frmImport &d) {
            d.window()->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(d.window()));
            QTest::mouseClick(d.cmdOpenFile, Qt::LeftButton);
            QTest::mouseClick(d.cmdCheckFile, Qt::LeftButton);
            const QString checked = d.txtLog->toPlainText();
            EXPECT_EQ(listed(checked), c.listed.join('\n').toStdString());
            ASSERT_TRUE(d.cmdImport->isEnabled());
            QTest::mouseClick(d.cmdImport, Qt::LeftButton);
            const QString imported = d.txtLog->toPlainText().mid(checked.size());
            EXPECT_EQ(listed(imported), c.listed.join('\n').toStdString());
            d.cmdClose->click();
        });
    }
    EXPECT_TRUE(OntologyDB.scalar("SELECT count(*) FROM ISA WHERE Concept IN ('LONELY', 'CY2')").toInt() == 0)
        << "the warnings name what the ontology now holds";
    EXPECT_EQ(OntologyDB.scalar("SELECT ISA FROM ISA WHERE Concept = 'CY1'").toString(), "CY2");
}

TEST_F(ImportDialogTest, AnImportRemovesTheLogsOfRunsNoLongerRunningAndNoneOfARunStillGoing)
{
    // The temporary folder of this test alone: other programs' files are not its business.
    const QByteArray oldTemp = qgetenv("TMPDIR");
    const QString temp = dir.file("temp");
    QDir().mkpath(temp);
    qputenv("TMPDIR", QFile::encodeName(temp));
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", oldTemp); });
    const QDateTime anHourAgo = QDateTime::currentDateTime().addSecs(-3600);
    const auto age = [&](const QString &path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(anHourAgo, QFileDevice::FileModificationTime));
    };
    // What a killed run left, and the log of a run that is still going.
    const QString killed = dir.write("temp/lexvarin-import-Ab12Cd.log", "a killed run's log");
    age(killed);
    const QString young = dir.write("temp/lexvarin-import-Ef34Gh.log", "a log made this moment");
    auto going = std::make_unique<OxpLog>();
    going->text("a run still going");
    age(going->fileName());
    const QString elsewhere = dir.write("outside.log", "not a log of ours");
    const QString link = temp + "/lexvarin-import-Ij56Kl.log";
    ASSERT_TRUE(QFile::link(elsewhere, link));
    age(elsewhere);

    runImport([&](frmImport &d) { d.cmdClose->click(); });
    EXPECT_FALSE(QFile::exists(killed));
    EXPECT_TRUE(QFile::exists(young)) << "it may not be locked yet";
    EXPECT_TRUE(QFile::exists(going->fileName()));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileBytes(elsewhere), "not a log of ours");
}
