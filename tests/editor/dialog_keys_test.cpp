// Leaving a dialog by Escape, pressed where the focus is, or by the frame's close box does
// what its Cancel (or Close) button does. Tab in a multi-line box or a list moves the focus
// to the next control, as in every other box.

#include "app/frmAbout.h"
#include "app/frmProperties.h"
#include "editor/frmEditRel.h"
#include "editor/frmNames.h"
#include "editor/frmNewConcept.h"
#include "editor/frmNote.h"
#include "editor/frmNoteList.h"
#include "ontology/Lookups.h"
#include "publish/frmGenHTML.h"
#include "tbeditor/TBEditorFixture.h"
#include "tbeditor/frmFind.h"
#include "tbeditor/frmPerson.h"
#include "tbeditor/frmTBOptions.h"
#include "tools/frmBatchNaming.h"
#include "tools/frmImport.h"
#include "tools/frmOntoOptions.h"
#include "tools/frmTransfer.h"
#include "support/UserKeys.h"
#include "ui/DataList.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

enum class Way { Escape, CloseBox };

// Activates the dialog and leaves it as the user does.
void leave(ui::Form &dialog, Way way)
{
    QApplication::setActiveWindow(dialog.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.window()));
    if (way == Way::CloseBox) {
        dialog.window()->close();
        return;
    }
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    ASSERT_EQ(focus->window(), dialog.window());
    QTest::keyClick(focus, Qt::Key_Escape);
}

// Puts the focus into the box, then presses Tab and Shift+Tab where the focus is.
void tabOutAndBack(QWidget *box)
{
    QApplication::setActiveWindow(box->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(box->window()));
    box->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), box) << "Tab moves the focus on";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), box) << "Shift+Tab brings it back";
}

class DialogKeysTest : public TBEditorTest {
public:
    void SetUp() override
    {
        TBEditorTest::SetUp();
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('DOG', ?), ('CAT', ?)", {RootConcept, RootConcept});
        main->InitRSListConcepts();
        main->txtCptSearch->setText("DOG");
        ASSERT_EQ(main->CurrentConcept, "DOG");
    }
    int count(const QString &sql) const { return OntologyDB.scalar(sql).toInt(); }
    bool exists(const QString &id) const
    {
        return OntologyDB.scalar("SELECT COUNT(*) FROM CONCEPTS WHERE Concept = ?", {id}).toInt() == 1;
    }

    // For the cases, which play the user's part from outside the fixture.
    using TBEditorTest::boxes;
    using TBEditorTest::editor;
    using TBEditorTest::main;
    using TBEditorTest::modals;
    using TBEditorTest::newTermbase;
};

struct LeaveCase {
    const char *dialog;
    // Opens the dialog as its command does, leaves it the given way and checks that the
    // outcome is its Cancel's.
    std::function<void(DialogKeysTest &, Way)> run;
};

void PrintTo(const LeaveCase &c, std::ostream *os) { *os << c.dialog; }

class LeavingADialog : public DialogKeysTest, public ::testing::WithParamInterface<std::tuple<LeaveCase, Way>> {};

