#pragma once
// Runs a modal show: returns once the form is no longer shown (hidden or unloaded). The
// program runs a nested event loop; tests install a runner that plays a script instead.

namespace ui {

class Form;

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual void run(Form &form) = 0;
};

// Not owned; nullptr removes it, and a modal show then throws std::logic_error.
void setModalRunner(ModalRunner *runner);
ModalRunner *modalRunner();

}  // namespace ui
