// The main window's launchers: the notes window, the termbase editor and the navigator
// open once, the others do nothing until their windows exist.

#include "editor/frmNoteList.h"
#include "tools/frmBatchNaming.h"
#include "tbeditor/frmTBEDitor.h"
#include "support/MainWindowFixture.h"
#include "ui/Forms.h"

TEST_F(MainWindowTest, EachLauncherOpensItsWindowOrDoesNothingYet)
{
    newOntology(QStringLiteral("Launch"), QStringLiteral("launch.ont"));
    const struct Case {
        const char *what;
        void (frmOntoEdit::*launcher)();
        int windowsAdded;
    } cases[] = {
        {"List Notes", &frmOntoEdit::mnuToolsListNotes_Click, 1},
        {"List Notes again brings the same window forward", &frmOntoEdit::mnuToolsListNotes_Click, 0},
        {"Export opens the shared reports window", &frmOntoEdit::mnuFileExport_Click, 1},
        {"TermBase Editor", &frmOntoEdit::mnuToolsTBEd_Click, 1},
        {"TermBase Editor again", &frmOntoEdit::mnuToolsTBEd_Click, 0},
        {"Ontology Navigator", &frmOntoEdit::mnuToolsOntoNav_Click, 1},
        {"Ontology Navigator again", &frmOntoEdit::mnuToolsOntoNav_Click, 0},
        {"Generate HTML Reports turns the same window to its mode", &frmOntoEdit::mnuGenHTML_Click, 0},
        {"Generate HTML Reports again fills the same window", &frmOntoEdit::mnuGenHTML_Click, 0},
        {"Batch Naming, modal, closed again", &frmOntoEdit::mnuToolsBatchNaming_Click, 0},
    };
    modals.expect<frmBatchNaming>([](frmBatchNaming &d) { d.cmdCancel->click(); });
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const int before = ui::forms().count();
        (main.get()->*c.launcher)();
        EXPECT_EQ(ui::forms().count(), before + c.windowsAdded);
    }
    const auto notes = ui::forms().ofType<frmNoteList>();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_TRUE(notes.front()->isShown());
    const auto termbaseEditors = ui::forms().ofType<frmTBEDitor>();
    ASSERT_EQ(termbaseEditors.size(), 1u);
    EXPECT_TRUE(termbaseEditors.front()->isShown());
}
