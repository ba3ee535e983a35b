#pragma once
// Unloads every form a test left loaded and lets the event loop release them, so that the
// next test starts with no open forms. A form that refuses to unload fails the test that
// left it, by its caption, rather than whichever test runs next in the same program.

#include "ui/Forms.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

struct FormsCleanup {
    FormsCleanup() = default;
    FormsCleanup(const FormsCleanup &) = delete;
    FormsCleanup &operator=(const FormsCleanup &) = delete;
    ~FormsCleanup()
    {
        unloadAll();
        for (const auto &f : ui::forms().snapshot())
            ADD_FAILURE() << "the test left the form \"" << f->caption().toStdString() << "\" loaded";
    }

    static void unloadAll()
    {
        for (const auto &f : ui::forms().snapshot())
            f->unload();
        releaseUnloaded();
    }
    // What the event loop does between two events: forms unloaded meanwhile are released.
    static void releaseUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
