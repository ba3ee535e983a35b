#include "Main.h"

#include "app/frmSplash.h"
#include "db/Error.h"
#include "editor/frmOntoEdit.h"
#include "ontology/DataFolders.h"
#include "ui/MsgBox.h"

void Main()
{
    // Loaded before any other window, the main window is the first of the open forms.
    const auto main = std::make_shared<frmOntoEdit>();
    main->load();
    main->window()->setEnabled(false);
    ui::setScreenMousePointer(ui::MousePointer::Hourglass);

    const auto splash = std::make_shared<frmSplash>();
    splash->show();

    try {
        DataFolder();
    } catch (const db::DbError &e) {
        // The program works without them; the file dialogs then start elsewhere.
        ui::msgBox(e.description(), ui::Buttons::Ok, ui::Icon::Exclamation);
    }

    main->show();
    // Showing the main window made it the active one: the splash goes back on top, with the
    // focus, so that a key ends it.
    if (splash->isShown())
        splash->show();
}
