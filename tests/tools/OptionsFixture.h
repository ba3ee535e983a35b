#pragma once
// A fresh ontology with the options of a new one, a stand-in for the main window that
// owns the options dialog, and the scripts that play the user's part.

#include "ontology/OntologyFile.h"
#include "support/FormsCleanup.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedModals.h"
#include "termbase/TermbaseFixture.h"
#include "tools/frmOntoOptions.h"

#include <QTreeWidget>
#include <QWidget>

class OwnerWindow : public ui::Form {
public:
    OwnerWindow() : ui::Form(new QWidget) {}
};

inline PropertiesText testProperties()
{
    PropertiesText p;
    p.Name = QStringLiteral("Test");
    return p;
}

struct OptionsFixture {
    WorkingOntology w;
    std::shared_ptr<OwnerWindow> owner = std::make_shared<OwnerWindow>();
    FormsCleanup cleanup;
    ScriptedModals modals;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;

    OptionsFixture()
    {
        OntologyInfo = NewOntologyInfo(testProperties());
        owner->load();
    }
    ~OptionsFixture() { OntologyInfo = OntologyInfoRecord(); }

    // Runs the Options command with the user doing what script does in the dialog.
    void run(std::function<void(frmOntoOptions &)> script)
    {
        modals.expect<frmOntoOptions>(std::move(script));
        RunOntologyOptions(*owner);
    }
};

inline QTreeWidgetItem *languageItem(const frmOntoOptions &d, const QString &id)
{
    for (int i = 0; i < d.lvwLangs->topLevelItemCount(); ++i)
        if (d.lvwLangs->topLevelItem(i)->text(1) == id)
            return d.lvwLangs->topLevelItem(i);
    return nullptr;
}

inline QStringList workingLanguages()
{
    QStringList out;
    db::Statement st(OntologyDB, "SELECT Lang_ID FROM Languages WHERE Show ORDER BY Lang_ID");
    while (st.step())
        out << st.column(0).toString();
    return out;
}
