// Commands of the main window that open the ontology's tool windows.

#include "frmOntoEdit.h"

#include "tools/frmOntoOptions.h"

void frmOntoEdit::mnuToolsOptions_Click()
{
    // Windows that offer concepts must not offer those removed with a subset.
    if (RunOntologyOptions(*this))
        SignalConceptDeleted();
    // Whatever the answer: the caller that asked for the options relies on a list built
    // under the options now in force.
    InitRSListConcepts();
    ShowConceptCounts();
}
