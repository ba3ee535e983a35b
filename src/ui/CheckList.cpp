#include "CheckList.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QSet>

namespace ui {

class CheckList::Model : public QAbstractListModel {
public:
    explicit Model(CheckList &list) : QAbstractListModel(&list), m_list(list) {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_list.rowCount();
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return m_list.text(index.row());
        if (role == Qt::CheckStateRole)
            return m_list.isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::CheckStateRole || !index.isValid())
            return false;
        m_list.m_checked[size_t(index.row())] = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractListModel::flags(index) | Qt::ItemIsUserCheckable;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_list.m_header;
        return {};
    }
    void resetRows()
    {
        beginResetModel();
        endResetModel();
    }
    void checksChanged()
    {
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
    }
    void headerChanged() { emit headerDataChanged(Qt::Horizontal, 0, 0); }

private:
    CheckList &m_list;
};

CheckList::CheckList(QWidget *parent) : QTreeView(parent), m_model(new Model(*this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    // Same-height rows let the view place a row without asking for the others.
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
}

CheckList::~CheckList() = default;

void CheckList::bind(std::shared_ptr<RowSource> source)
{
    m_source = std::move(source);
    m_checked.assign(size_t(rowCount()), false);
    m_model->resetRows();
}

void CheckList::rebindKeepingChecks(std::shared_ptr<RowSource> source)
{
    const QStringList kept = checkedTexts();
    bind(std::move(source));
    if (kept.isEmpty())
        return;
    // One pass in row order reads each page of a large source once.
    const QSet<QString> marks(kept.begin(), kept.end());
    for (int row = 0; row < rowCount(); ++row)
        if (marks.contains(text(row)))
            m_checked[size_t(row)] = true;
    m_model->checksChanged();
}

void CheckList::setHeaderText(const QString &text)
{
    m_header = text;
    m_model->headerChanged();
}

int CheckList::rowCount() const { return m_source ? m_source->rowCount() : 0; }

QString CheckList::text(int row) const { return m_source ? m_source->text(row) : QString(); }

bool CheckList::isChecked(int row) const { return row >= 0 && size_t(row) < m_checked.size() && m_checked[size_t(row)]; }

void CheckList::setChecked(int row, bool checked)
{
    if (row >= 0 && size_t(row) < m_checked.size())
        m_model->setData(m_model->index(row), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void CheckList::setAllChecked(bool checked)
{
    m_checked.assign(m_checked.size(), checked);
    m_model->checksChanged();
}

QStringList CheckList::checkedTexts() const
{
    std::vector<int> rows;
    for (size_t row = 0; row < m_checked.size(); ++row)
        if (m_checked[row])
            rows.push_back(int(row));
    return m_source && !rows.empty() ? m_source->texts(rows) : QStringList();
}

}  // namespace ui
