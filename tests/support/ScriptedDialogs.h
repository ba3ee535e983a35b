#pragma once
// Answers the program's input boxes and file dialogs from a script and records every one
// asked. One nobody expected fails the test at once (and is cancelled); answers left
// unused fail at the end.

#include "ui/FileDialog.h"
#include "ui/InputBox.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

class ScriptedInputBoxes : public ui::InputBoxBackend {
public:
    ScriptedInputBoxes();
    ~ScriptedInputBoxes() override;

    // The next box must contain `promptPart` in its prompt; it is answered with `text`.
    ScriptedInputBoxes &answer(const QString &promptPart, const QString &text);
    ScriptedInputBoxes &cancel(const QString &promptPart);

    const std::vector<ui::InputBoxRequest> &asked() const { return m_asked; }
    std::optional<QString> ask(const ui::InputBoxRequest &request) override;

private:
    struct Step {
        QString promptPart;
        std::optional<QString> answer;
    };
    std::deque<Step> m_script;
    std::vector<ui::InputBoxRequest> m_asked;
    ui::InputBoxBackend *m_previous;
};

class ScriptedFileDialogs : public ui::FileDialogBackend {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;

    // The next dialog chooses `path` (with the filter it was shown with).
    ScriptedFileDialogs &answer(const QString &path);
    ScriptedFileDialogs &cancel();

    const std::vector<ui::FileDialogRequest> &asked() const { return m_asked; }
    std::optional<ui::FileDialogAnswer> ask(const ui::FileDialogRequest &request) override;

private:
    std::deque<std::optional<QString>> m_script;
    std::vector<ui::FileDialogRequest> m_asked;
    ui::FileDialogBackend *m_previous;
};
