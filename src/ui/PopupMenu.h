#pragma once
// Pop-up menus are synchronous: the chosen item's handler (its QAction::triggered) has run
// when popupMenu returns, and nothing has run when the user chose nothing. Who chooses is
// a backend: the user at the pointer in the program, a script in tests.

class QMenu;

namespace ui {

class PopupMenuBackend {
public:
    virtual ~PopupMenuBackend() = default;
    virtual void popup(QMenu &menu) = 0;
};

// Not owned; nullptr restores the default, which chooses nothing.
void setPopupMenuBackend(PopupMenuBackend *backend);

void popupMenu(QMenu &menu);

}  // namespace ui
