#pragma once
// The mouse pointer of the whole screen or of one window. Long commands show the
// hourglass; the guard puts the previous pointer back however the command ends, so an
// error never leaves the hourglass behind.

#include <QPointer>
#include <QWidget>

namespace ui {

enum class MousePointer { Default = 0, Arrow = 1, Hourglass = 11 };

void setScreenMousePointer(MousePointer pointer);
MousePointer screenMousePointer();

void setMousePointer(QWidget &window, MousePointer pointer);
MousePointer mousePointer(const QWidget &window);

class Form;

class MousePointerGuard {
public:
    explicit MousePointerGuard(MousePointer pointer);  // the screen's
    MousePointerGuard(Form &form, MousePointer pointer);
    ~MousePointerGuard();
    MousePointerGuard(const MousePointerGuard &) = delete;
    MousePointerGuard &operator=(const MousePointerGuard &) = delete;

private:
    bool m_screen;
    QPointer<QWidget> m_window;  // the window may be gone by the time the guard ends
    MousePointer m_previous;
};

}  // namespace ui
