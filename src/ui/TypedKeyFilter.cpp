#include "TypedKeyFilter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace {

// Delete (U+007F), Backspace, Tab, Enter and Escape carry control characters as their
// text: they edit or leave the box, they type nothing into it.
bool typesCharacter(const QKeyEvent &k)
{
    if (k.text().isEmpty() || (k.modifiers() & Qt::ControlModifier))
        return false;
    for (const QChar c : k.text())
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

// Line breaks and other control characters in pasted or composed text are no typed
// characters: a handler would take a line break for Enter.
QString mapped(const QString &text, const KeyHandler &handler)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (c.category() != QChar::Other_Control)
            if (const int key = handler(c.unicode()))
                out += QChar(key);
    return out;
}

class TypedKeys : public QObject {
public:
    TypedKeys(QLineEdit *box, KeyHandler handler, TypedKeyOptions options)
        : QObject(box), m_box(box), m_handler(std::move(handler)), m_options(std::move(options))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(*static_cast<QKeyEvent *>(event));
        case QEvent::InputMethod:
            inputMethod(*static_cast<QInputMethodEvent *>(event));
            return false;
        case QEvent::MouseButtonRelease:
            return watched == m_box && middleButtonPaste(*static_cast<QMouseEvent *>(event));
        case QEvent::Drop:
            return watched == m_box && drop(*static_cast<QDropEvent *>(event));
        case QEvent::ContextMenu:
            return watched == m_box && contextMenu(*static_cast<QContextMenuEvent *>(event));
        default:
            return false;
        }
    }

private:
    bool keyPress(const QKeyEvent &k)
    {
        if (k.matches(QKeySequence::Paste)) {
            if (!m_box->isReadOnly())
                paste(QApplication::clipboard()->text());
            return true;
        }
        if (k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter)
            return m_options.enter == EnterKey::ToHandler && m_handler(13) == 0;
        if (!typesCharacter(k))
            return false;
        const QString keys = mapped(k.text(), m_handler);
        if (keys == k.text())
            return false;
        m_box->insert(keys);
        return true;
    }

    // Composed text arrives whole rather than as keys; it keeps to the same rule.
    void inputMethod(QInputMethodEvent &e) const
    {
        if (!e.commitString().isEmpty())
            e.setCommitString(mapped(e.commitString(), m_handler), e.replacementStart(), e.replacementLength());
    }

    // Where the platform keeps a selection, the middle button pastes it at the cursor.
    bool middleButtonPaste(const QMouseEvent &e)
    {
        QClipboard *clipboard = QApplication::clipboard();
        if (e.button() != Qt::MiddleButton || !clipboard->supportsSelection() || m_box->isReadOnly())
            return false;
        m_box->deselect();
        paste(clipboard->text(QClipboard::Selection));
        return true;
    }

    bool drop(QDropEvent &e)
    {
        if (!e.mimeData()->hasText() || m_box->isReadOnly())
            return false;
        m_box->setCursorPosition(m_box->cursorPositionAt(e.position().toPoint()));
        paste(e.mimeData()->text());
        // Copied, never moved: text dragged out of this box goes back filtered, the
        // original stays where it was.
        e.setDropAction(Qt::CopyAction);
        e.accept();
        return true;
    }

    bool contextMenu(const QContextMenuEvent &e)
    {
        if (m_box->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        QMenu *menu = m_box->createStandardContextMenu();
        for (QAction *a : menu->actions())
            if (QObject::disconnect(a, SIGNAL(triggered()), m_box, SLOT(paste())))
                QObject::connect(a, &QAction::triggered, m_box, [this] { paste(QApplication::clipboard()->text()); });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(e.globalPos());
        return true;
    }

    void paste(const QString &text)
    {
        if (m_options.paste)
            m_options.paste(text);
        else
            m_box->insert(pastedKeys(text, m_handler));
    }

    QLineEdit *m_box;
    KeyHandler m_handler;
    TypedKeyOptions m_options;
};

}  // namespace

void installTypedKeyFilter(QLineEdit *box, KeyHandler handler, TypedKeyOptions options)
{
    box->installEventFilter(new TypedKeys(box, std::move(handler), std::move(options)));
}

void installTypedKeyFilter(QComboBox *box, KeyHandler handler, TypedKeyOptions options)
{
    auto *keys = new TypedKeys(box->lineEdit(), std::move(handler), std::move(options));
    box->lineEdit()->installEventFilter(keys);  // the mouse: pastes, drops, its menu
    box->installEventFilter(keys);              // the keys
}

QString pastedKeys(const QString &text, const KeyHandler &handler)
{
    constexpr int PasteLimit = 255;
    return mapped(text.left(PasteLimit), handler);
}
