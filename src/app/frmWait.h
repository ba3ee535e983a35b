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

// The please-wait window over the centre of the window that works, with its message, for
// as long as the work lasts: it goes however the work ends.
class WaitWindow {
public:
    WaitWindow(const ui::Form &over, const QString &message);
    ~WaitWindow();
    WaitWindow(const WaitWindow &) = delete;
    WaitWindow &operator=(const WaitWindow &) = delete;

private:
    std::shared_ptr<frmWait> m_wait;
};
