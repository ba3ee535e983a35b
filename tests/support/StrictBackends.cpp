#include "StrictBackends.h"

#include "ui/FileDialog.h"
#include "ui/InputBox.h"
#include "ui/MsgBox.h"

#include <gtest/gtest.h>

namespace {

class StrictMessageBoxes : public ui::MessageBoxBackend {
public:
    ui::Answer ask(const ui::MessageBoxRequest &request) override
    {
        ADD_FAILURE() << "message box no script expected: \"" << request.prompt.toStdString() << "\"";
        return ui::Answer::Cancel;
    }
};

class StrictInputBoxes : public ui::InputBoxBackend {
public:
    std::optional<QString> ask(const ui::InputBoxRequest &request) override
    {
        ADD_FAILURE() << "input box no script expected: \"" << request.prompt.toStdString() << "\"";
        return std::nullopt;
    }
};

class StrictFileDialogs : public ui::FileDialogBackend {
public:
    std::optional<ui::FileDialogAnswer> ask(const ui::FileDialogRequest &request) override
    {
        ADD_FAILURE() << "file dialog no script expected: \"" << request.title.toStdString() << "\" in "
                      << request.initDir.toStdString();
        return std::nullopt;
    }
};

}  // namespace

void installStrictBackends()
{
    static StrictMessageBoxes messageBoxes;
    static StrictInputBoxes inputBoxes;
    static StrictFileDialogs fileDialogs;
    ui::setMessageBoxBackend(&messageBoxes);
    ui::setInputBoxBackend(&inputBoxes);
    ui::setFileDialogBackend(&fileDialogs);
}

WithoutBackends::WithoutBackends()
{
    ui::setMessageBoxBackend(nullptr);
    ui::setInputBoxBackend(nullptr);
    ui::setFileDialogBackend(nullptr);
}

WithoutBackends::~WithoutBackends() { installStrictBackends(); }
