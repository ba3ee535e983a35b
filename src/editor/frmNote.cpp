#include "frmNote.h"

#include "ui/CommandBoundary.h"
#include "ui/MultiLineBox.h"
#include <QDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNote::frmNote() : ui::Form(new QDialog)
{
    QWidget *w = window();
    txtNote = ui::multiLineBox(w);
    txtNote->setToolTip(QStringLiteral("Type in your note here"));
    cmdOK = new QPushButton(QStringLiteral("&OK"), w);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), w);
    setCancelButton(cmdCancel);
    cmdDelete = new QPushButton(QStringLiteral("&Delete"), w);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *all = new QVBoxLayout(w);
    all->addWidget(txtNote, 1);
    all->addLayout(buttons);
    w->resize(420, 300);
    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this] { cmdOK_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this] { cmdCancel_Click(); }));
    QObject::connect(cmdDelete, &QPushButton::clicked, w, ui::command(w, [this] { cmdDelete_Click(); }));
}

void frmNote::centreOn(const ui::Form &caller)
{
    const QRect c = caller.window()->frameGeometry();
    QWidget *w = window();
    w->move(c.left() + c.width() / 2 - w->width() / 2, c.top() + c.height() / 2 - w->height() / 2);
}

void frmNote::cmdOK_Click()
{
    m_button = NoteButton::OK;
    hide();
}

void frmNote::cmdCancel_Click()
{
    m_button = NoteButton::Cancel;
    hide();
}

void frmNote::cmdDelete_Click()
{
    m_button = NoteButton::Delete;
    hide();
}

NoteChange EditConceptNote(ui::Form &owner, const QString &conceptId)
{
    const std::optional<NoteRow> note = GetConceptNote(conceptId);
    auto dialog = std::make_shared<frmNote>();
    dialog->load();
    dialog->setCaption(QStringLiteral("Note - ") + conceptId);
    if (note)
        dialog->txtNote->setPlainText(note->note);
    // A new note, or an empty one, has nothing to delete: OK with no text deletes it.
    dialog->cmdDelete->setVisible(note && !note->note.isEmpty());
    dialog->centreOn(owner);
    dialog->showModal(owner);
    const NoteChange change = ApplyNoteAnswer(conceptId, dialog->button(), dialog->txtNote->toPlainText());
    dialog->unload();
    return change;
}
