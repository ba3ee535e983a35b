#pragma once
// What other windows ask of the main window: to show a concept. The main window is built
// on top of those windows, so they reach it through this and never through its class.

#include <QString>

class ConceptEditorLink {
public:
    virtual ~ConceptEditorLink() = default;
    // Makes exactly that concept the current concept and shows its panes.
    virtual void GoToConcept(const QString &identifier) = 0;
};
