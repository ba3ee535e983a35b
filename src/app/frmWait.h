#pragma once
// The small "please wait" window that long operations put beside their own window while
// they work: it shows the message in lblMess.

#include "ui/Form.h"

class QLabel;

class frmWait : public ui::Form {
public:
    frmWait();

    QLabel *lblMess;
};
