#pragma once
// The one boundary every command of every window runs inside (menu item, toolbar button,
// pop-up item, button, channel). Whatever goes wrong below a handler ends here: one
// message box with the description, the pointer back to normal, wait windows hidden and
// the window's progress bars reset, so the window is usable for the next command.

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace ui {

// Runs the body as one command of the window. An engine error shows its description; any
// other exception says the command failed. A command run from inside another command
// leaves the report to the outer one, so a failure stops the whole command once.
void runCommand(QWidget *window, const std::function<void()> &body);

// A slot for connect() or a channel: the body runs inside the boundary, with the signal's
// arguments when it takes them (all, the first, or none).
template <class Body>
auto command(QWidget *window, Body body)
{
    return [window, body = std::move(body)](auto &&...args) {
        runCommand(window, [&] {
            if constexpr (std::is_invocable_v<const Body &, decltype(args)...>)
                body(std::forward<decltype(args)>(args)...);
            else if constexpr (sizeof...(args) > 1 &&
                               std::is_invocable_v<const Body &,
                                                   std::tuple_element_t<0, std::tuple<decltype(args)...>>>)
                body(std::get<0>(std::forward_as_tuple(args...)));
            else
                body();
        });
    };
}

// Adds a menu item (or a pop-up's entry) to menu whose handler runs as one command of the
// window; without a handler the item runs nothing.
QAction *addMenuItem(QMenu *menu, const QString &caption, QWidget *window, std::function<void()> handler);

template <class Form>
QAction *addMenuItem(QMenu *menu, const QString &caption, Form *form, void (Form::*handler)())
{
    return addMenuItem(menu, caption, form->window(),
                       handler ? std::function<void()>([form, handler] { (form->*handler)(); }) : nullptr);
}

// A window that shows "please wait" while a command works: hidden when a command fails.
void registerWaitWindow(QWidget *waitWindow);

}  // namespace ui
