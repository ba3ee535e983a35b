#pragma once
// Message boxes as the program asks them: a prompt, a set of buttons, an icon and a
// title (empty means the program's title). Who answers is a backend: the Qt dialog in
// the program, a script in tests. Needs no widget header, so plain modules can ask too.

#include <QString>

namespace ui {

enum class Buttons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct MessageBoxRequest {
    QString prompt;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;  // as shown: never empty
};

class MessageBoxBackend {
public:
    virtual ~MessageBoxBackend() = default;
    virtual Answer ask(const MessageBoxRequest &request) = 0;
};

// Installs the backend that answers from now on (not owned); nullptr restores the default,
// which answers every box with its first button without showing anything.
void setMessageBoxBackend(MessageBoxBackend *backend);

Answer msgBox(const QString &prompt, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
              const QString &title = {});

// The one way a failure is reported: the message with the critical icon, titled "Error".
void errorBox(const QString &message);

}  // namespace ui
