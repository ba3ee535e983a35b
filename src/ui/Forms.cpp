#include "Forms.h"

#include "Like.h"

#include <algorithm>

namespace ui {

Forms &forms()
{
    static Forms f;
    return f;
}

std::shared_ptr<Form> Forms::findByCaption(const QString &captionOrPattern) const
{
    for (const auto &f : m_forms) {
        const QString caption = f->caption();
        if (caption == captionOrPattern || Like(caption, captionOrPattern))
            return f;
    }
    return nullptr;
}

void Forms::remove(const Form *form)
{
    m_forms.erase(std::remove_if(m_forms.begin(), m_forms.end(), [form](const auto &f) { return f.get() == form; }),
                  m_forms.end());
}

}  // namespace ui
