#pragma once
// A toolbar whose buttons are known by their place (1-based, separators counted, as
// the windows number them) and by a key. Pressing a button hands its key to the
// window's click handler, which decides by comparing keys, so two keys that differ in
// letter case are two different buttons.

#include <QHash>
#include <QIcon>
#include <QToolBar>
#include <functional>
#include <vector>

namespace ui {

class Toolbar : public QToolBar {
public:
    explicit Toolbar(QWidget *parent = nullptr);
    // The fixed toolbar "ToolBar1" of a main window, its clicks going to handler.
    static Toolbar *addTo(class QMainWindow *window, std::function<void(const QString &key)> handler);

    // The images buttons refer to by key.
    void addImage(const QString &key, const QIcon &icon);
    QIcon image(const QString &key) const { return m_images.value(key); }

    QAction *addButton(const QString &key, const QString &imageKey, const QString &toolTip);
    void addSeparatorButton();

    int buttonCount() const { return int(m_buttons.size()); }
    // nullptr outside 1..buttonCount().
    QAction *button(int index) const;
    // The first button whose key equals key exactly; nullptr when none does.
    QAction *button(const QString &key) const;
    QString key(int index) const;
    void setButtonImage(const QString &key, const QString &imageKey);
    QString buttonImage(const QString &key) const;

    void onButtonClick(std::function<void(const QString &key)> handler) { m_onClick = std::move(handler); }

private:
    struct Button {
        QString key;
        QString image;
        QAction *action;
    };
    QHash<QString, QIcon> m_images;
    std::vector<Button> m_buttons;
    std::function<void(const QString &)> m_onClick;
};

}  // namespace ui
