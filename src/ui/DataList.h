#pragma once
// A list bound to a row source, showing the bound field of each row. Only the rows in view
// are drawn, so a source of a million rows costs what a screenful costs.
//
// The window moves the selection from code (after a find or a rebuild) without the click
// handler running; the click handler is for the user's selection only. text() is the
// selected row's field, also while the list is hidden, and "" when no row is selected.
//
// The keys walk the whole list however large it is: letters typed in quick succession go
// to the first row beginning with them, End to the last row, also of a source that reads
// its rows as they are shown. Such a source is also read on in the turns of the event
// loop while the list is shown, a short step a turn, so that the scroll bar soon covers
// the whole list and the window never waits for it.

#include "RowSource.h"

#include <QElapsedTimer>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <memory>

namespace ui {

class DataList : public QTableView {
public:
    explicit DataList(QWidget *parent = nullptr);
    ~DataList() override;

    // Binding or refilling leaves no row selected.
    void bind(std::shared_ptr<RowSource> source);
    // After the source's rows changed (a requery).
    void refill();
    // After the source gained the row at this position, or lost the row that stood
    // there: the view moves the rows after it instead of laying out every row again. The
    // selection stays on the row it was on; no click handler runs.
    void rowInserted(int row);
    void rowRemoved(int row);
    const std::shared_ptr<RowSource> &source() const { return m_source; }

    int rowCount() const;
    int currentRow() const { return m_current; }
    // -1 clears the selection. No click handler runs.
    void setCurrentRow(int row);
    void moveFirst() { setCurrentRow(rowCount() > 0 ? 0 : -1); }
    // Selects the first row whose text matches; false, and the selection as it was, when none does.
    bool findFirst(const std::function<bool(const QString &text)> &matches);

    QString text() const;

    void onClick(std::function<void()> handler) { m_onClick = std::move(handler); }
    void onDblClick(std::function<void()> handler) { m_onDblClick = std::move(handler); }

    void keyboardSearch(const QString &search) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    class Model;
    void reloadRows();  // not reset(): that is a slot of the view
    // After the source read more rows than the view was told of.
    void tellRowsRead();
    void readOnStep();
    // Reads on while the list is shown and its source has more.
    void keepReadingOn();

    std::shared_ptr<RowSource> m_source;
    Model *m_model;
    int m_current = -1;
    bool m_settingFromCode = false;
    std::function<void()> m_onClick;
    std::function<void()> m_onDblClick;
    QString m_typed;
    QElapsedTimer m_sinceTyped;
    QTimer m_readOn;
};

}  // namespace ui
