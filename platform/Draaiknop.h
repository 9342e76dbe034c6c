#pragma once
// The spin button of the year overview, the column choice and the cut-off
// windows: two arrows, Value within Min and Max for a click, Increment per
// click. Change runs at once whenever Value changes, also when the program
// sets it (so a handler that puts a refused value back runs again, nested);
// setting the value it already has runs nothing. Changing Min or Max leaves
// Value as it is. The arrows never take the focus.
//
// A spin button made a tab stop (ZetTabstop) is reached by Tab, never by a
// click; while it has the focus Up and Down step it as its arrows do, and so
// do Right and Left for one drawn with a right and a left arrow (not with
// Alt or Ctrl held), and a frame in the highlight colour shows it.

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
    void ZetTabstop(bool aan);

    // One click on the upper (or right) arrow, or on the other one.
    void Omhoog();
    void Omlaag();

    QToolButton* KnopOmhoog() const { return op_; }
    QToolButton* KnopOmlaag() const { return neer_; }

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Stap(int richting);

    int waarde_ = 0;
    int min_ = 0;
    int max_ = 10;
    int stap_ = 1;
    bool liggend_;
    QToolButton* op_;
    QToolButton* neer_;
    QWidget* focuskader_ = nullptr;  // over the arrows while the focus is here
};
