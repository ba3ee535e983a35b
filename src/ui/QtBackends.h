#pragma once
// The program's answers to message boxes, input boxes, file dialogs, modal shows, pop-up
// menus and links opened outside: Qt's dialogs, a nested event loop, QMenu and the
// desktop. The program installs them once at start-up; tests install scripts instead.

#include "FileDialog.h"

#include <QString>
#include <QStringList>

namespace ui {

void installQtBackends();

// Qt's name filters for a filter string: "Ontology Files (*.ont)", "All files (*)".
// "*.*" becomes "*", which also matches names without a dot.
QStringList qtNameFilters(const QString &filter);

}  // namespace ui
