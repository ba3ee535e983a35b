#include "frmNoteList.h"

#include "db/Error.h"
#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"
#include "frmNote.h"
#include "ontology/ConceptNotes.h"
#include "ontology/Global.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmNoteList::frmNoteList() : ui::Form(new QWidget)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Notes Management"));
    ListView1 = new QTreeWidget(w);
    ListView1->setHeaderLabels({QStringLiteral("Concept"), QStringLiteral("Date"), QStringLiteral("Note")});
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->header()->setStretchLastSection(true);
    cmdEdit = new QPushButton(QStringLiteral("&Edit"), w);
    cmdDelete = new QPushButton(QStringLiteral("&Delete"), w);
    cmdClose = new QPushButton(QStringLiteral("&Close"), w);
    setCancelButton(cmdClose);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdClose);
    auto *all = new QVBoxLayout(w);
    all->addWidget(ListView1, 1);
    all->addLayout(buttons);
    // The smallest size at which the list and its buttons still make sense.
    w->setMinimumSize(ui::twipsToPixels(5000), ui::twipsToPixels(3000));
    w->resize(ui::twipsToPixels(7500), ui::twipsToPixels(4500));
    QObject::connect(cmdEdit, &QPushButton::clicked, w, ui::command(w, [this] { cmdEdit_Click(); }));
    QObject::connect(cmdDelete, &QPushButton::clicked, w, ui::command(w, [this] { cmdDelete_Click(); }));
    QObject::connect(cmdClose, &QPushButton::clicked, w, ui::command(w, [this] { cmdClose_Click(); }));
    QObject::connect(ListView1, &QTreeWidget::itemDoubleClicked, w, ui::command(w, [this] { ListView1_DblClick(); }));
}

void frmNoteList::Form_Load()
{
    FillNoteList();
}

void frmNoteList::FillNoteList()
{
    ListView1->clear();
    try {
        for (const NoteRow &n : GetAllNotes()) {
            auto *item = new QTreeWidgetItem(ListView1);
            item->setText(0, n.conceptId);
            item->setIcon(0, QIcon(QStringLiteral(":/icons/note-in.xpm")));
            if (n.date.isValid())
                item->setText(1, n.date.toString(QStringLiteral("yyyy-MM-dd")));
            item->setText(2, n.note);
        }
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    ListView1->header()->resizeSections(QHeaderView::ResizeToContents);
}

void frmNoteList::cmdEdit_Click()
{
    QTreeWidgetItem *item = ListView1->currentItem();
    if (!item || !item->isSelected())
        return;
    if (EditConceptNote(*this, item->text(0)) != NoteChange::None)
        FillNoteList();
}

void frmNoteList::cmdDelete_Click()
{
    if (ListView1->topLevelItemCount() == 0)
        return;
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        ui::msgBox(QStringLiteral("Select one or more notes from the list."), ui::Buttons::Ok,
                   ui::Icon::Exclamation);
        return;
    }
    if (ui::msgBox(QStringLiteral("Are you sure you want to delete selected note(s)?"), ui::Buttons::YesNo,
                   ui::Icon::Exclamation) == ui::Answer::No)
        return;
    QStringList concepts;
    for (QTreeWidgetItem *item : selected)
        concepts << item->text(0);
    try {
        db::Transaction tx(OntologyDB);
        for (const QString &c : concepts)
            DeleteConceptNote(c);  // a note gone meanwhile is simply skipped
        tx.commit();
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    FillNoteList();
}
