#pragma once
// Unloads every form a test left loaded and lets the event loop release them, so that the
// next test starts with no open forms.

#include "ui/Forms.h"

#include <QCoreApplication>
#include <QEvent>

struct FormsCleanup {
    FormsCleanup() = default;
    FormsCleanup(const FormsCleanup &) = delete;
    FormsCleanup &operator=(const FormsCleanup &) = delete;
    ~FormsCleanup() { unloadAll(); }

    static void unloadAll()
    {
        for (const auto &f : ui::forms().snapshot())
            f->unload();
        releaseUnloaded();
    }
    // What the event loop does between two events: forms unloaded meanwhile are released.
    static void releaseUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
