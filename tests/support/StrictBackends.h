#pragma once
// What answers a message box, input box, file dialog or pop-up menu that no script of the
// test expects: nothing silently. Each fails the test that caused it, naming what was
// asked, and is answered as the user closing it (Cancel, no file, no choice). The test
// mains install these before any test; a script installed by a test answers instead while
// it lives and then hands back to these.

// Message boxes, input boxes and file dialogs: needs no widgets.
void installStrictBackends();
// Pop-up menus as well: for tests that have a QApplication.
void installStrictPopupMenus();

// For tests of what the program does with no backend installed at all: removes the strict
// answers of message boxes, input boxes and file dialogs while it lives.
class WithoutBackends {
public:
    WithoutBackends();
    ~WithoutBackends();
    WithoutBackends(const WithoutBackends &) = delete;
    WithoutBackends &operator=(const WithoutBackends &) = delete;
};
