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
            // A combo box shows its line edit's menu itself, past the line edit's filters.
            return (watched == m_box || watched == m_box->parent()) &&
                   contextMenu(*static_cast<QWidget *>(watched), *static_cast<QContextMenuEvent *>(event));
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

    // The box's own menu, built here rather than taken from Qt's: its Paste is this
    // filter's, whatever Qt's menu is wired to.
    bool contextMenu(const QWidget &asked, const QContextMenuEvent &e)
    {
        if (asked.contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        auto *menu = new QMenu(m_box);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const bool editable = !m_box->isReadOnly();
        const bool shown = m_box->echoMode() == QLineEdit::Normal;  // a password is neither cut nor copied
        const bool selected = m_box->hasSelectedText();
        const auto add = [&](const QString &text, QKeySequence::StandardKey key, bool enabled, auto act) {
            const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
            QAction *a = menu->addAction(shortcut.isEmpty() ? text : text + QLatin1Char('\t') + shortcut);
            a->setEnabled(enabled);
            QObject::connect(a, &QAction::triggered, m_box, act);
        };
        QLineEdit *box = m_box;
        if (editable) {
            add(QLineEdit::tr("&Undo"), QKeySequence::Undo, box->isUndoAvailable(), [box] { box->undo(); });
            add(QLineEdit::tr("&Redo"), QKeySequence::Redo, box->isRedoAvailable(), [box] { box->redo(); });
            menu->addSeparator();
            add(QLineEdit::tr("Cu&t"), QKeySequence::Cut, selected && shown, [box] { box->cut(); });
        }
        add(QLineEdit::tr("&Copy"), QKeySequence::Copy, selected && shown, [box] { box->copy(); });
        if (editable) {
            add(QLineEdit::tr("&Paste"), QKeySequence::Paste, !QApplication::clipboard()->text().isEmpty(),
                [this] { paste(QApplication::clipboard()->text()); });
            add(QLineEdit::tr("Delete"), QKeySequence::UnknownKey, selected, [box] { box->del(); });
        }
        menu->addSeparator();
        add(QLineEdit::tr("Select All"), QKeySequence::SelectAll, box->selectedText() != box->text(),
            [box] { box->selectAll(); });
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
