#pragma once
// A picture box with a scale of its own and the line, shape and label
// controls inside it (the cut-off graphs): every position is in the
// picture's scale, which Scale sets from the inside's top-left and
// bottom-right corners, so y may grow upward. A shape or label extends from
// its left and top edge to the right and down the screen by its width and
// height, also in scale units. The window moves the elements by setting
// their fields and calls update().

#include <QFrame>
#include <QFont>

#include <cstdint>
#include <deque>
#include <string>

class Tekenvlak : public QFrame {
    Q_OBJECT
public:
    struct Lijnelement {
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        std::uint32_t Kleur = 0;  // &HBBGGRR
        int Dikte = 1;            // pixels
        Qt::PenStyle Stijl = Qt::SolidLine;
    };
    struct Vormelement {
        double Left = 0, Top = 0, Width = 0, Height = 0;
        std::uint32_t Rand = 0;
        std::uint32_t Vulling = 0;
        bool Gevuld = true;
    };
    struct Labelelement {
        double Left = 0, Top = 0, Width = 0, Height = 0;
        std::string Caption;  // Windows-1252
        Qt::Alignment Uitlijning = Qt::AlignLeft | Qt::AlignTop;
        std::uint32_t Kleur = 0;
        QFont Letter;
    };

    explicit Tekenvlak(QWidget* parent = nullptr);

    // (x1, y1) the top-left corner of the inside, (x2, y2) its bottom-right.
    void Scale(double x1, double y1, double x2, double y2);
    double ScaleWidth() const { return x2_ - x1_; }
    double ScaleHeight() const { return y2_ - y1_; }

    void ZetAchtergrond(std::uint32_t kleur);

    // New elements, drawn in this order: lines, shapes, labels. The
    // references stay valid for the picture's life.
    Lijnelement& Lijn(double x1, double y1, double x2, double y2, std::uint32_t kleur = 0);
    Vormelement& Vorm(double left, double top, double width, double height, std::uint32_t kleur = 0);
    Labelelement& Label(double left, double top, double width, double height, std::string caption = {});

    // A point of the scale in the widget's pixels.
    QPointF Punt(double x, double y) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRectF Vlak(double left, double top, double width, double height) const;

    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    std::deque<Lijnelement> lijnen_;
    std::deque<Vormelement> vormen_;
    std::deque<Labelelement> labels_;
};
