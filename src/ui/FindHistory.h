#pragma once
// The history of a find box: the text searched goes on top, the oldest falls off beyond
// the size, and the text searched last is not entered again. The box keeps the text it
// shows.

#include <QString>

class QComboBox;

namespace ui {

void addToFindHistory(QComboBox &box, QString &lastText, const QString &text, int size);

}  // namespace ui
