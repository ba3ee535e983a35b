#include "DataList.h"

#include <QAbstractListModel>

namespace ui {

class DataList::Model : public QAbstractListModel {
public:
    explicit Model(DataList &list) : QAbstractListModel(&list), m_list(list) {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_list.rowCount();
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || !m_list.m_source)
            return {};
        return m_list.m_source->text(index.row());
    }
    void resetRows()
    {
        beginResetModel();
        endResetModel();
    }

private:
    DataList &m_list;
};

DataList::DataList(QWidget *parent) : QListView(parent), m_model(new Model(*this))
{
    setModel(m_model);
    // Same-height rows let the view place a row without asking for the others.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
}

DataList::~DataList() = default;

int DataList::rowCount() const { return m_source ? m_source->rowCount() : 0; }

void DataList::bind(std::shared_ptr<RowSource> source)
{
    m_source = std::move(source);
    reloadRows();
}

void DataList::refill() { reloadRows(); }

void DataList::reloadRows()
{
    m_settingFromCode = true;
    m_model->resetRows();
    m_settingFromCode = false;
    m_current = -1;
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
    const int n = rowCount();
    for (int row = 0; row < n; ++row) {
        if (matches(m_source->text(row))) {
            setCurrentRow(row);
            return true;
        }
    }
    return false;
}

QString DataList::text() const
{
    if (m_current < 0 || m_current >= rowCount())
        return {};
    return m_source->text(m_current);
}

}  // namespace ui
