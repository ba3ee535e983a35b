#include "CommandBoundary.h"

#include "MousePointer.h"
#include "MsgBox.h"
#include "db/Error.h"

#include <QPointer>
#include <QProgressBar>
#include <exception>
#include <vector>

namespace ui {

namespace {

int commandDepth = 0;

std::vector<QPointer<QWidget>> &waitWindows()
{
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

void restoreAfterFailure(QWidget *window)
{
    setScreenMousePointer(MousePointer::Default);
    if (window) {
        setMousePointer(*window->window(), MousePointer::Default);
        for (QProgressBar *bar : window->window()->findChildren<QProgressBar *>())
            bar->reset();
    }
    for (const QPointer<QWidget> &wait : waitWindows())
        if (wait)
            wait->hide();
}

void report(QWidget *window, const QString &description)
{
    restoreAfterFailure(window);
    errorBox(description);
}

}  // namespace

void runCommand(QWidget *window, const std::function<void()> &body)
{
    if (commandDepth > 0) {
        body();
        return;
    }
    struct Depth {
        Depth() { ++commandDepth; }
        ~Depth() { --commandDepth; }
    };
    try {
        Depth depth;
        body();
    } catch (const db::DbError &e) {
        report(window, e.description());
    } catch (const std::exception &e) {
        report(window, QStringLiteral("The command failed: ") + QString::fromUtf8(e.what()));
    } catch (...) {
        report(window, QStringLiteral("The command failed for an unknown reason."));
    }
}

QAction *addMenuItem(QMenu *menu, const QString &caption, QWidget *window, std::function<void()> handler)
{
    QAction *item = menu->addAction(caption);
    if (handler)
        QObject::connect(item, &QAction::triggered, window, command(window, std::move(handler)));
    return item;
}

void registerWaitWindow(QWidget *waitWindow)
{
    auto &windows = waitWindows();
    std::erase_if(windows, [](const QPointer<QWidget> &w) { return w.isNull(); });
    windows.emplace_back(waitWindow);
}

}  // namespace ui
