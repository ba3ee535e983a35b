#include "FindHistory.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ui {

void addToFindHistory(QComboBox &box, QString &lastText, const QString &text, int size)
{
    if (text == lastText)
        return;
    // Adding to the list must leave the box's text, and what was found for it, alone.
    const QSignalBlocker quiet(&box);
    const QString typed = box.currentText();
    while (box.count() >= size)
        box.removeItem(box.count() - 1);
    box.insertItem(0, text);
    box.setCurrentIndex(-1);
    box.setEditText(typed);
    lastText = text;
}

}  // namespace ui
