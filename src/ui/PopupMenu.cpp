#include "PopupMenu.h"

#include "Installed.h"

namespace ui {

void setPopupMenuBackend(PopupMenuBackend *b) { installed<PopupMenuBackend>() = b; }

void popupMenu(QMenu &menu)
{
    if (PopupMenuBackend *backend = installed<PopupMenuBackend>())
        backend->popup(menu);
}

}  // namespace ui
