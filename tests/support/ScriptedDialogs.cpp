#include "ScriptedDialogs.h"

#include "ui/Installed.h"

#include <gtest/gtest.h>

ScriptedInputBoxes::ScriptedInputBoxes() : m_previous(ui::installed<ui::InputBoxBackend>()) { ui::setInputBoxBackend(this); }

ScriptedInputBoxes::~ScriptedInputBoxes()
{
    ui::setInputBoxBackend(m_previous);
    for (const Step &s : m_script)
        ADD_FAILURE() << "expected input box never came: " << s.promptPart.toStdString();
}

ScriptedInputBoxes &ScriptedInputBoxes::answer(const QString &promptPart, const QString &text)
{
    m_script.push_back({promptPart, text});
    return *this;
}

ScriptedInputBoxes &ScriptedInputBoxes::cancel(const QString &promptPart)
{
    m_script.push_back({promptPart, std::nullopt});
    return *this;
}

std::optional<QString> ScriptedInputBoxes::ask(const ui::InputBoxRequest &request)
{
    m_asked.push_back(request);
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected input box: " << request.prompt.toStdString();
        return std::nullopt;
    }
    const Step step = m_script.front();
    m_script.pop_front();
    EXPECT_TRUE(request.prompt.contains(step.promptPart))
        << "input box \"" << request.prompt.toStdString() << "\" where \"" << step.promptPart.toStdString()
        << "\" was expected";
    return step.answer;
}

ScriptedFileDialogs::ScriptedFileDialogs() : m_previous(ui::installed<ui::FileDialogBackend>()) { ui::setFileDialogBackend(this); }

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    ui::setFileDialogBackend(m_previous);
    for (const auto &s : m_script)
        ADD_FAILURE() << "expected file dialog never came: " << (s ? s->toStdString() : "(cancel)");
}

ScriptedFileDialogs &ScriptedFileDialogs::answer(const QString &path)
{
    m_script.push_back(path);
    return *this;
}

ScriptedFileDialogs &ScriptedFileDialogs::cancel()
{
    m_script.push_back(std::nullopt);
    return *this;
}

std::optional<ui::FileDialogAnswer> ScriptedFileDialogs::ask(const ui::FileDialogRequest &request)
{
    m_asked.push_back(request);
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString() << " in "
                      << request.initDir.toStdString();
        return std::nullopt;
    }
    const std::optional<QString> step = m_script.front();
    m_script.pop_front();
    if (!step)
        return std::nullopt;
    return ui::FileDialogAnswer{*step, request.filterIndex};
}
