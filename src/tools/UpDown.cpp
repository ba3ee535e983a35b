#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDown::UpDown(QLineEdit *buddy, int lowest, int highest, QWidget *parent)
    : QWidget(parent), up(new QToolButton(this)), down(new QToolButton(this)), m_buddy(buddy), m_lowest(lowest),
      m_highest(highest)
{
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        layout->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

int UpDown::value() const
{
    bool ok = false;
    const int v = m_buddy->text().trimmed().toInt(&ok);
    return ok ? std::clamp(v, m_lowest, m_highest) : m_lowest;
}

void UpDown::setValue(int value) { m_buddy->setText(QString::number(std::clamp(value, m_lowest, m_highest))); }

void UpDown::stepBy(int delta)
{
    const int before = value();
    setValue(before + delta);
    if (value() != before && onChange)
        onChange();
}
