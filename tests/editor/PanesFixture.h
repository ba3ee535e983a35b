#pragma once
// The main window with a new ontology open and a few concepts of each kind, for the
// commands of the concept panes.

#include "editor/frmEditRel.h"
#include "ontology/HierarchyFixture.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPopupMenus.h"
#include "support/UserClicks.h"
#include "ui/DataList.h"

#include <QListWidget>

inline QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

inline void select(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->setCurrentItem(found.front());
}

inline void select(ui::DataList *list, const QString &text)
{
    ASSERT_TRUE(list->findFirst([&](const QString &t) { return t == text; })) << text.toStdString();
}

inline QStringList rows(const ui::DataList *list)
{
    QStringList out;
    for (int i = 0; i < list->rowCount(); ++i)
        out << list->source()->text(i);
    return out;
}

inline int count(const QString &sql, const QVariantList &params = {})
{
    return OntologyDB.scalar(sql, params).toInt();
}

class PanesTest : public MainWindowTest {
protected:
    ScriptedPopupMenus popups;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        newOntology(QStringLiteral("Panes"), QStringLiteral("panes.ont"));
        addIsA({{"CAR", "OBJECT"}, {"WHEEL", "OBJECT"}, {"ENGINE", "OBJECT"}, {"RUN", "EVENT"}});
        OntologyDB.execute(QStringLiteral("UPDATE CONCEPTS SET Type = 2 WHERE Concept = 'RUN'"));
    }

    // A right click on the pane's selected row, or below its rows when none is selected,
    // with the pane's tab shown.
    void rightClickPane(QAbstractItemView *pane)
    {
        showPane(pane);
        const QModelIndex selected = pane->selectionModel()->selectedIndexes().value(0);
        if (selected.isValid())
            clickRow(pane, selected, Qt::RightButton);
        else
            rightClickBelowRows(pane);
    }

    // As the user would: through the concept list, rebuilt first for the concepts the
    // test added since.
    void showConcept(const QString &conceptId)
    {
        main->InitRSListConcepts();
        main->GoToConcept(conceptId);
        ASSERT_EQ(main->CurrentConcept, conceptId);
    }
};
