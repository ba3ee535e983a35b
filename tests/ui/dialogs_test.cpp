#include "support/StrictBackends.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "db/Error.h"
#include "ui/App.h"
#include "ui/FileDialog.h"
#include "ui/InputBox.h"
#include "ui/MsgBox.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(MessageBoxes, TheScriptRecordsWhatWasAskedAndRefusesTheUnexpected)
{
    ScriptedMessageBoxes boxes;
    boxes.expect("exists already", ui::Answer::No).expect("Critical error");
    EXPECT_EQ(ui::msgBox("TermBase exists already!", ui::Buttons::YesNo, ui::Icon::Exclamation), ui::Answer::No);
    EXPECT_EQ(ui::msgBox("Critical error. Error code QZ010. Please Report.", ui::Buttons::Ok, ui::Icon::Critical,
                         "Error"),
              ui::Answer::Ok);
    ASSERT_EQ(boxes.asked().size(), 2u);
    const ui::MessageBoxRequest &first = boxes.asked()[0];
    EXPECT_EQ(first.prompt, "TermBase exists already!");
    EXPECT_EQ(first.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(first.icon, ui::Icon::Exclamation);
    EXPECT_EQ(first.title, ui::appTitle()) << "an empty title is the program's";
    EXPECT_EQ(boxes.asked()[1].title, "Error");
    EXPECT_EQ(boxes.asked()[1].icon, ui::Icon::Critical);

    EXPECT_NONFATAL_FAILURE(ui::msgBox("Not yet!"), "unexpected message box: Not yet!");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedMessageBoxes unused;
            unused.expect("Relation exists.");
        },
        "never came: Relation exists.");
}

TEST(InputBoxes, AnswerOrCancelAndTheEmptyAnswerForCallersThatWantOne)
{
    ScriptedInputBoxes boxes;
    boxes.answer("name", "Kinship").cancel("name").cancel("Value");
    EXPECT_EQ(ui::inputBox("Type in the name", {}, "Default"), std::optional<QString>("Kinship"));
    EXPECT_EQ(ui::inputBox("Type in the name", "Title"), std::nullopt);
    EXPECT_EQ(ui::inputBoxOrEmpty("Value:", {}, "was here"), "") << "Cancel reads as the empty answer";

    ASSERT_EQ(boxes.asked().size(), 3u);
    EXPECT_EQ(boxes.asked()[0].title, ui::appTitle());
    EXPECT_EQ(boxes.asked()[0].defaultText, "Default");
    EXPECT_EQ(boxes.asked()[1].title, "Title");

    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(ui::inputBox("Unasked"), std::nullopt), "unexpected input box: Unasked");
}

TEST(InputBoxes, WithoutABackendEveryBoxIsCancelled)
{
    WithoutBackends none;
    EXPECT_EQ(ui::inputBox("Anything?", {}, "Default"), std::nullopt);
}

namespace {
ui::CommonDialog ontologyDialog()
{
    ui::CommonDialog dlg;
    dlg.cancelError = true;
    dlg.filter = "Ontology Files (*.ont)|*.ont|All files (*.*)|*.*|";
    dlg.filterIndex = 1;
    dlg.defaultExt = "ont";
    dlg.initDir = "/prog/Ontologies/";
    return dlg;
}
}  // namespace

// A test that causes a box it did not script fails, even with no script installed at all,
// and the box is answered as if the user closed it.
TEST(TestBackends, ABoxOrDialogNoScriptExpectsFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(ui::msgBox("Delete it?", ui::Buttons::YesNo), ui::Answer::Cancel),
                            "message box no script expected: \"Delete it?\"");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(ui::inputBox("Type in the name"), std::nullopt),
                            "input box no script expected: \"Type in the name\"");
    ui::CommonDialog dlg = ontologyDialog();
    dlg.cancelError = false;
    dlg.dialogTitle = "Open Ontology";
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(dlg.showOpen()), "file dialog no script expected: \"Open Ontology\"");
    {
        ScriptedMessageBoxes boxes;
        boxes.expect("Delete it?", ui::Answer::Yes);
        EXPECT_EQ(ui::msgBox("Delete it?", ui::Buttons::YesNo), ui::Answer::Yes);
    }
    // A script that ended hands back to the strict answers.
    EXPECT_NONFATAL_FAILURE(ui::msgBox("Delete it?", ui::Buttons::YesNo), "message box no script expected");
}

