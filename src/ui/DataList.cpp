#include "DataList.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QHeaderView>

namespace ui {

class DataList::Model : public QAbstractListModel {
public:
    explicit Model(DataList &list) : QAbstractListModel(&list), m_list(list) {}

    // The view is told of rows as the source gains or loses them: it sees the count it
    // was last told, never one that changed behind its back.
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_count; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || !m_list.m_source)
            return {};
        return m_list.m_source->text(index.row());
    }
    bool canFetchMore(const QModelIndex &parent) const override
    {
        return !parent.isValid() && m_list.m_source && m_list.m_source->canFetchMore();
    }
    void fetchMore(const QModelIndex &parent) override
    {
        if (parent.isValid() || !m_list.m_source)
            return;
        try {
            m_list.m_source->fetchMore();
        } catch (...) {
            // The view asks for more while it scrolls, with nobody to tell: the list stops
            // growing here, and the window's next command reads the file again and reports.
        }
        m_list.tellRowsRead();
    }
    int shownCount() const { return m_count; }
    void rowsAdded(int first, int count)
    {
        beginInsertRows({}, first, first + count - 1);
        m_count += count;
        endInsertRows();
    }
    void rowRemoved(int row)
    {
        beginRemoveRows({}, row, row);
        --m_count;
        endRemoveRows();
    }
    void resetRows()
    {
        beginResetModel();
        m_count = m_list.m_source ? m_list.m_source->rowCount() : 0;
        endResetModel();
    }

private:
    DataList &m_list;
    int m_count = 0;
};

DataList::DataList(QWidget *parent) : QTableView(parent), m_model(new Model(*this))
{
    setModel(m_model);
    // One column of same-height rows, drawn as a plain list. A table places its rows by
    // one fixed height, so a row added to a million moves the rows after it instead of
    // laying every row out again, as a list view does.
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control, as from any other list; a table would
    // walk its rows with it and never let the focus go.
    setTabKeyNavigation(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (m_settingFromCode)
            return;
        m_current = current.isValid() ? current.row() : -1;
        if (m_onClick)
            m_onClick();
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_onDblClick)
            m_onDblClick();
    });
    m_readOn.setInterval(0);
    connect(&m_readOn, &QTimer::timeout, this, [this] { readOnStep(); });
}

void DataList::readOnStep()
{
    try {
        if (m_source && m_source->canFetchMore())
            m_source->fetchMore();
    } catch (...) {
        // As when scrolling; the list stops reading on.
        m_readOn.stop();
    }
    tellRowsRead();
    if (m_readOn.isActive())
        keepReadingOn();
}

DataList::~DataList() = default;

int DataList::rowCount() const { return m_source ? m_source->rowCount() : 0; }

void DataList::bind(std::shared_ptr<RowSource> source)
{
    m_source = std::move(source);
    reloadRows();
}

void DataList::refill() { reloadRows(); }

void DataList::rowInserted(int row)
{
    m_settingFromCode = true;
    m_model->rowsAdded(row, 1);
    m_settingFromCode = false;
    m_current = selectionModel()->currentIndex().isValid() ? selectionModel()->currentIndex().row() : -1;
}

void DataList::rowRemoved(int row)
{
    m_settingFromCode = true;
    m_model->rowRemoved(row);
    m_settingFromCode = false;
    m_current = selectionModel()->currentIndex().isValid() ? selectionModel()->currentIndex().row() : -1;
}

void DataList::reloadRows()
{
    m_settingFromCode = true;
    m_model->resetRows();
    m_settingFromCode = false;
    m_current = -1;
    keepReadingOn();
}

void DataList::keepReadingOn()
{
    if (isVisible() && m_source && m_source->canFetchMore())
        m_readOn.start();
    else
        m_readOn.stop();
}

void DataList::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    keepReadingOn();
}

void DataList::hideEvent(QHideEvent *event)
{
    QTableView::hideEvent(event);
    m_readOn.stop();
}

void DataList::setCurrentRow(int row)
{
    if (row < 0 || row >= rowCount())
        row = -1;
    m_settingFromCode = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex index = m_model->index(row);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    }
    m_settingFromCode = false;
    m_current = row;
}

bool DataList::findFirst(const std::function<bool(const QString &)> &matches)
{
    if (!m_source)
        return false;
    for (int row = 0;; ++row) {
        if (row >= rowCount() && (!m_source->canFetchMore() || m_source->fetchMore() == 0))
            break;
        if (matches(m_source->text(row))) {
            tellRowsRead();
            setCurrentRow(row);
            return true;
        }
    }
    tellRowsRead();
    return false;
}

void DataList::tellRowsRead()
{
    const int read = rowCount() - m_model->shownCount();
    if (read > 0)
        m_model->rowsAdded(m_model->shownCount(), read);
}

void DataList::keyboardSearch(const QString &search)
{
    if (!m_source || search.isEmpty())
        return;
    // Letters typed in quick succession are one prefix; after a pause, or when the
    // prefix so far leads nowhere, the letter starts a new one.
    if (!m_sinceTyped.isValid() || m_sinceTyped.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceTyped.start();
    m_typed += search;
    int row = -1;
    try {
        row = m_source->findPrefix(m_typed);
        if (row < 0 && m_typed != search) {
            m_typed = search;
            row = m_source->findPrefix(m_typed);
        }
    } catch (...) {
        // A key has nobody to tell: the selection stays, and the window's next command
        // reads the file again and reports.
    }
    tellRowsRead();
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QModelIndex DataList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Home and End go to the first and the last row, as in any list; a table would go to
    // the first and the last column of the row.
    if (cursorAction == MoveHome || cursorAction == MoveEnd)
        modifiers |= Qt::ControlModifier;
    if (cursorAction == MoveEnd && m_source && m_source->canFetchMore()) {
        try {
            while (m_source->canFetchMore() && m_source->fetchMore() > 0) {
            }
        } catch (...) {
            // As when scrolling: the list ends where reading stopped, and the window's
            // next command reads the file again and reports.
        }
        tellRowsRead();
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

QString DataList::text() const
{
    if (m_current < 0 || m_current >= rowCount())
        return {};
    return m_source->text(m_current);
}

}  // namespace ui
