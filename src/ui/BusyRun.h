#pragma once
// A long run over many items on the one thread: the windows keep painting (the progress
// bar moves visibly) while what the user does is held off until the run ends. Clicks and
// keys wait in the queue, and no window can be closed under the run, so nothing the run
// reads (an ontology, a termbase, the window itself) goes away while it works.

#include <QElapsedTimer>
#include <memory>

class QObject;

namespace ui {

class BusyRun {
public:
    BusyRun();
    ~BusyRun();
    BusyRun(const BusyRun &) = delete;
    BusyRun &operator=(const BusyRun &) = delete;

    // Lets the windows paint when the last paint is long enough ago; cheap to call per item.
    void paint();
    // Lets them paint now (after the wait window is shown, at the end of a phase).
    void paintNow();

private:
    std::unique_ptr<QObject> m_closeFilter;
    QElapsedTimer m_sincePaint;
};

}  // namespace ui
