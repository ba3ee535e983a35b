#pragma once
// Plays the user's part in pop-up menus: records each menu as it popped up (which items
// were there, enabled, visible, checked) and chooses the scripted item, or none. A pop-up
// nobody expected, or a choice that is missing, hidden or disabled, fails the test.

#include "ui/PopupMenu.h"

#include <QPoint>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

struct PoppedItem {
    QString text;  // without the "&" of the access key
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

struct PoppedMenu {
    QString title;
    std::vector<PoppedItem> items;
    QPoint at;  // where it opened, in screen coordinates
    // nullptr when the menu had no such item.
    const PoppedItem *item(const QString &text) const;
};

class ScriptedPopupMenus : public ui::PopupMenuBackend {
public:
    ScriptedPopupMenus();
    ~ScriptedPopupMenus() override;

    ScriptedPopupMenus &choose(const QString &itemText);
    ScriptedPopupMenus &chooseNothing();

    const std::vector<PoppedMenu> &shown() const { return m_shown; }
    void popup(QMenu &menu, const QPoint &at) override;

private:
    std::deque<std::optional<QString>> m_script;
    std::vector<PoppedMenu> m_shown;
    ui::PopupMenuBackend *m_previous;
};
