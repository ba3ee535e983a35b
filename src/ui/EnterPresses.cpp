#include "EnterPresses.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

namespace {

class EnterFilter : public QObject {
public:
    EnterFilter(QLineEdit *box, QAbstractButton *button) : QObject(box), m_button(button) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        // A disabled button takes no Enter, and neither does the dialog behind it.
        if (m_button->isEnabled())
            m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

}  // namespace

void enterPresses(QLineEdit *box, QAbstractButton *button) { box->installEventFilter(new EnterFilter(box, button)); }

}  // namespace ui
