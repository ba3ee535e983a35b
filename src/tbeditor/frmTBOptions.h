#pragma once
// The termbase's own options: the language of the data-category names, the categories as
// an alphabetical list or as a tree, and whether entry pages carry the conceptual
// structures. OK hides the dialog and the termbase editor reads the controls back;
// Cancel (and closing it by its frame) puts the controls back to the stored settings
// first, so reading back changes nothing.

#include "termbase/Global.h"
#include "ui/Form.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class frmTBOptions : public ui::Form {
public:
    frmTBOptions();

    QGroupBox *fraLanguage;
    QRadioButton *optEnglish;
    QRadioButton *optSpanish;
    QRadioButton *optFrench;
    QRadioButton *optGerman;
    QRadioButton *optItalian;
    QRadioButton *optDutch;
    QGroupBox *Frame2;
    QRadioButton *optList;
    QRadioButton *optTree;
    QGroupBox *Frame1;
    QCheckBox *chkCSBrowser;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

    // Sets the controls from the stored settings.
    void preset(const TermbaseInfoRecord &info);
    void cmdOK_Click();
    void cmdCancel_Click();
};
