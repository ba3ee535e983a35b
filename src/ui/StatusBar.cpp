#include "StatusBar.h"

#include <QLabel>

namespace ui {

StatusBar::StatusBar(int panels, QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(true);
    for (int i = 0; i < panels; ++i) {
        auto *label = new QLabel(this);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(40);
        addWidget(label, 1);
        m_panels.push_back(label);
    }
}

QString StatusBar::panelText(int panel) const
{
    if (panel < 1 || panel > panelCount())
        return {};
    return m_panels[size_t(panel - 1)]->text();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    if (panel < 1 || panel > panelCount())
        return;
    m_panels[size_t(panel - 1)]->setText(text);
}

void StatusBar::fitPanel(int panel, const QString &widestText)
{
    if (panel < 1 || panel > panelCount())
        return;
    QLabel *label = m_panels[size_t(panel - 1)];
    const int frame = 2 * label->frameWidth() + 2 * label->margin() + 4;
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widestText) + frame);
}

const QLabel *StatusBar::panelLabel(int panel) const
{
    if (panel < 1 || panel > panelCount())
        return nullptr;
    return m_panels[size_t(panel - 1)];
}

}  // namespace ui
