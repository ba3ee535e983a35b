#pragma once
// The find window of the termbase editor: a term entry by its concept or a term by its
// text, each Find Next going on from the node selected in the element tree. Modeless,
// loaded on first use and hidden by Cancel, so its history lasts as long as the editor.

#include "ui/Form.h"

#include <QString>

class QComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class frmTBEDitor;

class frmFind : public ui::Form {
public:
    static constexpr int HistorySize = 20;

    frmFind();

    QLabel *Label1;
    QComboBox *cbxFind;  // the text to find, over the history of searches (newest first)
    QCheckBox *chkFullWord;
    QGroupBox *Frame1;
    QRadioButton *optFindT;
    QRadioButton *optFindC;
    QPushButton *cmdFind;
    QPushButton *cmdCancel;
    QString LastFindText;

    void cmdFind_Click();
    void FindTerm();
    void AddToHistory(const QString &text);
    void cbxFind_Change();
    void cbxFind_Click();
    // Returns the character to put in the box, 0 to drop the key.
    int cbxFind_KeyPress(int key);
    void optFindC_Click();
    void optFindT_Click();
    void cmdCancel_Click();

private:
    frmTBEDitor &editor() const;
    void findConcept();
    void restartFromRoot();
    QString m_pattern;
};
