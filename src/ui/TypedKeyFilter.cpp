#include "TypedKeyFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class TypedKeys : public QObject {
public:
    TypedKeys(QLineEdit *box, std::function<int(int)> handler) : QObject(box), m_box(box), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *k = static_cast<QKeyEvent *>(event);
        if (k->text().size() != 1 || (k->modifiers() & Qt::ControlModifier) || k->key() == Qt::Key_Backspace ||
            k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter || k->key() == Qt::Key_Escape ||
            k->key() == Qt::Key_Tab)
            return false;
        const int typed = k->text().at(0).unicode();
        const int key = m_handler(typed);
        if (key == typed)
            return false;
        if (key != 0)
            m_box->insert(QString(QChar(key)));
        return true;
    }

private:
    QLineEdit *m_box;
    std::function<int(int)> m_handler;
};

}  // namespace

void installTypedKeyFilter(QLineEdit *box, std::function<int(int)> handler)
{
    box->installEventFilter(new TypedKeys(box, std::move(handler)));
}

QString pastedKeys(const std::function<int(int)> &handler)
{
    constexpr int PasteLimit = 255;
    QString keys;
    for (const QChar c : QApplication::clipboard()->text().left(PasteLimit))
        if (const int mapped = handler(c.unicode()))
            keys += QChar(mapped);
    return keys;
}
