#pragma once
// The open forms, in the order they were loaded: the main window, loaded first, is at(0).
// Windows look each other up by what they are (ofType), never by caption patterns, since
// captions carry names the user typed.

#include "Form.h"

#include <vector>

namespace ui {

class Forms {
public:
    int count() const { return int(m_forms.size()); }
    std::shared_ptr<Form> at(int i) const { return m_forms.at(size_t(i)); }

    // A copy of the collection: loops over it stay valid when forms unload meanwhile.
    std::vector<std::shared_ptr<Form>> snapshot() const { return m_forms; }

    template <class T>
    std::vector<std::shared_ptr<T>> ofType() const
    {
        std::vector<std::shared_ptr<T>> out;
        for (const auto &f : m_forms)
            if (auto t = std::dynamic_pointer_cast<T>(f))
                out.push_back(t);
        return out;
    }

    template <class T>
    std::shared_ptr<T> first() const
    {
        for (const auto &f : m_forms)
            if (auto t = std::dynamic_pointer_cast<T>(f))
                return t;
        return nullptr;
    }

    // The first form whose caption equals captionOrPattern or is Like it.
    std::shared_ptr<Form> findByCaption(const QString &captionOrPattern) const;

private:
    friend class Form;
    void add(std::shared_ptr<Form> form) { m_forms.push_back(std::move(form)); }
    void remove(const Form *form);

    std::vector<std::shared_ptr<Form>> m_forms;
};

Forms &forms();

// For windows of which at most one is open: the loaded one, or else a fresh one (an
// unloaded window comes back with its controls as designed).
template <class T>
std::shared_ptr<T> loadedOrNew()
{
    if (auto t = forms().first<T>())
        return t;
    return std::make_shared<T>();
}

}  // namespace ui
