#pragma once
// The help on data categories: DCHelp.html beside the program, scrolled to one category's
// anchor, with a combo to pick any other category and back and forward through what was
// shown. One window, modeless, reused by every request until it is closed.

#include "ui/Channel.h"
#include "ui/Form.h"

class PageView;
class QComboBox;

namespace ui {
class Toolbar;
}

class frmDCHelp : public ui::Form {
public:
    frmDCHelp();

    QComboBox *cbxDCs;  // name (categoryID), each item holding its categoryID
    ui::Toolbar *ToolBar1;
    PageView *Browser;
    // Writing a help address here (the page's path, "#", the categoryID) shows it.
    ui::Channel lblTarget;

    void cbxDCs_Click();
    void ToolBar1_ButtonClick(const QString &key);

    // The address of the help on one category.
    static QString helpAddress(const QString &categoryID);

protected:
    void Form_Load() override;

private:
    void lblTarget_Change();
};
