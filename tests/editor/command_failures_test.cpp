// A failure inside any kind of command of the windows (menu item, toolbar button, pop-up
// entry, button) ends in one message box with its description and leaves the window
// usable: the same command runs again afterwards.

#include "app/frmProperties.h"
#include "editor/frmNames.h"
#include "editor/frmNote.h"
#include "editor/frmNoteList.h"
#include "support/MainWindowFixture.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QPushButton>
#include <QTreeWidget>
#include <stdexcept>

namespace {

using CommandFailureTest = MainWindowTest;

}  // namespace

TEST_F(CommandFailureTest, EveryKindOfCommandReportsAFailureOnceAndStaysUsable)
{
    newOntology("Kinship", "kinship.ont");
    ASSERT_FALSE(main->CurrentConcept.isEmpty());
    OntologyDB.execute("INSERT INTO Notes (Concept, Note) VALUES (?, 'to check')", {main->CurrentConcept});

    const db::DbError engineError(3343, "Unrecognized database format 'kinship.ont'.");
    const std::runtime_error otherError("out of memory");
    struct Case {
        const char *kind;
        std::function<void(std::function<void(ui::Form &)> play)> expectModal;
        std::function<void()> run;
        bool engine;
    };
    const auto properties = [&](std::function<void(ui::Form &)> play) {
        modals.expect<frmProperties>([play](frmProperties &d) { play(d); });
    };
    const auto naming = [&](std::function<void(ui::Form &)> play) {
        modals.expect<frmNames>([play](frmNames &d) { play(d); });
    };
    const auto note = [&](std::function<void(ui::Form &)> play) {
        modals.expect<frmNote>([play](frmNote &d) { play(d); });
    };
    const Case cases[] = {
        {"menu item", properties, [&] { main->mnuFileProperties->trigger(); }, true},
        {"toolbar button", properties, [&] { main->ToolBar1->button(QStringLiteral("Properties"))->trigger(); }, false},
        {"pop-up entry", naming, [&] { main->mnuNameAdd->trigger(); }, true},
        {"button",
         note,
         [&] {
             const auto notes = ui::loadedOrNew<frmNoteList>();
             notes->show();
             notes->ListView1->setCurrentItem(notes->ListView1->topLevelItem(0));
             notes->cmdEdit->click();
         },
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        c.expectModal([&](ui::Form &) {
            ui::setScreenMousePointer(ui::MousePointer::Hourglass);
            if (c.engine)
                throw engineError;
            throw otherError;
        });
        boxes.expect(c.engine ? QStringLiteral("Unrecognized database format 'kinship.ont'.")
                              : QStringLiteral("out of memory"));
        EXPECT_NO_THROW(c.run());
        ASSERT_FALSE(boxes.asked().empty());
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
        EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default) << "the pointer is back";
        EXPECT_FALSE(boxes.pending());

        // The window goes on: the same command runs to its end.
        c.expectModal([](ui::Form &d) { d.closeByFrame(); });
        EXPECT_NO_THROW(c.run());
        EXPECT_FALSE(modals.pending());
    }
}
