#include "Toolbar.h"

#include "CommandBoundary.h"

#include <QMainWindow>

#include <QAction>

namespace ui {

Toolbar::Toolbar(QWidget *parent) : QToolBar(parent) {}

void Toolbar::addImage(const QString &key, const QIcon &icon) { m_images.insert(key, icon); }

QAction *Toolbar::addButton(const QString &key, const QString &imageKey, const QString &toolTip)
{
    QAction *a = addAction(image(imageKey), QString());
    a->setToolTip(toolTip);
    a->setData(key);
    m_buttons.push_back({key, imageKey, a});
    connect(a, &QAction::triggered, this, [this, key] {
        if (m_onClick)
            m_onClick(key);
    });
    return a;
}

void Toolbar::addSeparatorButton() { m_buttons.push_back({QString(), QString(), addSeparator()}); }

QAction *Toolbar::button(int index) const
{
    if (index < 1 || index > buttonCount())
        return nullptr;
    return m_buttons[size_t(index - 1)].action;
}

QAction *Toolbar::button(const QString &key) const
{
    for (const Button &b : m_buttons)
        if (!b.key.isEmpty() && b.key == key)
            return b.action;
    return nullptr;
}

QString Toolbar::key(int index) const
{
    if (index < 1 || index > buttonCount())
        return {};
    return m_buttons[size_t(index - 1)].key;
}

void Toolbar::setButtonImage(const QString &key, const QString &imageKey)
{
    for (Button &b : m_buttons)
        if (!b.key.isEmpty() && b.key == key) {
            b.image = imageKey;
            b.action->setIcon(image(imageKey));
            return;
        }
}

QString Toolbar::buttonImage(const QString &key) const
{
    for (const Button &b : m_buttons)
        if (!b.key.isEmpty() && b.key == key)
            return b.image;
    return {};
}

Toolbar *Toolbar::addTo(QMainWindow *window, std::function<void(const QString &key)> handler)
{
    auto *bar = new Toolbar(window);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    window->addToolBar(bar);
    // A button's command runs inside the window's boundary, whatever the handler does.
    bar->onButtonClick([window, handler = std::move(handler)](const QString &key) {
        runCommand(window, [&] { handler(key); });
    });
    return bar;
}

}  // namespace ui
