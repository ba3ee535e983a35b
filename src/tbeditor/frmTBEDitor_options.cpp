// The termbase's options from the termbase editor's Tools > Options: shown modally, then
// read back into TermbaseInfo (written to the file when the termbase closes).

#include "frmTBEDitor.h"
#include "frmTBOptions.h"

#include "termbase/DataCategories.h"
#include "termbase/Global.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

void frmTBEDitor::mnuToolsOptions_Click()
{
    // A dialog left loaded by a language not offered yet is used again.
    std::shared_ptr<frmTBOptions> options = ui::loadedOrNew<frmTBOptions>();
    options->load();
    options->preset(TermbaseInfo);
    options->showModal(*this);

    QString language;
    if (options->optEnglish->isChecked())
        language = QStringLiteral("en");
    else if (options->optSpanish->isChecked())
        language = QStringLiteral("es");
    else {
        ui::msgBox(QStringLiteral("Not available yet."), ui::Buttons::Ok, ui::Icon::Exclamation,
                   QStringLiteral("Error"));
        return;
    }
    TermbaseInfo.CSBrowser = options->chkCSBrowser->isChecked();
    const bool asList = options->optList->isChecked();
    TermbaseInfo.DCList = asList ? QStringLiteral("list") : QStringLiteral("tree");
    // Browse mode shows the page where the categories stand; they follow when it ends.
    if (!inBrowseMode())
        showCatalogue();

    if (language != TermbaseInfo.DCLang) {
        const QString previous = TermbaseInfo.DCLang;
        TermbaseInfo.DCLang = language;
        if (!LoadDataCategoryTable()) {
            // Without names in the new language the editor would show no categories at
            // all: keep the language the termbase had.
            TermbaseInfo.DCLang = previous;
            LoadDataCategoryTable();
            ui::msgBox(QStringLiteral("No data category has a name in the language \"") + language +
                           QStringLiteral("\". The data categories stay in the language they had."),
                       ui::Buttons::Ok, ui::Icon::Exclamation);
        } else {
            const QString selectedKey = Tree1Nodes->key(selectedNode());
            BuildElementRoot();
            LoadDataCategories();
            Tree1->setFocus();
            if (fraEdit->isVisible())
                HideValueControls();
            reselectAfterRebuild(selectedKey);
        }
    }
    options->unload();
}

void frmTBEDitor::reselectAfterRebuild(const QString &selectedKey)
{
    // Nothing of the element selected before may outlive its node: it becomes the current
    // element again where the new tree shows it, and otherwise there is none, with no
    // category marked for it.
    CurrentElemID = 0;
    CurrentCategory.clear();
    const QModelIndex shown = selectedKey.isEmpty() ? QModelIndex() : Tree1Nodes->findKey(selectedKey);
    if (shown.isValid()) {
        selectNode(shown);
        Tree1_NodeClick(shown);
        return;
    }
    txtElem->clear();
    txtDC->clear();
    MarkValidCategories();
    UpdateElementToolbar();
}
