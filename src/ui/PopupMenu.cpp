#include "PopupMenu.h"

namespace ui {

namespace {
PopupMenuBackend *&backend()
{
    static PopupMenuBackend *b = nullptr;
    return b;
}
}  // namespace

void setPopupMenuBackend(PopupMenuBackend *b) { backend() = b; }

void popupMenu(QMenu &menu)
{
    if (backend())
        backend()->popup(menu);
}

}  // namespace ui
