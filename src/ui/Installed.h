#pragma once
// The one backend of a kind that is installed now (message boxes, file dialogs, ...): the
// program's Qt one, a test's script, or nullptr for the quiet default.

namespace ui {

template <class Backend>
Backend *&installed()
{
    static Backend *b = nullptr;
    return b;
}

}  // namespace ui
