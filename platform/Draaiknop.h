#pragma once
// The spin button of the year overview, the column choice and the cut-off
// windows: two arrows, Value within Min and Max for a click, Increment per
// click. Change runs at once whenever Value changes, also when the program
// sets it (so a handler that puts a refused value back runs again, nested);
// setting the value it already has runs nothing. Changing Min or Max leaves
// Value as it is. The arrows never take the focus.

#include <QWidget>

class QToolButton;

class Draaiknop : public QWidget {
    Q_OBJECT
public:
    explicit Draaiknop(Qt::Orientation richting = Qt::Vertical, QWidget* parent = nullptr);

    int Value() const { return waarde_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Increment() const { return stap_; }
    void ZetValue(int waarde);
    void ZetMin(int min) { min_ = min; }
    void ZetMax(int max) { max_ = max; }
    void ZetIncrement(int stap) { stap_ = stap; }

    // One click on the upper (or right) arrow, or on the other one.
    void Omhoog();
    void Omlaag();

    QToolButton* KnopOmhoog() const { return op_; }
    QToolButton* KnopOmlaag() const { return neer_; }

signals:
    void Change();

private:
    void Stap(int richting);

    int waarde_ = 0;
    int min_ = 0;
    int max_ = 10;
    int stap_ = 1;
    QToolButton* op_;
    QToolButton* neer_;
};
