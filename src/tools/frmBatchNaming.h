#pragma once
// "Batch Naming": gives the concepts selected in the concept selection panel a name in
// one language, or removes their names in it. The name is the identifier as it stands or
// its readable label. Shown modally over the main window; each action is one transaction,
// and afterwards nothing is selected and the dialog stays for the next action.

#include "ui/Form.h"

#include <functional>

class ConceptSelectionList;
class ConceptSelectionPanel;
class QGroupBox;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
namespace ui {
class StatusBar;
}

class frmBatchNaming : public ui::Form {
public:
    frmBatchNaming();

    ConceptSelectionPanel *Panel;
    ConceptSelectionList *lstConcepts;  // the panel's list
    QTreeWidget *lvwLangs;              // the languages; the one checked, which is the one highlighted, is the action's
    QGroupBox *Frame1;
    QRadioButton *optAsIs;
    QRadioButton *optConvert;
    QGroupBox *Frame2;
    QRadioButton *optAdd;
    QRadioButton *optRemove;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QProgressBar *ProgressBar1;
    ui::StatusBar *StatusBar1;  // panel 2: the selection count

    // What ShowConceptNames refreshes: the names pane of the window that opened the dialog.
    std::function<void()> showConceptNames;

    // The Lang_ID of the checked language, "" while none is.
    QString chosenLanguage() const;

    void cmdOK_Click();
    void cmdCancel_Click();
    void lvwLangs_ColumnClick(int column);
    void lvwLangs_ItemClick(QTreeWidgetItem *item);
    void lvwLangs_ItemCheck(QTreeWidgetItem *item);
    void AddBatchNames();
    void RemoveBatchNames();
    void ShowConceptNames();

protected:
    void Form_Load() override;

private:
    void fillLanguages();
    void checkOnly(QTreeWidgetItem *item);
    // Runs one action over the selected concepts with the progress shown; each concept is
    // deselected once done, and the selection comes back when the action fails.
    void runOverSelection(const std::function<void(const QStringList &, const std::function<void(qsizetype)> &)> &action);

    bool m_checking = false;
};
