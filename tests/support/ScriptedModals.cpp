#include "ScriptedModals.h"

#include <cxxabi.h>
#include <gtest/gtest.h>
#include <memory>

ScriptedModals::ScriptedModals() : m_previous(ui::modalRunner()) { ui::setModalRunner(this); }

ScriptedModals::~ScriptedModals()
{
    ui::setModalRunner(m_previous);
    for (const Step &s : m_script)
        ADD_FAILURE() << "expected modal " << s.type << " was never shown";
}

std::string ScriptedModals::typeName(const std::type_info &type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                 std::free);
    return status == 0 && name ? name.get() : type.name();
}

void ScriptedModals::run(ui::Form &form)
{
    const std::string shown = typeName(typeid(form));
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected modal " << shown << " \"" << form.caption().toStdString() << "\"";
        form.unload();
        return;
    }
    const Step step = m_script.front();
    m_script.pop_front();
    if (!step.play(form)) {
        ADD_FAILURE() << "modal " << shown << " shown where " << step.type << " was expected";
        form.unload();
        return;
    }
    if (form.isShown()) {
        ADD_FAILURE() << "modal " << shown << " is still shown after its script";
        form.unload();
    }
}
