#include "ScriptedMessageBoxes.h"

#include <QStringList>
#include "ui/Installed.h"

#include <gtest/gtest.h>

ScriptedMessageBoxes::ScriptedMessageBoxes() : m_previous(ui::installed<ui::MessageBoxBackend>()) { ui::setMessageBoxBackend(this); }

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    ui::setMessageBoxBackend(m_previous);
    for (const Step &s : m_script)
        ADD_FAILURE() << "expected message box never came: " << s.promptPart.toStdString();
}

ScriptedMessageBoxes &ScriptedMessageBoxes::expect(const QString &promptPart, ui::Answer answer)
{
    m_script.push_back({promptPart, answer});
    return *this;
}

QStringList ScriptedMessageBoxes::prompts() const
{
    QStringList out;
    for (const auto &r : m_asked)
        out << r.prompt;
    return out;
}

ui::Answer ScriptedMessageBoxes::ask(const ui::MessageBoxRequest &request)
{
    m_asked.push_back(request);
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected message box: " << request.prompt.toStdString();
        return ui::Answer::Cancel;
    }
    const Step step = m_script.front();
    m_script.pop_front();
    EXPECT_TRUE(request.prompt.contains(step.promptPart))
        << "message box \"" << request.prompt.toStdString() << "\" where \"" << step.promptPart.toStdString()
        << "\" was expected";
    return step.answer;
}
