#include "support/ScriptedPopupMenus.h"
#include "ui/PopupMenu.h"

#include <QMenu>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {
struct ConceptMenu {
    QMenu mnuConcept{"&Concept"};
    QAction *mnuConceptAdd = mnuConcept.addAction("&Add");
    QAction *sep = mnuConcept.addSeparator();
    QAction *mnuConceptDelete = mnuConcept.addAction("&Delete");
    QAction *mnuConceptNote = mnuConcept.addAction("Working &Note");
    QStringList ran;
    ConceptMenu()
    {
        for (QAction *a : mnuConcept.actions())
            QObject::connect(a, &QAction::triggered, [this, a] { ran << a->text(); });
    }
};
}  // namespace

TEST(PopupMenu, TheChosenHandlerHasRunWhenThePopupReturns)
{
    ScriptedPopupMenus menus;
    menus.choose("Add").chooseNothing();
    ConceptMenu m;
    m.mnuConceptDelete->setEnabled(false);  // the root is current
    m.mnuConceptNote->setVisible(false);

    ui::popupMenu(m.mnuConcept);
    EXPECT_EQ(m.ran, QStringList{"&Add"});
    ui::popupMenu(m.mnuConcept);
    EXPECT_EQ(m.ran, QStringList{"&Add"}) << "nothing chosen, nothing run";

    ASSERT_EQ(menus.shown().size(), 2u);
    const PoppedMenu &popped = menus.shown()[0];
    EXPECT_EQ(popped.title, "Concept");
    ASSERT_EQ(popped.items.size(), 3u) << "separators are not items";
    ASSERT_NE(popped.item("Delete"), nullptr);
    EXPECT_FALSE(popped.item("Delete")->enabled);
    EXPECT_TRUE(popped.item("Add")->enabled);
    EXPECT_FALSE(popped.item("Working Note")->visible);
}

TEST(PopupMenu, ADisabledHiddenOrMissingChoiceFails)
{
    for (const char *choice : {"Delete", "Working Note", "Rename"}) {
        SCOPED_TRACE(choice);
        ConceptMenu m;
        m.mnuConceptDelete->setEnabled(false);
        m.mnuConceptNote->setVisible(false);
        EXPECT_NONFATAL_FAILURE(
            {
                ScriptedPopupMenus menus;
                menus.choose(choice);
                ui::popupMenu(m.mnuConcept);
            },
            choice);
        EXPECT_TRUE(m.ran.isEmpty());
    }
    ConceptMenu m;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPopupMenus menus;
            ui::popupMenu(m.mnuConcept);
        },
        "unexpected pop-up menu Concept");
}

TEST(PopupMenu, APopupNoScriptExpectsFailsAndChoosesNothing)
{
    ConceptMenu m;
    EXPECT_NONFATAL_FAILURE(ui::popupMenu(m.mnuConcept), "pop-up menu no script expected: \"&Concept\"");
    EXPECT_TRUE(m.ran.isEmpty());
}
