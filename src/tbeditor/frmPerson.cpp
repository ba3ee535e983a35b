#include "frmPerson.h"

#include "publish/PersonPage.h"
#include "termbase/AttachedFiles.h"
#include "termbase/ElementStore.h"
#include "termbase/Global.h"
#include "termbase/TermbasePaths.h"
#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RecordDialog::RecordDialog(const QString &caption) : ui::Form(new QDialog)
{
    QWidget *w = window();
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    cmdOK = new QPushButton(QStringLiteral("OK"), w);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), w);
    setCancelButton(cmdCancel);
    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdOK_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdCancel_Click(); }));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *all = new QVBoxLayout(w);
    all->addLayout(m_form);
    all->addLayout(buttons);
    setCaption(caption);
}

QLineEdit *RecordDialog::box(const QString &label, const QString &toolTip)
{
    // Wide enough for a full name or a title at first; wider as the dialog is.
    constexpr int ShownCharacters = 40;
    auto *edit = new QLineEdit(window());
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * ShownCharacters);
    edit->setToolTip(toolTip);
    m_form->addRow(label, edit);
    return edit;
}

bool AliasRefusedTold(const QString &alias, qint64 exceptID)
{
    // Each person has a page of its own, named by the alias; a disk that ignores letter
    // case would give aliases that differ only so one page.
    if (const auto other = PersonWithPageOf(alias, exceptID)) {
        ui::msgBox(QStringLiteral("Another person has the alias ") + other->text +
                       QStringLiteral(" already. Aliases are unique."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return true;
    }
    // A file attached by that name before such names were refused keeps its place.
    if (FileRecordNamed(PersonPageFileName(alias))) {
        ui::msgBox(QStringLiteral("The page of a person with the alias ") + alias + QStringLiteral(" would take the place of ") +
                       QStringLiteral("the attached file ") + PersonPageFileName(alias) +
                       QStringLiteral(". Choose another alias."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return true;
    }
    return false;
}

frmPerson::frmPerson() : RecordDialog(QStringLiteral("Person"))
{
    txtAlias = box(QStringLiteral("Alias:"), QStringLiteral("A *short*, unique name that identifies this person"));
    txtName = box(QStringLiteral("Name:"));
    txtRole = box(QStringLiteral("Role:"), QStringLiteral("Role or activity within project"));
    txtEmail = box(QStringLiteral("E-mail:"));
    txtPhone = box(QStringLiteral("Phone:"));
    txtRemarks = box(QStringLiteral("Remarks:"));
}

void frmPerson::cmdOK_Click()
{
    const QString alias = txtAlias->text();
    if (alias.isEmpty()) {
        ui::msgBox(QStringLiteral("The 'Alias' field is obligatory."));
        return;
    }
    if (AliasRefusedTold(alias))
        return;
    const QString page = QDir(TermbaseBackFolder()).filePath(PersonPageFileName(alias));
    if (QFileInfo::exists(page) &&
        ui::msgBox(QStringLiteral("Person definition (") + alias + QStringLiteral(")") + QStringLiteral(" exists. Overwrite?"),
                   ui::Buttons::YesNo, ui::Icon::Exclamation) != ui::Answer::Yes) {
        txtAlias->clear();
        return;
    }
    hide();
}

void frmPerson::cmdCancel_Click()
{
    txtAlias->clear();
    hide();
}

frmBiblio::frmBiblio() : RecordDialog(QStringLiteral("Bibliographical Record"))
{
    txtDescriptor = box(QStringLiteral("Descriptor:"));
    txtAuthor = box(QStringLiteral("Author(s)"));
    txtDate = box(QStringLiteral("Date:"));
    txtArticle = box(QStringLiteral("Article:"));
    txtBook = box(QStringLiteral("Book:"));
    txtPages = box(QStringLiteral("Pages:"));
    txtPHouse = box(QStringLiteral("Pub. House:"));
    txtPPlace = box(QStringLiteral("Pub Place:"));
}

void frmBiblio::cmdOK_Click()
{
    if (txtDescriptor->text().isEmpty()) {
        ui::msgBox(QStringLiteral("You must provide a unique descriptor for each bibliographical record."));
        return;
    }
    hide();
}

void frmBiblio::cmdCancel_Click()
{
    txtDescriptor->clear();
    hide();
}
