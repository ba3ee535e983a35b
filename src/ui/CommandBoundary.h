#pragma once
// The one boundary every command of every window runs inside (menu item, toolbar button,
// pop-up item, button, channel). Whatever goes wrong below a handler ends here: one
// message box with the description, the pointer back to normal, wait windows hidden and
// the window's progress bars reset, so the window is usable for the next command.

#include <QWidget>
#include <functional>
#include <utility>

namespace ui {

// Runs the body as one command of the window. An engine error shows its description; any
// other exception says the command failed. A command run from inside another command
// leaves the report to the outer one, so a failure stops the whole command once.
void runCommand(QWidget *window, const std::function<void()> &body);

// A slot for connect(): the body runs inside the boundary with the signal's arguments.
template <class Body>
auto command(QWidget *window, Body body)
{
    return [window, body = std::move(body)](auto &&...args) {
        runCommand(window, [&] { body(std::forward<decltype(args)>(args)...); });
    };
}

// A window that shows "please wait" while a command works: hidden when a command fails.
void registerWaitWindow(QWidget *waitWindow);

}  // namespace ui
