#include "support/MainWindowFixture.h"
#include "tools/frmOntoOptions.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

using OptionsCommand = MainWindowTest;

TEST_F(OptionsCommand, ToolsOptionsShowsTheDialogOverTheMainWindowAndKeepsTheChoice)
{
    newOntology("Zoo", "zoo.ont");
    modals.expect<frmOntoOptions>([](frmOntoOptions &d) {
        EXPECT_TRUE(d.optEvery->isChecked());
        d.optMy->click();
        d.cmdOK->click();
    });
    main->mnuToolsOptions->trigger();
    EXPECT_EQ(OntologyInfo.ListTop, 1);
    EXPECT_TRUE(ui::forms().ofType<frmOntoOptions>().empty());

    modals.expect<frmOntoOptions>([](frmOntoOptions &d) {
        EXPECT_TRUE(d.optMy->isChecked()) << "each run shows the options now in force";
        d.optTop->click();
        d.cmdCancel->click();
    });
    main->mnuToolsOptions->trigger();
    EXPECT_EQ(OntologyInfo.ListTop, 1);
}
