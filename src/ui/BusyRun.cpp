#include "BusyRun.h"

#include <QCoreApplication>
#include <QEvent>

namespace ui {

namespace {

constexpr int paintIntervalMs = 40;

// A close request that reaches a window during the run is refused; the user can close it
// once the run has ended.
class RefuseClose : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

}  // namespace

BusyRun::BusyRun() : m_closeFilter(std::make_unique<RefuseClose>())
{
    if (auto *app = QCoreApplication::instance())
        app->installEventFilter(m_closeFilter.get());
    m_sincePaint.start();
}

BusyRun::~BusyRun()
{
    if (auto *app = QCoreApplication::instance())
        app->removeEventFilter(m_closeFilter.get());
}

void BusyRun::paint()
{
    if (m_sincePaint.elapsed() >= paintIntervalMs)
        paintNow();
}

void BusyRun::paintNow()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePaint.restart();
}

}  // namespace ui
