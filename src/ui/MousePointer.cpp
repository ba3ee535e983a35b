#include "MousePointer.h"

#include "Form.h"

#include <QApplication>
#include <QCursor>

namespace ui {

namespace {
MousePointer fromShape(Qt::CursorShape shape)
{
    return shape == Qt::WaitCursor ? MousePointer::Hourglass : MousePointer::Arrow;
}
Qt::CursorShape toShape(MousePointer pointer)
{
    return pointer == MousePointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor;
}
}  // namespace

// The screen's pointer is the application's override cursor; at most one is pushed, so
// Default pops it and the others replace it.
void setScreenMousePointer(MousePointer pointer)
{
    if (pointer == MousePointer::Default) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(QCursor(toShape(pointer)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(toShape(pointer)));
    }
}

MousePointer screenMousePointer()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c ? fromShape(c->shape()) : MousePointer::Default;
}

// A top-level window keeps a cursor of its own even after unsetCursor, so the pointer as
// set is kept beside it.
static const char *const pointerProperty = "lxMousePointer";

void setMousePointer(QWidget &window, MousePointer pointer)
{
    window.setProperty(pointerProperty, int(pointer));
    if (pointer == MousePointer::Default)
        window.unsetCursor();
    else
        window.setCursor(toShape(pointer));
}

MousePointer mousePointer(const QWidget &window)
{
    return MousePointer(window.property(pointerProperty).toInt());
}

MousePointerGuard::MousePointerGuard(MousePointer pointer)
    : m_screen(true), m_previous(screenMousePointer())
{
    setScreenMousePointer(pointer);
}

MousePointerGuard::MousePointerGuard(Form &form, MousePointer pointer)
    : m_screen(false), m_window(form.window()), m_previous(form.mousePointer())
{
    form.setMousePointer(pointer);
}

MousePointerGuard::~MousePointerGuard()
{
    if (m_screen)
        setScreenMousePointer(m_previous);
    else if (m_window)
        setMousePointer(*m_window, m_previous);
}

}  // namespace ui
