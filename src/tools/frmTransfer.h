#pragma once
// "Subset Transfer": moves the checked concepts of one subset into another. Shown
// modally over the options dialog; Close only hides it, so the next Transfer finds the
// subsets chosen and the checks as they were left, with the subsets offered and the
// source's concepts read again.

#include "ui/Form.h"

class QComboBox;
class QLabel;
class QPushButton;
namespace ui {
class CheckList;
}

class frmTransfer : public ui::Form {
public:
    frmTransfer();

    QComboBox *cbxFrom;  // subset names; a typed name is taken when it is a subset's
    QComboBox *cbxTo;
    ui::CheckList *ListView1;  // the source subset's concepts; the header counts them
    QPushButton *cmdAll;
    QPushButton *cmdClear;
    QPushButton *cmdTranfer;
    QPushButton *cmdCancel;

    // 0 while the combo names no subset.
    int sourceSubset() const { return m_source; }
    int targetSubset() const { return m_target; }

    // Offers the subsets as they are now, keeping the source and target chosen when they
    // are still subsets (else the first subset), and fills the list for the source.
    void FillSubsetCombos();
    enum class Checks { Cleared, Kept };
    // Reads the source subset's concepts as they are now.
    void FillTransferList(Checks checks = Checks::Cleared);

    void cbxFrom_Change();
    void cbxFrom_Click();
    void cbxTo_Change();
    void cbxTo_Click();
    void cmdAll_Click();
    void cmdClear_Click();
    void cmdTranfer_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;

private:
    int m_source = 0;
    int m_target = 0;
    QString m_listed;  // the source text the list was filled for
    bool m_filling = false;
};
