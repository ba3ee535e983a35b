#pragma once
// Process-wide facts about the running program: its title (the default caption of
// every message box) and its folder (where res.dat and the default data folders are).

#include <QString>

namespace ui {

QString appTitle();
void setAppTitle(const QString &title);

// The program's folder. Tests point it at a temporary folder that holds res.dat.
QString appPath();
void setAppPath(const QString &path);

}  // namespace ui
