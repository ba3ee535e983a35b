#include "InputBox.h"

#include "App.h"
#include "Installed.h"

namespace ui {

void setInputBoxBackend(InputBoxBackend *b) { installed<InputBoxBackend>() = b; }

std::optional<QString> inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    InputBoxBackend *backend = installed<InputBoxBackend>();
    if (!backend)
        return std::nullopt;
    return backend->ask({prompt, title.isEmpty() ? appTitle() : title, defaultText});
}

QString inputBoxOrEmpty(const QString &prompt, const QString &title, const QString &defaultText)
{
    return inputBox(prompt, title, defaultText).value_or(QString());
}

}  // namespace ui
