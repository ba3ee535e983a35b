// Commands of the main window that open the ontology's tool windows.

#include "frmOntoEdit.h"

#include "tools/frmOntoOptions.h"

void frmOntoEdit::mnuToolsOptions_Click()
{
    RunOntologyOptions(*this, [this](const QStringList &removed) {
        SyncDeletedConceptsToTermbases(removed);
        // Windows that offer concepts must not offer those removed with the subset.
        SignalConceptDeleted();
    });
    // Whatever the answer: the caller that asked for the options relies on a list built
    // under the options now in force.
    InitRSListConcepts();
    ShowConceptCounts();
}
