#pragma once
// A label that shows Windows-1252 text as it stands (no rich text, no
// mnemonics), reports clicks and every mouse move over it (for the value
// tooltips, set in the MouseMove handler before Qt shows the tip).

#include <QLabel>

#include <cstdint>
#include <string>
#include <string_view>

class Etiket : public QLabel {
    Q_OBJECT
public:
    explicit Etiket(QWidget* parent = nullptr);
    explicit Etiket(std::string_view tekst, QWidget* parent = nullptr);

    std::string Tekst() const;  // Windows-1252
    void ZetTekst(std::string_view tekst);

    void ZetAchtergrond(std::uint32_t vbKleur);
    void ZetVoorgrond(std::uint32_t vbKleur);

signals:
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool ingedrukt_ = false;
};

// The insert/type-over indicator of the views: 0 "Type over" on light red,
// 1 "Insert" on light cyan; any other value leaves the label as it is.
void ToonInsertModus(Etiket& lblInsert, int insertModus);

// The Insert key of the views: the mode flips between insert and type-over
// and the indicator shows it.
void WisselInsertModus(int& insertModus, Etiket& lblInsert);

// The value tooltip of a mark, average or spread: the full value and a
// blank, or " Niet gedefinieerd! " for none (a value below 0).
void Waardetip(QWidget& control, double waarde);
