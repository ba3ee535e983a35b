#pragma once
// Pop-up menus are synchronous: the chosen item's handler (its QAction::triggered) has run
// when popupMenu returns, and nothing has run when the user chose nothing. Who chooses is
// a backend: the user at the pointer in the program, a script in tests.
//
// A view's pop-up is asked for in one way for every view (onPopupRequest): the right
// button let go over it, or the context-menu key or Shift+F10 while it has the focus. The
// mouse opens it at the pointer, the keys at the current row, so that every command a
// pop-up holds is within reach of the keyboard too.

#include <QPoint>
#include <functional>

class QAbstractItemView;
class QMenu;
class QModelIndex;

namespace ui {

class PopupMenuBackend {
public:
    virtual ~PopupMenuBackend() = default;
    // at: where the menu's top left corner goes, in screen coordinates.
    virtual void popup(QMenu &menu, const QPoint &at) = 0;
};

// Not owned; nullptr restores the default, which chooses nothing.
void setPopupMenuBackend(PopupMenuBackend *backend);

// Opens the menu where the request being handled asked for it, or at the pointer.
void popupMenu(QMenu &menu);

// Runs handler when the user asks for the view's pop-up. at is the row under the pointer
// (invalid over the empty part of the view; the press made it current already), or the
// current row for the keys. The handler chooses the menu's items and calls popupMenu.
// The view's own context menu events are taken: they would ask a second time.
void onPopupRequest(QAbstractItemView *view, std::function<void(const QModelIndex &at)> handler);

}  // namespace ui
