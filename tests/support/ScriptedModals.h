#pragma once
// Plays the user's part in modal shows. The test queues one script per modal form it
// expects, by the form's type; the script runs inside the modal show, sets controls and
// clicks OK or Cancel, or closes the form by its frame. A modal show nobody expected, one
// of another type, or a form still shown after its script fails the test at once, and the
// form is unloaded, so a test never hangs on a modal show.

#include "ui/Form.h"
#include "ui/ModalRunner.h"

#include <deque>
#include <functional>
#include <string>

class ScriptedModals : public ui::ModalRunner {
public:
    ScriptedModals();
    ~ScriptedModals() override;

    template <class T>
    ScriptedModals &expect(std::function<void(T &)> script)
    {
        m_script.push_back({typeName(typeid(T)), [script](ui::Form &form) {
                                T *t = dynamic_cast<T *>(&form);
                                if (t)
                                    script(*t);
                                return t != nullptr;
                            }});
        return *this;
    }

    bool pending() const { return !m_script.empty(); }
    void run(ui::Form &form) override;

    static std::string typeName(const std::type_info &type);

private:
    struct Step {
        std::string type;
        std::function<bool(ui::Form &)> play;  // false: the form was not of the type
    };
    std::deque<Step> m_script;
    ui::ModalRunner *m_previous;
};
