#include "NotBuilt.h"

#include <QAction>
#include <QWidget>

namespace ui {

namespace {
const char *const notBuiltProperty = "lxNotBuilt";
}

void markNotBuilt(QAction *command)
{
    command->setProperty(notBuiltProperty, true);
    command->setEnabled(false);
}

void markNotBuilt(QWidget *button)
{
    button->setProperty(notBuiltProperty, true);
    button->setEnabled(false);
}

bool isNotBuilt(const QAction *command) { return command->property(notBuiltProperty).toBool(); }

void setCommandEnabled(QAction *command, bool enabled) { command->setEnabled(enabled && !isNotBuilt(command)); }

}  // namespace ui
