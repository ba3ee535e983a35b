#include "StrictBackends.h"

#include "ui/PopupMenu.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace {

class StrictPopupMenus : public ui::PopupMenuBackend {
public:
    void popup(QMenu &menu, const QPoint &) override
    {
        ADD_FAILURE() << "pop-up menu no script expected: \"" << menu.title().toStdString() << "\"";
    }
};

}  // namespace

void installStrictPopupMenus()
{
    static StrictPopupMenus popupMenus;
    ui::setPopupMenuBackend(&popupMenus);
}
