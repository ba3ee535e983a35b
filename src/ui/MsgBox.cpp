#include "MsgBox.h"

#include "App.h"
#include "Installed.h"

namespace ui {

namespace {

Answer firstButton(Buttons b)
{
    switch (b) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    case Buttons::YesNoCancel:
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::RetryCancel:
        return Answer::Retry;
    }
    return Answer::Ok;
}

}  // namespace

void setMessageBoxBackend(MessageBoxBackend *b) { installed<MessageBoxBackend>() = b; }

Answer msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title)
{
    const MessageBoxRequest request{prompt, buttons, icon, title.isEmpty() ? appTitle() : title};
    MessageBoxBackend *backend = installed<MessageBoxBackend>();
    return backend ? backend->ask(request) : firstButton(buttons);
}

void errorBox(const QString &message) { msgBox(message, Buttons::Ok, Icon::Critical, QStringLiteral("Error")); }

}  // namespace ui
