#include "InputBox.h"

#include "App.h"

namespace ui {

namespace {
InputBoxBackend *&backend()
{
    static InputBoxBackend *b = nullptr;
    return b;
}
}  // namespace

void setInputBoxBackend(InputBoxBackend *b) { backend() = b; }

std::optional<QString> inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    if (!backend())
        return std::nullopt;
    return backend()->ask({prompt, title.isEmpty() ? appTitle() : title, defaultText});
}

QString inputBoxOrEmpty(const QString &prompt, const QString &title, const QString &defaultText)
{
    return inputBox(prompt, title, defaultText).value_or(QString());
}

}  // namespace ui
