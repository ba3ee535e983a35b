#pragma once
// A list of rows from a row source, each with a check box, under one column header. Only
// the rows in view are drawn and the checks are one bit a row, so a source of a million
// rows costs what a screenful costs. Binding a source leaves every row unchecked.

#include "RowSource.h"

#include <QTreeView>
#include <memory>
#include <vector>

namespace ui {

class CheckList : public QTreeView {
public:
    explicit CheckList(QWidget *parent = nullptr);
    ~CheckList() override;

    void bind(std::shared_ptr<RowSource> source);
    // Binds the source read again, keeping the checks of the rows whose texts it still has.
    void rebindKeepingChecks(std::shared_ptr<RowSource> source);
    void setHeaderText(const QString &text);
    QString headerText() const { return m_header; }

    int rowCount() const;
    QString text(int row) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    // The texts of the checked rows, from the first row to the last.
    QStringList checkedTexts() const;

private:
    class Model;
    std::shared_ptr<RowSource> m_source;
    std::vector<bool> m_checked;
    QString m_header;
    Model *m_model;
};

}  // namespace ui
