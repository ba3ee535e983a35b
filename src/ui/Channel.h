#pragma once
// A hidden label that one window writes to ask another for something. Writing a caption
// that differs from the current one runs the receiver's change handler at once, before the
// writer's next statement; writing the same caption again runs nothing. That is why
// senders write "" first and then the value: the second write is always a change.

#include <QString>
#include <functional>

namespace ui {

class Channel {
public:
    using Handler = std::function<void()>;

    QString caption() const { return m_caption; }
    // The handler reads caption(); it may write this or any other channel.
    void setCaption(const QString &caption);
    void onChange(Handler handler) { m_handler = std::move(handler); }

private:
    QString m_caption;
    Handler m_handler;
};

}  // namespace ui
