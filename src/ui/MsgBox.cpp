#include "MsgBox.h"

#include "App.h"

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

MessageBoxBackend *&backend()
{
    static MessageBoxBackend *b = nullptr;
    return b;
}

}  // namespace

void setMessageBoxBackend(MessageBoxBackend *b) { backend() = b; }

Answer msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title)
{
    const MessageBoxRequest request{prompt, buttons, icon, title.isEmpty() ? appTitle() : title};
    if (!backend())
        return firstButton(buttons);
    return backend()->ask(request);
}

}  // namespace ui
