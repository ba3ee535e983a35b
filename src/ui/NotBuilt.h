#pragma once
// Commands whose windows are not built yet. Such a command is disabled wherever it is
// offered (menu item, toolbar button, pop-up entry, button) and stays disabled when its
// window enables the commands around it, so nothing offered does nothing.

class QAction;
class QWidget;

namespace ui {

void markNotBuilt(QAction *command);
void markNotBuilt(QWidget *button);
bool isNotBuilt(const QAction *command);

// Enables or disables a command that is built; one not built yet stays disabled.
void setCommandEnabled(QAction *command, bool enabled);

}  // namespace ui
