#include "PopupMenu.h"

#include "Installed.h"

#include <QAbstractItemView>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

namespace ui {

namespace {

// Where the pop-up asked for by the request now being handled goes.
std::optional<QPoint> &requestedPlace()
{
    static std::optional<QPoint> place;
    return place;
}

bool isPopupKey(const QKeyEvent &k)
{
    return k.key() == Qt::Key_Menu || (k.key() == Qt::Key_F10 && k.modifiers() == Qt::ShiftModifier);
}

class PopupRequests : public QObject {
public:
    PopupRequests(QAbstractItemView *view, std::function<void(const QModelIndex &)> handler)
        : QObject(view), m_view(view), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ContextMenu:
            return true;
        case QEvent::MouseButtonRelease: {
            const auto *m = static_cast<QMouseEvent *>(event);
            if (watched != m_view->viewport() || m->button() != Qt::RightButton)
                return false;
            request(m_view->indexAt(m->position().toPoint()), m->globalPosition().toPoint());
            return false;
        }
        case QEvent::KeyPress: {
            if (watched != m_view || !isPopupKey(*static_cast<QKeyEvent *>(event)))
                return false;
            const QModelIndex current = m_view->currentIndex();
            QPoint at(0, 0);
            if (current.isValid()) {
                m_view->scrollTo(current);
                at = m_view->visualRect(current).center();
            }
            request(current, m_view->viewport()->mapToGlobal(at));
            return true;
        }
        default:
            return false;
        }
    }

private:
    void request(const QModelIndex &at, const QPoint &place)
    {
        requestedPlace() = place;
        struct Done {
            ~Done() { requestedPlace().reset(); }
        } done;
        m_handler(at);
    }

    QAbstractItemView *m_view;
    std::function<void(const QModelIndex &)> m_handler;
};

}  // namespace

void setPopupMenuBackend(PopupMenuBackend *b) { installed<PopupMenuBackend>() = b; }

void popupMenu(QMenu &menu)
{
    if (PopupMenuBackend *backend = installed<PopupMenuBackend>())
        backend->popup(menu, requestedPlace().value_or(QCursor::pos()));
}

void onPopupRequest(QAbstractItemView *view, std::function<void(const QModelIndex &at)> handler)
{
    auto *requests = new PopupRequests(view, std::move(handler));
    view->installEventFilter(requests);
    view->viewport()->installEventFilter(requests);
}

}  // namespace ui
