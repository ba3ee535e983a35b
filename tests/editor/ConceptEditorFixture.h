#pragma once
// The main window on a new ontology named like a relation dialog's caption ("... Relation"),
// with what the window hands to the termbases recorded instead of sent.

#include "editor/frmNewConcept.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPopupMenus.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ontology/ConceptCommands.h"
#include "ontology/ConceptList.h"
#include "ui/StatusBar.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>

struct TermbaseSync {
    QString concept_;
    QString previous;
    int operation;
    bool operator==(const TermbaseSync &) const = default;
};

inline std::ostream &operator<<(std::ostream &os, const TermbaseSync &s)
{
    return os << s.concept_.toStdString() << "/" << s.previous.toStdString() << "/" << s.operation;
}

class RecordingEditor : public frmOntoEdit {
public:
    std::vector<TermbaseSync> syncs;
    void SyncConceptToTermbases(const QString &identifier, const QString &previous, int operation) override
    {
        syncs.push_back({identifier, previous, operation});
    }
};

class ConceptEditorTest : public MainWindowTest {
protected:
    std::shared_ptr<RecordingEditor> editor;
    ScriptedPopupMenus menus;

    void SetUp() override
    {
        ui::setAppPath(dir.path());
        editor = std::make_shared<RecordingEditor>();
        main = editor;
        main->load();
        newOntology(QStringLiteral("Kinship Relation"), QStringLiteral("kin.ont"));
    }

    int count(const QString &sql, const QVariantList &params = {}) const
    {
        return OntologyDB.scalar(sql, params).toInt();
    }
    bool exists(const QString &id) const { return count("SELECT COUNT(*) FROM CONCEPTS WHERE Concept = ?", {id}) == 1; }

    // Rows added behind the window's back, then the list rebuilt as after an import.
    void addConcept(const QString &id, const QString &parent, int type = 1)
    {
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, 'd', ?, 1)", {id, type});
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)", {id, parent});
    }
    void rebuild()
    {
        main->CountConcepts();
        main->InitRSListConcepts();
        main->ShowConceptCounts();
    }

    QString panel(int i) const { return main->StatusBar1->panelText(i); }
    static QStringList items(const QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    // Every row of a pane that reads its rows as they are shown, as if scrolled to its end.
    static QStringList items(ui::DataList *list)
    {
        while (list->model()->canFetchMore({}))
            list->model()->fetchMore({});
        QStringList out;
        for (int i = 0; i < list->rowCount(); ++i)
            out << list->source()->text(i);
        return out;
    }
    static int count(ui::DataList *list) { return int(items(list).size()); }

    // The add-concept dialog, opened as the menu opens it.
    std::shared_ptr<frmNewConcept> addDialog()
    {
        main->mnuConceptAdd_Click();
        return ui::forms().first<frmNewConcept>();
    }
    static bool pickParent(frmNewConcept &d, const QString &parent)
    {
        return d.dblParents->findFirst([&](const QString &t) { return t == parent; });
    }
    // One row of the whole ontology per table, to tell that a command changed nothing.
    QList<int> tableCounts() const
    {
        QList<int> out;
        for (const char *t : {"CONCEPTS", "ISA", "INVERSES", "RELATIONS", "ATTRIBUTES", "Names", "Notes"})
            out << count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t)));
        return out;
    }
};
