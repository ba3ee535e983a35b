#include "ConceptSelectionList.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>
#include <bit>
#include <numeric>

#include "db/Text.h"

// The rows are handed to the view a batch at a time as it scrolls, so a list of a million
// identifiers opens as fast as one of a screenful.
class ConceptSelectionList::Model : public QAbstractListModel {
public:
    static constexpr int Batch = 4096;

    explicit Model(ConceptSelectionList *list) : QAbstractListModel(list), m_list(list) {}

    void reload()
    {
        beginResetModel();
        m_shown = std::min(Batch, m_list->count());
        endResetModel();
    }
    int shown() const { return m_shown; }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_shown; }
    bool canFetchMore(const QModelIndex &parent) const override
    {
        return !parent.isValid() && m_shown < m_list->count();
    }
    void fetchMore(const QModelIndex &parent) override { fetchUpTo(std::min(m_shown + Batch, m_list->count()) - 1); }
    void fetchUpTo(int row)
    {
        if (row < m_shown)
            return;
        const int last = std::min(row, m_list->count() - 1);
        beginInsertRows({}, m_shown, last);
        m_shown = last + 1;
        endInsertRows();
    }
    void rowChanged(int row) { emit dataChanged(index(row), index(row), {Qt::BackgroundRole, Qt::ForegroundRole}); }
    void rowsChanged()
    {
        if (m_shown > 0)
            emit dataChanged(index(0), index(m_shown - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row();
        if (row < 0 || row >= m_list->count())
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return m_list->text(row);
        case Qt::BackgroundRole:
            if (m_list->isSelected(row))
                return m_list->palette().brush(QPalette::Highlight);
            return {};
        case Qt::ForegroundRole:
            if (m_list->isSelected(row))
                return m_list->palette().brush(QPalette::HighlightedText);
            return {};
        default:
            return {};
        }
    }

private:
    ConceptSelectionList *m_list;
    int m_shown = 0;
};