const LeaveCase leaveCases[] = {
    {"AddConcept",
     [](DialogKeysTest &f, Way way) {
         f.main->mnuConceptAdd->trigger();
         const auto d = ui::forms().first<frmNewConcept>();
         ASSERT_TRUE(d);
         d->txtConcept->setText("HORSE");
         leave(*d, way);
         EXPECT_FALSE(d->isLoaded()) << "Close unloads it";
         EXPECT_FALSE(f.exists("HORSE"));
     }},
    {"AddInverseRelation",
     [](DialogKeysTest &f, Way way) {
         f.main->mnuConceptAdd->trigger();
         const auto d = ui::forms().first<frmNewConcept>();
         ASSERT_TRUE(d);
         d->optCType[4]->click();
         d->txtConcept->setText("WALKS");
         d->dblParents->moveFirst();
         f.modals.expect<frmNewConcept>([way](frmNewConcept &inverse) {
             inverse.txtConcept->setText("WALKED-BY");
             inverse.dblParents->moveFirst();
             leave(inverse, way);
             EXPECT_FALSE(inverse.isLoaded()) << "Cancel unloads the inverse copy";
         });
         f.boxes.expect("You must specify an inverse relation");
         d->cmdAdd->click();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_FALSE(f.exists("WALKS"));
         EXPECT_FALSE(f.exists("WALKED-BY"));
         EXPECT_TRUE(d->isShown()) << "the first dialog stays";
     }},
    {"Rename",
     [](DialogKeysTest &f, Way way) {
         f.modals.expect<frmNames>([way](frmNames &d) {
             d.txtConcept->setText("HOUND");
             leave(d, way);
             EXPECT_EQ(d.lblStart.caption(), "Cancel");
             EXPECT_FALSE(d.isShown());
         });
         f.main->mnuConceptEdit->trigger();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_TRUE(f.exists("DOG"));
         EXPECT_FALSE(f.exists("HOUND"));
     }},
    {"Note",
     [](DialogKeysTest &f, Way way) {
         f.modals.expect<frmNote>([way](frmNote &d) {
             d.txtNote->setPlainText("feed it");
             leave(d, way);
             EXPECT_EQ(d.button(), NoteButton::Cancel);
             EXPECT_FALSE(d.isShown());
         });
         f.main->mnuConceptNote->trigger();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(f.count("SELECT COUNT(*) FROM Notes"), 0);
     }},
    {"AddISALink",
     [](DialogKeysTest &f, Way way) {
         const int links = f.count("SELECT COUNT(*) FROM ISA");
         f.modals.expect<frmEditRel>([way](frmEditRel &d) {
             d.dblConcepts->moveFirst();
             leave(d, way);
             EXPECT_FALSE(d.isLoaded());
             EXPECT_FALSE(d.picked());
         });
         f.main->mnuISAAdd->trigger();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(f.count("SELECT COUNT(*) FROM ISA"), links);
     }},
    {"AddAttribute",
     [](DialogKeysTest &f, Way way) {
         f.main->mnuAttrAdd->trigger();
         const auto d = ui::forms().first<frmEditRel>();
         ASSERT_TRUE(d);
         d->dblRels->moveFirst();
         d->txtValue->setText("brown");
         leave(*d, way);
         EXPECT_FALSE(d->isLoaded());
         EXPECT_EQ(f.count("SELECT COUNT(*) FROM ATTRIBUTES"), 0);
     }},
    {"NotesList",
     [](DialogKeysTest &f, Way way) {
         f.main->mnuToolsListNotes->trigger();
         const auto d = ui::forms().first<frmNoteList>();
         ASSERT_TRUE(d);
         leave(*d, way);
         EXPECT_FALSE(d->isLoaded());
     }},
    {"HTMLReports",
     [](DialogKeysTest &f, Way way) {
         f.main->mnuGenHTML->trigger();
         const auto d = ui::forms().first<frmGenHTML>();
         ASSERT_TRUE(d);
         leave(*d, way);
         EXPECT_FALSE(d->isLoaded());
         EXPECT_EQ(d->txtPath->text(), "");
     }},
    {"Import",
     [](DialogKeysTest &f, Way way) {
         f.modals.expect<frmImport>([way](frmImport &d) {
             leave(d, way);
             EXPECT_FALSE(d.isLoaded());
         });
         f.main->mnuFileImport->trigger();
         EXPECT_FALSE(f.modals.pending());
     }},
    {"OntologyOptions",
     [](DialogKeysTest &f, Way way) {
         const int maxParents = OntologyInfo.MaxParents;
         f.modals.expect<frmOntoOptions>([way](frmOntoOptions &d) {
             d.txtNoParents->setText(QString::number(OntologyInfo.MaxParents + 1));
             leave(d, way);
             EXPECT_FALSE(d.isShown());
         });
         f.main->mnuToolsOptions->trigger();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(OntologyInfo.MaxParents, maxParents);
     }},
    {"SubsetTransfer",
     [](DialogKeysTest &f, Way way) {
         f.modals.expect<frmOntoOptions>([&f, way](frmOntoOptions &d) {
             f.modals.expect<frmTransfer>([way](frmTransfer &transfer) {
                 leave(transfer, way);
                 EXPECT_FALSE(transfer.isShown());
                 EXPECT_TRUE(transfer.isLoaded()) << "Close only hides it";
             });
             d.cmdTransfer->click();
             d.cmdCancel->click();
         });
         f.main->mnuToolsOptions->trigger();
         EXPECT_FALSE(f.modals.pending());
     }},
    {"BatchNaming",
     [](DialogKeysTest &f, Way way) {
         f.modals.expect<frmBatchNaming>([way](frmBatchNaming &d) {
             leave(d, way);
             EXPECT_FALSE(d.isLoaded());
         });
         f.main->mnuToolsBatchNaming->trigger();
         EXPECT_FALSE(f.modals.pending());
     }},
    {"FindInTermbase",
     [](DialogKeysTest &f, Way way) {
         f.newTermbase("Kin");
         f.editor->mnuEditFind->trigger();
         const auto d = ui::forms().first<frmFind>();
         ASSERT_TRUE(d);
         d->cbxFind->setEditText("DOG");
         leave(*d, way);
         EXPECT_FALSE(d->isShown());
         EXPECT_TRUE(d->isLoaded()) << "Cancel hides it, keeping its history";
         EXPECT_EQ(d->cbxFind->currentText(), "");
     }},
    {"Person",
     [](DialogKeysTest &f, Way way) {
         const auto d = std::make_shared<frmPerson>();
         f.modals.expect<frmPerson>([way](frmPerson &p) {
             p.txtAlias->setText("jdoe");
             leave(p, way);
         });
         d->showModal(*f.editor);
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(d->txtAlias->text(), "") << "an empty alias is the cancel";
         EXPECT_TRUE(d->isLoaded());
     }},
    {"BibliographicalRecord",
     [](DialogKeysTest &f, Way way) {
         const auto d = std::make_shared<frmBiblio>();
         f.modals.expect<frmBiblio>([way](frmBiblio &b) {
             b.txtDescriptor->setText("Smith 1999");
             leave(b, way);
         });
         d->showModal(*f.editor);
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(d->txtDescriptor->text(), "");
         EXPECT_TRUE(d->isLoaded());
     }},
    {"TermbaseOptions",
     [](DialogKeysTest &f, Way way) {
         f.newTermbase("Kin");
         const TermbaseInfoRecord before = TermbaseInfo;
         f.modals.expect<frmTBOptions>([way](frmTBOptions &d) {
             (d.optList->isChecked() ? d.optTree : d.optList)->setChecked(true);
             d.chkCSBrowser->setChecked(!d.chkCSBrowser->isChecked());
             leave(d, way);
             EXPECT_FALSE(d.isShown());
         });
         f.editor->mnuToolsOptions->trigger();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(TermbaseInfo.DCList, before.DCList);
         EXPECT_EQ(TermbaseInfo.CSBrowser, before.CSBrowser);
     }},
    // Without a Cancel: leaving confirms nothing.
    {"OntologyProperties",
     [](DialogKeysTest &f, Way way) {
         const QString name = OntologyInfo.Name;
         f.modals.expect<frmProperties>([way](frmProperties &d) {
             d.txtName->setText("Renamed");
             leave(d, way);
             EXPECT_FALSE(d.isLoaded());
             EXPECT_FALSE(d.confirmed());
         });
         f.main->mnuFileProperties->trigger();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(OntologyInfo.Name, name);
         EXPECT_FALSE(f.main->caption().contains("Renamed"));
     }},
    {"TermbaseProperties",
     [](DialogKeysTest &f, Way way) {
         f.newTermbase("Kin");
         f.modals.expect<frmProperties>([way](frmProperties &d) {
             d.txtName->setText("Renamed");
             leave(d, way);
             EXPECT_FALSE(d.isLoaded());
         });
         f.editor->mnuFileProperties->trigger();
         EXPECT_FALSE(f.modals.pending());
         EXPECT_EQ(TermbaseInfo.Name, "Kin");
     }},
    {"About",
     [](DialogKeysTest &f, Way way) {
         f.main->mnuHelpAbout->trigger();
         const auto d = ui::forms().first<frmAbout>();
         ASSERT_TRUE(d);
         leave(*d, way);
         EXPECT_FALSE(d->isLoaded());
     }},
};

}  // namespace

