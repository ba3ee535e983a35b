#include "Channel.h"

namespace ui {

void Channel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    // A copy, so a handler that installs another handler does not destroy itself mid-run.
    if (const Handler handler = m_handler)
        handler();
}

}  // namespace ui