ConceptSelectionList::ConceptSelectionList(QWidget *parent) : QListView(parent), m_model(new Model(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(Model::Batch);
    // The bits are the selection; the view's own selection model would keep one range per
    // run of selected rows and slow every paint on scattered selections.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setToolTip(QStringLiteral("Use CTRL and SHIFT for multi-selection"));
}

ConceptSelectionList::~ConceptSelectionList() = default;

void ConceptSelectionList::setItems(QStringList items)
{
    m_items = std::move(items);
    m_bits.assign((m_items.size() + 63) / 64, 0);
    m_selCount = 0;
    m_anchor = -1;
    m_order.clear();
    m_orderKnown = false;
    m_model->reload();
}

bool ConceptSelectionList::isSelected(int row) const
{
    if (row < 0 || row >= count())
        return false;
    return (m_bits[size_t(row) / 64] >> (row % 64)) & 1u;
}

void ConceptSelectionList::setSelected(int row, bool selected)
{
    if (row < 0 || row >= count() || isSelected(row) == selected)
        return;
    m_bits[size_t(row) / 64] ^= quint64(1) << (row % 64);
    m_selCount += selected ? 1 : -1;
    if (row < m_model->shown())
        m_model->rowChanged(row);
}

void ConceptSelectionList::selectRange(int first, int last, bool selected)
{
    first = std::max(first, 0);
    last = std::min(last, count() - 1);
    for (int row = first; row <= last;) {
        const size_t word = size_t(row) / 64;
        const int bit = row % 64;
        const int n = std::min(64 - bit, last - row + 1);
        const quint64 mask = (n == 64 ? ~quint64(0) : ((quint64(1) << n) - 1)) << bit;
        const int before = std::popcount(m_bits[word] & mask);
        if (selected) {
            m_bits[word] |= mask;
            m_selCount += n - before;
        } else {
            m_bits[word] &= ~mask;
            m_selCount -= before;
        }
        row += n;
    }
    repaintRows();
}

void ConceptSelectionList::selectAll() { selectRange(0, count() - 1); }

void ConceptSelectionList::clearSelection()
{
    std::fill(m_bits.begin(), m_bits.end(), 0);
    m_selCount = 0;
    repaintRows();
}

int ConceptSelectionList::selectWhere(const std::function<bool(const QString &)> &test)
{
    int added = 0;
    for (int row = 0; row < count(); ++row) {
        if (isSelected(row) || !test(m_items.at(row)))
            continue;
        m_bits[size_t(row) / 64] |= quint64(1) << (row % 64);
        ++added;
    }
    m_selCount += added;
    repaintRows();
    return added;
}

const std::vector<int> &ConceptSelectionList::rowsInOrder()
{
    if (m_orderKnown)
        return m_order;
    m_orderKnown = true;
    const auto less = [this](int a, int b) { return db::compareText(m_items.at(a), m_items.at(b)) < 0; };
    bool sorted = true;
    for (int row = 1; row < count() && sorted; ++row)
        sorted = !less(row, row - 1);
    if (!sorted) {
        m_order.resize(size_t(count()));
        std::iota(m_order.begin(), m_order.end(), 0);
        std::sort(m_order.begin(), m_order.end(), less);
    }
    return m_order;
}

void ConceptSelectionList::selectNamed(const QStringList &names)
{
    const std::vector<int> &order = rowsInOrder();
    const auto textAt = [&](int i) -> const QString & { return m_items.at(order.empty() ? i : order[size_t(i)]); };
    for (const QString &name : names) {
        int lo = 0, hi = count();
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (db::compareText(textAt(mid), name) < 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        if (lo < count() && db::sameText(textAt(lo), name)) {
            const int row = order.empty() ? lo : order[size_t(lo)];
            if (!isSelected(row)) {
                m_bits[size_t(row) / 64] |= quint64(1) << (row % 64);
                ++m_selCount;
            }
        }
    }
    repaintRows();
}

std::vector<int> ConceptSelectionList::selectedRows() const
{
    std::vector<int> rows;
    rows.reserve(size_t(m_selCount));
    for (size_t word = 0; word < m_bits.size(); ++word) {
        quint64 bits = m_bits[word];
        while (bits) {
            const int bit = std::countr_zero(bits);
            rows.push_back(int(word * 64) + bit);
            bits &= bits - 1;
        }
    }
    return rows;
}

void ConceptSelectionList::scrollToFirst() { scrollToTop(); }

void ConceptSelectionList::repaintRows() { m_model->rowsChanged(); }

void ConceptSelectionList::ensureFetched(int row) { m_model->fetchUpTo(row); }

void ConceptSelectionList::setAnchorAndCurrent(int row)
{
    ensureFetched(row);
    setCurrentIndex(m_model->index(row));
    scrollTo(m_model->index(row));
}

void ConceptSelectionList::applyUserSelection(int row, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    if (shift && m_anchor >= 0) {
        if (!ctrl)
            clearSelection();
        selectRange(std::min(m_anchor, row), std::max(m_anchor, row));
    } else if (ctrl) {
        setSelected(row, !isSelected(row));
        m_anchor = row;
    } else {
        clearSelection();
        setSelected(row, true);
        m_anchor = row;
    }
    setAnchorAndCurrent(row);
}

void ConceptSelectionList::clickRow(int row, Qt::KeyboardModifiers modifiers)
{
    if (row < 0 || row >= count())
        return;
    applyUserSelection(row, modifiers);
    userChanged();
}

void ConceptSelectionList::userChanged()
{
    if (m_onClick)
        m_onClick();
}

void ConceptSelectionList::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        clickRow(index.row(), event->modifiers());
}

// Dragging and the view's own release handling would start its selection machinery.
void ConceptSelectionList::mouseMoveEvent(QMouseEvent *) {}
void ConceptSelectionList::mouseReleaseEvent(QMouseEvent *) {}
void ConceptSelectionList::mouseDoubleClickEvent(QMouseEvent *event) { mousePressEvent(event); }

void ConceptSelectionList::keyPressEvent(QKeyEvent *event)
{
    if (count() == 0) {
        QListView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        userChanged();
        return;
    }
    const int current = currentIndex().isValid() ? currentIndex().row() : 0;
    if (event->key() == Qt::Key_Space) {
        clickRow(current, (mods & Qt::ControlModifier) ? Qt::ControlModifier : Qt::NoModifier);
        return;
    }
    const int page = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)));
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up: target = current - 1; break;
    case Qt::Key_Down: target = current + 1; break;
    case Qt::Key_PageUp: target = current - page; break;
    case Qt::Key_PageDown: target = current + page; break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = count() - 1; break;
    default:
        QListView::keyPressEvent(event);
        return;
    }
    target = std::clamp(target, 0, count() - 1);
    if (mods & Qt::ControlModifier && !(mods & Qt::ShiftModifier)) {
        setAnchorAndCurrent(target);  // moves the focus only
        return;
    }
    clickRow(target, mods);
}
