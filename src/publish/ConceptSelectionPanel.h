#pragma once
// The concept selection panel: the list of concepts and the ways of selecting in it (all,
// by hand, by expression, by subset, by subhierarchy), the Select, Clear Selection and
// Refresh List buttons and the two sorts. The reports dialog and the batch-naming dialog
// each hold one; what differs between them is set in Options, where the list comes from
// is the window's, and what Refresh List does too.
//
// The ready flag keeps the list's click handling from reporting counts while a window
// changes many selections itself; windows clear it around such work and set it again.

#include "ontology/SelectionLists.h"

#include <QString>
#include <QWidget>
#include <functional>

class ConceptSelectionList;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

class ConceptSelectionPanel : public QWidget {
public:
    struct Options {
        QString allCaption = QStringLiteral("All (publish)");
        // The identifier key filter applies to typed expressions while the ontology's
        // naming restriction is on.
        bool filterExpressionKeys = true;
        // Whether the root concept may start a subhierarchy selection.
        bool rootSubhierarchy = false;
    };

    explicit ConceptSelectionPanel(const Options &options, QWidget *parent = nullptr);

    ConceptSelectionList *lstConcepts;
    QGroupBox *fraSelect;
    QRadioButton *optAll;
    QRadioButton *optSelect;
    QRadioButton *optRegExp;
    QLineEdit *txtRegExp;
    QRadioButton *optSubset;
    QComboBox *cbxSubset;
    QRadioButton *optHier;
    QPushButton *cmdSelect;
    QPushButton *cmdClear;
    QPushButton *cmdRefresh;
    QGroupBox *Frame3;
    QRadioButton *optAlpha;
    QRadioButton *optAsEntered;

    // Where the window's own controls beside the panel go (below the sort frame).
    QVBoxLayout *sideColumn() const { return m_side; }

    // The concepts in either order, from the window's source.
    void setSource(std::function<QStringList(ConceptOrder)> source) { m_source = std::move(source); }
    // What Refresh List does; without one it fills the list again alphabetically.
    void setRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }
    // Where the selection count and other status texts are shown.
    void setStatus(std::function<void(const QString &)> status) { m_status = std::move(status); }

    // Fills the list alphabetically from the source and the subsets from the ontology,
    // leaving nothing selected and "Select manually" chosen. False, with the list empty,
    // when the source has no concept (the window says so in its own words).
    bool fill();
    void fillSubsets();
    // "Alpha" or "AsEntered": the order the list was last filled in; "" before the first fill.
    QString sortMode() const { return m_sortMode; }
    bool ready() const { return m_ready; }
    void setReady(bool ready) { m_ready = ready; }
    void showSelectionCount();

    void optAll_Click();
    void optSelect_Click();
    void optRegExp_Click();
    void optSubset_Click();
    void optHier_Click();
    void cmdSelect_Click();
    void cmdClear_Click();
    void cmdRefresh_Click();
    void lstConcepts_Click();
    void optAlpha_Click();
    void optAsEntered_Click();
    int txtRegExp_KeyPress(int key) const;

private:
    void chooseOption(QRadioButton *option, bool expression, bool subset, bool select);
    void sortBy(ConceptOrder order);
    bool selectByExpression();
    void selectBySubset();
    bool selectSubhierarchy();
    void status(const QString &text) const;

    Options m_options;
    std::function<QStringList(ConceptOrder)> m_source;
    std::function<void()> m_refresh;
    std::function<void(const QString &)> m_status;
    QVBoxLayout *m_side;
    QString m_sortMode;
    bool m_ready = false;
};
