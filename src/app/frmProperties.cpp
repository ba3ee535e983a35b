#include "frmProperties.h"

#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmProperties::frmProperties() : ui::Form(new QDialog)
{
    QWidget *w = window();
    auto *form = new QFormLayout;
    const auto box = [&](const QString &label) {
        auto *edit = new QLineEdit(w);
        form->addRow(label, edit);
        return edit;
    };
    txtWOntology = box(QStringLiteral("Working Ontology:"));
    txtWOntology->setReadOnly(true);
    // It can be clicked into to copy the path, but the focus starts, and Tab goes, where
    // the user types.
    txtWOntology->setFocusPolicy(Qt::ClickFocus);
    form->setRowVisible(txtWOntology, false);
    txtName = box(QStringLiteral("Name:"));
    txtCreated = box(QStringLiteral("Created:"));
    txtModified = box(QStringLiteral("Modified:"));
    txtOwner = box(QStringLiteral("(c) Owner:"));
    txtAuthor = box(QStringLiteral("Author(s):"));
    txtDescription = box(QStringLiteral("Description:"));
    txtContact = box(QStringLiteral("Contact:"));
    for (QLineEdit *date : {txtCreated, txtModified})
        date->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
    txtName->setToolTip(QStringLiteral("Up to 25 characters; it also names the folder of the published pages"));

    cmdOK = new QPushButton(QStringLiteral("OK"), w);
    cmdOK->setDefault(true);
    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this] { cmdOK_Click(); }));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto *all = new QVBoxLayout(w);
    all->addLayout(form);
    all->addLayout(buttons);
    w->resize(420, w->sizeHint().height());
}

PropertiesText frmProperties::texts() const
{
    return {txtName->text(),  txtCreated->text(),     txtModified->text(), txtOwner->text(),
            txtAuthor->text(), txtDescription->text(), txtContact->text()};
}

void frmProperties::setTexts(const PropertiesText &t)
{
    txtName->setText(t.Name);
    txtCreated->setText(t.Created);
    txtModified->setText(t.Modified);
    txtOwner->setText(t.Owner);
    txtAuthor->setText(t.Author);
    txtDescription->setText(t.Description);
    txtContact->setText(t.Contact);
}

void frmProperties::showWorkingOntology(const QString &path)
{
    txtWOntology->setText(path);
    if (auto *form = qobject_cast<QFormLayout *>(window()->layout()->itemAt(0)->layout()))
        form->setRowVisible(txtWOntology, true);
}

void frmProperties::cmdOK_Click()
{
    const QString refusal = PropertiesRefusal(texts());
    if (!refusal.isEmpty()) {
        ui::msgBox(refusal, ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    m_confirmed = true;
    hide();
}