TEST_P(LeavingADialog, DoesWhatItsCancelDoes)
{
    const auto &[c, way] = GetParam();
    c.run(*this, way);
    EXPECT_FALSE(boxes.pending()) << boxes.prompts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, LeavingADialog,
                         ::testing::Combine(::testing::ValuesIn(leaveCases),
                                            ::testing::Values(Way::Escape, Way::CloseBox)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).dialog) +
                                    (std::get<1>(info.param) == Way::Escape ? "ByEscape" : "ByCloseBox");
                         });

TEST_F(DialogKeysTest, TabLeavesTheMultiLineBoxesAndTheConceptList)
{
    main->mnuConceptAdd->trigger();
    const auto add = ui::forms().first<frmNewConcept>();
    ASSERT_TRUE(add);
    add->txtDef->setPlainText("four legs");
    {
        SCOPED_TRACE("Add Concept's definition");
        tabOutAndBack(add->txtDef);
        EXPECT_EQ(add->txtDef->toPlainText(), "four legs");
    }
    add->unload();

    modals.expect<frmNames>([](frmNames &d) {
        SCOPED_TRACE("the definition editor");
        d.txtDef->setPlainText("a pet");
        tabOutAndBack(d.txtDef);
        EXPECT_EQ(d.txtDef->toPlainText(), "a pet");
        d.cmdCancel->click();
    });
    main->mnuConceptEditDef->trigger();

    modals.expect<frmNote>([](frmNote &d) {
        SCOPED_TRACE("the note");
        d.txtNote->setPlainText("feed it");
        tabOutAndBack(d.txtNote);
        EXPECT_EQ(d.txtNote->toPlainText(), "feed it");
        d.cmdCancel->click();
    });
    main->mnuConceptNote->trigger();
    EXPECT_FALSE(modals.pending());

    SCOPED_TRACE("the concept list");
    const int row = main->dblConcepts->currentRow();
    tabOutAndBack(main->dblConcepts);
    EXPECT_EQ(main->dblConcepts->currentRow(), row) << "Tab walks no rows";
    EXPECT_EQ(main->CurrentConcept, "DOG");
}

