#pragma once
// A status bar made of a fixed number of text panels, numbered from 1 as the windows
// address them.

#include <QStatusBar>
#include <vector>

class QLabel;

namespace ui {

class StatusBar : public QStatusBar {
public:
    explicit StatusBar(int panels, QWidget *parent = nullptr);

    int panelCount() const { return int(m_panels.size()); }
    // Panels outside 1..panelCount() read empty and ignore writes.
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);
    // Keeps the panel at least as wide as widestText, so that no text up to it is cut.
    void fitPanel(int panel, const QString &widestText);
    // nullptr outside 1..panelCount().
    const QLabel *panelLabel(int panel) const;

private:
    std::vector<QLabel *> m_panels;
};

}  // namespace ui
