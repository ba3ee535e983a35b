// Commands of the main window that open the ontology's tool windows.

#include "frmOntoEdit.h"

#include "tools/frmImport.h"
#include "tools/frmBatchNaming.h"
#include "tools/frmOntoOptions.h"

#include <memory>

void frmOntoEdit::mnuToolsOptions_Click()
{
    RunOntologyOptions(*this, [this](const QStringList &removed) {
        SyncDeletedConceptsToTermbases(removed);
        // Windows that offer concepts must not offer those removed with the subset.
        SignalConceptDeleted();
    });
    // Whatever the answer: the caller that asked for the options relies on a list built
    // under the options now in force, and the counts follow subsets removed and concepts
    // moved between subsets.
    InitRSListConcepts();
}

void frmOntoEdit::mnuFileImport_Click()
{
    const auto import = std::make_shared<frmImport>();
    import->load();
    import->conceptsAdded = [this](const QStringList &added) { SyncAddedConceptsToTermbases(added); };
    import->showModal(*this);
    import->unload();
    // The import may have added concepts: the list and both counts show them at once.
    InitRSListConcepts();
}

void frmOntoEdit::mnuToolsBatchNaming_Click()
{
    const auto dialog = std::make_shared<frmBatchNaming>();
    // After each action the names pane shows the current concept's names as they now are.
    dialog->showConceptNames = [this] { FillNamesList(); };
    dialog->load();
    dialog->showModal(*this);
}
