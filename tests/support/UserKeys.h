#pragma once
// Keys, pastes and drops as a user makes them: keys go to the widget that holds the focus
// (an editable combo box, not its line edit), with the text the platform gives them (X11
// sends Delete with the text U+007F, which QTest leaves out); the mouse goes to the line
// edit under it. userKeyCases() is the table every box that types identifiers answers to.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <functional>
#include <iostream>
#include <gtest/gtest.h>
#include <vector>

namespace keys {

inline QWidget *focus() { return QApplication::focusWidget(); }

// The box's window shown and active, with the focus in the box.
inline void focusBox(QWidget *box)
{
    QWidget *window = box->window();
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    box->setFocus();
    ASSERT_EQ(focus(), box);
}

inline void type(const QString &text) { QTest::keyClicks(focus(), text); }
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focus(), key, modifiers);
}
inline void pressDelete() { QTest::sendKeyEvent(QTest::Click, focus(), Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier); }
inline void pressKeypadEnter() { press(Qt::Key_Enter, Qt::KeypadModifier); }

inline void pasteCtrlV(const QString &clip)
{
    QApplication::clipboard()->setText(clip);
    press(Qt::Key_V, Qt::ControlModifier);
}
inline void pasteShiftInsert(const QString &clip)
{
    QApplication::clipboard()->setText(clip);
    press(Qt::Key_Insert, Qt::ShiftModifier);
}

// The line edit that shows the focused box's text, where the mouse acts.
inline QLineEdit *editUnderMouse()
{
    if (auto *combo = qobject_cast<QComboBox *>(focus()))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(focus());
}

// False where the platform keeps no selection (offscreen, Windows): there is no middle-button paste.
inline bool pasteMiddleButton(const QString &selection)
{
    QClipboard *clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection())
        return false;
    clipboard->setText(selection, QClipboard::Selection);
    QLineEdit *edit = editUnderMouse();
    QTest::mouseClick(edit, Qt::MiddleButton, {}, edit->rect().center());
    return true;
}

// Right click, then the menu's Paste. False when the box has no context menu (a combo
// box's line edit leaves its menu to the combo box).
inline bool pasteFromContextMenu(const QString &clip)
{
    QApplication::clipboard()->setText(clip);
    QLineEdit *edit = editUnderMouse();
    if (edit->contextMenuPolicy() != Qt::DefaultContextMenu && focus()->contextMenuPolicy() != Qt::DefaultContextMenu)
        return false;
    QContextMenuEvent click(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
    QCoreApplication::sendEvent(edit, &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu) {
        ADD_FAILURE() << "no context menu";
        return true;
    }
    for (QAction *a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Paste")))
            a->trigger();
    menu->close();
    return true;
}

// Text dragged from elsewhere and dropped at the end of the box's text.
inline void drop(const QString &text)
{
    QLineEdit *edit = editUnderMouse();
    QMimeData data;
    data.setText(text);
    const QPoint at(edit->rect().right() - 2, edit->rect().center().y());
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &move);
    QDropEvent done(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &done);
}

// Records the keys that get past the box to its window, and stops them there so that a
// dialog's default or cancel button does not act.
class KeysReachingWindow : public QObject {
public:
    explicit KeysReachingWindow(QWidget *window) : m_window(window) { window->installEventFilter(this); }
    ~KeysReachingWindow() override
    {
        if (m_window)
            m_window->removeEventFilter(this);
    }
    std::vector<int> keys;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        keys.push_back(static_cast<QKeyEvent *>(event)->key());
        return true;
    }

private:
    QPointer<QWidget> m_window;
};

struct KeyCase {
    const char *what;
    QString before;  // the box's text before the keys, the cursor at its end
    std::function<bool()> keys;  // false: the platform offers no such way in
    QString after;
};

// The identifier rule at every way in: letters raised, a blank or "_" made "-", anything
// else but letters, digits and "-" dropped; editing keys edit.
inline std::vector<KeyCase> identifierKeyCases()
{
    const auto act = [](auto f) { return [f] { f(); return true; }; };
    return {
        {"letters", "", act([] { type("abZ"); }), "ABZ"},
        {"digits", "A", act([] { type("09"); }), "A09"},
        {"blank and underscore", "A", act([] { type(" _b"); }), "A--B"},
        {"other characters", "A", act([] { type("!\"*."); }), "A"},
        {"Delete", "ABC", act([] { press(Qt::Key_Left); press(Qt::Key_Left); pressDelete(); }), "AC"},
        {"Backspace", "ABC", act([] { press(Qt::Key_Backspace); }), "AB"},
        {"arrows", "ABC", act([] { press(Qt::Key_Left); press(Qt::Key_Left); press(Qt::Key_Right); type("x"); }), "ABXC"},
        {"Home and End", "BC", act([] { press(Qt::Key_Home); type("a"); press(Qt::Key_End); type("d"); }), "ABCD"},
        {"Ctrl+V, one line", "A", act([] { pasteCtrlV(QStringLiteral("b c_d!")); }), "AB-C-D"},
        {"Ctrl+V, several lines", "A", act([] { pasteCtrlV(QStringLiteral("b\nc\r\nd")); }), "ABCD"},
        {"Shift+Insert", "A", act([] { pasteShiftInsert(QStringLiteral("x y")); }), "AX-Y"},
        {"context menu Paste", "A", [] { return pasteFromContextMenu(QStringLiteral("x y")); }, "AX-Y"},
        {"middle button", "A", [] { return pasteMiddleButton(QStringLiteral("x y")); }, "AX-Y"},
        {"drop", "A", act([] { drop(QStringLiteral("x y!")); }), "AX-Y"},
    };
}

// Runs each case in the shown, active window with the focus in the box.
inline void runKeyCases(QWidget *window, QWidget *box, const std::function<QString()> &text,
                        const std::function<void(const QString &)> &setText, const std::vector<KeyCase> &cases)
{
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(box->window(), window);
        focusBox(box);
        setText(c.before);
        if (!c.keys()) {
            std::cout << "(" << c.what << ": no such way into this box on this platform)\n";
            continue;
        }
        EXPECT_EQ(text(), c.after);
    }
}

// Enter, keypad Enter, Escape and Tab go past the box untouched.
inline void expectKeysPassOn(QWidget *window, QWidget *box)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        focusBox(box);
        KeysReachingWindow reached(window);
        QTest::keyClick(focus(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(reached.keys, std::vector<int>{key});
    }
    focusBox(box);
    press(Qt::Key_Tab);
    EXPECT_NE(focus(), box) << "Tab leaves the box";
}

}  // namespace keys