TEST(FileDialog, CancelRaisesTheDialogCancelledErrorWhenAskedTo)
{
    struct Case {
        const char *name;
        bool installScript;
        bool cancelError;
    } cases[] = {
        {"cancelled by the user", true, true},
        {"nothing to answer", false, true},
        {"cancelled quietly", true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<WithoutBackends> none;
        std::optional<ScriptedFileDialogs> dialogs;
        if (c.installScript)
            dialogs.emplace().cancel();
        else
            none.emplace();
        ui::CommonDialog dlg = ontologyDialog();
        dlg.cancelError = c.cancelError;
        dlg.fileName = "before.ont";
        if (c.cancelError) {
            try {
                dlg.showSave();
                ADD_FAILURE() << "no error raised";
            } catch (const db::DbError &e) {
                EXPECT_EQ(e.number(), db::err::DialogCancelled);
                EXPECT_EQ(e.number(), 32755);
            }
        } else {
            EXPECT_FALSE(dlg.showOpen());
        }
        EXPECT_EQ(dlg.fileName, "before.ont") << "a cancelled dialog leaves the file name alone";
    }
}

TEST(FileDialog, TheChosenPathGetsTheDefaultExtensionOnlyWhenItHasNone)
{
    struct Case {
        const char *chosen;
        const char *defaultExt;
        const char *fileName;
    } cases[] = {
        {"/data/Foods", "ont", "/data/Foods.ont"},
        {"/data/Foods.ont", "ont", "/data/Foods.ont"},
        {"/data/Foods.txt", "ont", "/data/Foods.txt"},
        {"/data.d/Foods", "ont", "/data.d/Foods.ont"},
        {"/data/Foods", "", "/data/Foods"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.chosen);
        ScriptedFileDialogs dialogs;
        dialogs.answer(c.chosen);
        ui::CommonDialog dlg = ontologyDialog();
        dlg.defaultExt = c.defaultExt;
        EXPECT_TRUE(dlg.showSave());
        EXPECT_EQ(dlg.fileName, c.fileName);
    }
}

TEST(FileDialog, TheScriptRecordsHowTheDialogWasSetUp)
{
    ScriptedFileDialogs dialogs;
    dialogs.answer("/prog/Ontologies/Foods.ont").answer("/prog/TermBases/t.lxb");
    ui::CommonDialog dlg = ontologyDialog();
    dlg.showOpen();
    dlg.filter = "Lexvarin TB files (*.lxb)|*.lxb|";
    dlg.initDir = "/prog/TermBases/";
    dlg.dialogTitle = "New termbase";
    dlg.filterIndex = 1;
    dlg.showSave();

    ASSERT_EQ(dialogs.asked().size(), 2u);
    const ui::FileDialogRequest &open = dialogs.asked()[0];
    EXPECT_EQ(open.mode, ui::FileDialogMode::Open);
    EXPECT_EQ(open.filter, "Ontology Files (*.ont)|*.ont|All files (*.*)|*.*|");
    EXPECT_EQ(open.filterIndex, 1);
    EXPECT_EQ(open.initDir, "/prog/Ontologies/");
    EXPECT_EQ(open.title, "");
    const ui::FileDialogRequest &save = dialogs.asked()[1];
    EXPECT_EQ(save.mode, ui::FileDialogMode::Save);
    EXPECT_EQ(save.title, "New termbase");
    EXPECT_EQ(save.fileName, "/prog/Ontologies/Foods.ont") << "the name chosen last is offered again";
    EXPECT_EQ(dlg.fileName, "/prog/TermBases/t.lxb");

    dlg.cancelError = false;
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(dlg.showOpen()), "unexpected file dialog");
}

TEST(FileDialog, FilterStringsSplitIntoDescriptionsAndPatterns)
{
    struct Case {
        const char *filter;
        std::vector<ui::FileFilter> expected;
    } cases[] = {
        {"Ontology Files (*.ont)|*.ont|", {{"Ontology Files (*.ont)", {"*.ont"}}}},
        {"Ontology Files (*.ont)|*.ont|All files (*.*)|*.*|",
         {{"Ontology Files (*.ont)", {"*.ont"}}, {"All files (*.*)", {"*.*"}}}},
        {"Pictures|*.jpg;*.gif", {{"Pictures", {"*.jpg", "*.gif"}}}},
        {"Export log|", {{"Export log", {}}}},
        {"", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter);
        const std::vector<ui::FileFilter> got = ui::parseFileFilter(c.filter);
        ASSERT_EQ(got.size(), c.expected.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].description, c.expected[i].description);
            EXPECT_EQ(got[i].patterns, c.expected[i].patterns);
        }
    }
}
