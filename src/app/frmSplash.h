#pragma once
// The splash window shown on top while the program starts. The main window stays
// disabled under it; the start-up is over when the splash goes, by its timer, a key or a
// click, always the same way.

#include "ui/Form.h"

class QFrame;
class QLabel;
class QTimer;

class frmSplash : public ui::Form {
public:
    frmSplash();

    QFrame *Frame1;
    QLabel *lblProductName;
    QLabel *lblPlatform;
    QLabel *lblVersion;
    QTimer *tmrSplash;

    void tmrSplash_Timer();
    void Form_KeyPress();
    void Frame1_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void endSplash();
};
