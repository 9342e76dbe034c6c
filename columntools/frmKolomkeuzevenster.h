#pragma once
// The base of the column windows (print, clear, copy, swap, convert): one
// column choice, or a source ("van", left) and a target ("naar", right),
// with the action button and "&Annuleren" at the bottom.
//
// Presets on every activation (a window may keep them after its first one);
// the focus then goes to the selected term option of the first choice. Enter
// in a column box moves from the source box to the target box and on to the
// action button; Esc anywhere runs "&Annuleren", which closes the window
// and writes nothing.

#include "columntools/Kolomkiezer.h"
#include "platform/Venster.h"

#include <array>
#include <initializer_list>

class QPushButton;

class Kolomkeuzevenster : public Dialoog {
    Q_OBJECT
public:
    QPushButton* cmdAnnuleren;

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void cmdAnnuleren_Click();

protected:
    Kolomkeuzevenster(AdmMain& adm, Omgeving& omgeving, QWidget* parent, const QString& titel);

    // One choice: term frame above level frame, then the column box.
    Kolomkiezer* EnkeleKeuze();

    // Source and target side by side, in frames with the given captions.
    struct Zijde {
        QString kader;
        QString label;
    };
    std::array<Kolomkiezer*, 3> TweeKeuzes(const Zijde& van, const Zijde& naar);

    // The buttons at `top` (twips), left to right, the last being
    // "&Annuleren"; Enter in the last column box goes to `actie`. Sets the
    // tab order: the choices, then `tussen`, then the buttons.
    void Knoppen(int top, QPushButton* actie, std::initializer_list<QPushButton*> knoppen,
                 std::initializer_list<QWidget*> tussen = {});

    // The column boxes commit what they hold, silently.
    void KolommenVastleggen();

    bool voorinstellenBijActiveren_ = true;
    int minimumbreedte_ = 0;  // twips; wider than the choices need

private:
    std::array<Kolomkiezer*, 3> kiezers_{};  // [0] one choice, or [1] source and [2] target
};
