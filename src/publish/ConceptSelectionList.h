#pragma once
// The multi-selection list of concept identifiers that the selection windows share. The
// identifiers are held once in memory and drawn only as they come into view; which rows
// are selected is a bit per row, so selecting every one of a million rows, or a set of
// them, costs a pass over the bits and no item objects.
//
// Selection works as in an extended multi-selection list: a click selects one row, Ctrl
// adds or removes a row, Shift selects the run from the last clicked row, the arrow keys
// move with the same rules, Ctrl+A selects every row. What the user does runs the click
// handler; what the window does from code does not.

#include <QListView>
#include <QStringList>
#include <functional>
#include <vector>

class ConceptSelectionList : public QListView {
public:
    explicit ConceptSelectionList(QWidget *parent = nullptr);
    ~ConceptSelectionList() override;

    // Replaces the rows; nothing is selected afterwards.
    void setItems(QStringList items);
    void clear() { setItems({}); }
    int count() const { return int(m_items.size()); }
    QString text(int row) const { return m_items.at(row); }
    const QStringList &items() const { return m_items; }

    bool isSelected(int row) const;
    void setSelected(int row, bool selected);
    // first..last inclusive.
    void selectRange(int first, int last, bool selected = true);
    void selectAll() override;
    void clearSelection();
    // Selects every row for which the test holds; returns how many it newly selected.
    int selectWhere(const std::function<bool(const QString &text)> &test);
    // Selects the rows of these identifiers (compared as the file compares them); names
    // not in the list, and names given twice, are passed over.
    void selectNamed(const QStringList &names);
    int selCount() const { return m_selCount; }
    // The selected rows, top to bottom.
    std::vector<int> selectedRows() const;

    // Scrolls so that the first row is at the top.
    void scrollToFirst();

    void onClick(std::function<void()> handler) { m_onClick = std::move(handler); }

    // A user's click on a row, with the keys held (what the mouse does, also for tests).
    void clickRow(int row, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class Model;
    void repaintRows();
    void userChanged();
    void setAnchorAndCurrent(int row);
    void applyUserSelection(int row, Qt::KeyboardModifiers modifiers);
    void ensureFetched(int row);

    // The rows in identifier order, made when first needed: empty while the rows are in
    // that order themselves.
    const std::vector<int> &rowsInOrder();

    QStringList m_items;
    std::vector<int> m_order;
    bool m_orderKnown = false;
    std::vector<quint64> m_bits;
    int m_selCount = 0;
    int m_anchor = -1;
    Model *m_model;
    std::function<void()> m_onClick;
};
