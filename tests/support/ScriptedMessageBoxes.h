#pragma once
// Answers the program's message boxes from a script and records every box asked.
// A box nobody expected fails the test at once; answers left unused fail at the end.

#include "ui/MsgBox.h"

#include <QString>
#include <deque>
#include <vector>

class ScriptedMessageBoxes : public ui::MessageBoxBackend {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;

    // The next box must contain `promptPart` in its prompt; it is answered with `answer`.
    ScriptedMessageBoxes &expect(const QString &promptPart, ui::Answer answer = ui::Answer::Ok);

    const std::vector<ui::MessageBoxRequest> &asked() const { return m_asked; }
    // Prompts of every box asked, in order.
    QStringList prompts() const;
    bool pending() const { return !m_script.empty(); }

    ui::Answer ask(const ui::MessageBoxRequest &request) override;

private:
    struct Step {
        QString promptPart;
        ui::Answer answer;
    };
    std::deque<Step> m_script;
    std::vector<ui::MessageBoxRequest> m_asked;
    ui::MessageBoxBackend *m_previous;
};
