#include "ScriptedPopupMenus.h"

#include <QMenu>
#include "ui/Installed.h"

#include <gtest/gtest.h>

namespace {
QString plainText(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}
}  // namespace

const PoppedItem *PoppedMenu::item(const QString &text) const
{
    for (const PoppedItem &i : items)
        if (i.text == text)
            return &i;
    return nullptr;
}

ScriptedPopupMenus::ScriptedPopupMenus() : m_previous(ui::installed<ui::PopupMenuBackend>()) { ui::setPopupMenuBackend(this); }

ScriptedPopupMenus::~ScriptedPopupMenus()
{
    ui::setPopupMenuBackend(m_previous);
    for (const auto &s : m_script)
        ADD_FAILURE() << "expected pop-up menu never came (choice: " << (s ? s->toStdString() : "none") << ")";
}

ScriptedPopupMenus &ScriptedPopupMenus::choose(const QString &itemText)
{
    m_script.push_back(itemText);
    return *this;
}

ScriptedPopupMenus &ScriptedPopupMenus::chooseNothing()
{
    m_script.push_back(std::nullopt);
    return *this;
}

void ScriptedPopupMenus::popup(QMenu &menu, const QPoint &at)
{
    PoppedMenu popped{plainText(menu.title()), {}, at};
    QAction *chosen = nullptr;
    const std::optional<QString> choice =
        m_script.empty() ? std::nullopt : m_script.front();
    for (QAction *a : menu.actions()) {
        if (a->isSeparator())
            continue;
        popped.items.push_back({plainText(a->text()), a->isEnabled(), a->isVisible(), a->isChecked()});
        if (choice && popped.items.back().text == *choice)
            chosen = a;
    }
    m_shown.push_back(popped);
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected pop-up menu " << popped.title.toStdString();
        return;
    }
    m_script.pop_front();
    if (!choice)
        return;
    if (!chosen) {
        ADD_FAILURE() << "pop-up menu " << popped.title.toStdString() << " has no item " << choice->toStdString();
        return;
    }
    if (!chosen->isVisible() || !chosen->isEnabled()) {
        ADD_FAILURE() << "item " << choice->toStdString() << " of pop-up menu " << popped.title.toStdString()
                      << " cannot be chosen: it is hidden or disabled";
        return;
    }
    chosen->trigger();
}
