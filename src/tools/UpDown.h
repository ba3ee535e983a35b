#pragma once
// Two arrows beside a text box that step the whole number in it between a lowest and a
// highest value. The text box stays where the number is typed and read; the arrows only
// write it.

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
public:
    UpDown(QLineEdit *buddy, int lowest, int highest, QWidget *parent = nullptr);

    // The number in the text box, kept within the range; the lowest when it holds none.
    int value() const;
    void setValue(int value);

    // Runs after an arrow changed the number.
    std::function<void()> onChange;

    QToolButton *up;
    QToolButton *down;

private:
    void stepBy(int delta);

    QLineEdit *m_buddy;
    int m_lowest;
    int m_highest;
};
