#pragma once
// Input boxes: a prompt, a title (empty means the program's title) and a default answer.
// Who answers is a backend: the Qt dialog in the program, a script in tests.

#include <QString>
#include <optional>

namespace ui {

struct InputBoxRequest {
    QString prompt;
    QString title;  // as shown: never empty
    QString defaultText;
};

class InputBoxBackend {
public:
    virtual ~InputBoxBackend() = default;
    // std::nullopt when the user cancelled.
    virtual std::optional<QString> ask(const InputBoxRequest &request) = 0;
};

// Installs the backend that answers from now on (not owned); nullptr restores the default,
// which cancels every box without showing anything.
void setInputBoxBackend(InputBoxBackend *backend);

// The typed text, or std::nullopt on Cancel.
std::optional<QString> inputBox(const QString &prompt, const QString &title = {},
                                const QString &defaultText = {});

// For callers that treat Cancel like an empty answer: "" on Cancel.
QString inputBoxOrEmpty(const QString &prompt, const QString &title = {}, const QString &defaultText = {});

}  // namespace ui