// Enter typed in a box with an Add button of its own beside it runs that Add, and the
// dialog stays for the next one.
TEST_F(DialogKeysTest, EnterInABoxBesideItsAddButtonRunsAdd)
{
    struct Case {
        const char *box;
        std::function<void()> open;  // the dialog shown, Enter typed in the box, and left
        std::function<bool()> added;
    } cases[] = {
        {"the new subset's name",
         [&] {
             modals.expect<frmOntoOptions>([](frmOntoOptions &d) {
                 keys::focusBox(d.txtNewSubset);
                 keys::type("Mammals");
                 keys::press(Qt::Key_Return);
                 EXPECT_TRUE(d.isShown()) << "Enter is not OK here";
                 EXPECT_EQ(d.ListView1->findItems("Mammals", Qt::MatchExactly).size(), 1);
                 keys::focusBox(d.txtNewSubset);
                 d.txtNewSubset->setText("Birds");
                 keys::pressKeypadEnter();
                 EXPECT_TRUE(d.isShown());
                 d.cmdCancel->click();
             });
             main->mnuToolsOptions->trigger();
         },
         [] { return FindSubsetID("Mammals").has_value() && FindSubsetID("Birds").has_value(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.box);
        c.open();
        EXPECT_FALSE(modals.pending());
        EXPECT_TRUE(c.added());
    }
    EXPECT_FALSE(boxes.pending()) << boxes.prompts().join(" | ").toStdString();
}
