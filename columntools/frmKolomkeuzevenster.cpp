#include "columntools/frmKolomkeuzevenster.h"

#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/Opmaak.h"
#include "platform/VasteBreedteInvoer.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace {

// Widths and heights of the parts, in twips.
constexpr int Kaderbreedte = 2055;
constexpr int Termijnhoogte = 1095;
constexpr int Niveauhoogte = 855;
constexpr int Zijafstand = 2280;  // from the left edge of the source side to the target side

void Plaats(Kolomkiezer& k, int links, int labelbreedte)
{
    ZetPlaats(*k.TrimesterKader, links, 120, Kaderbreedte, Termijnhoogte);
    ZetPlaats(*k.NiveauKader, links, 1320, Kaderbreedte, Niveauhoogte);
    ZetPlaats(*k.lblKolom, links + 120, 2355, labelbreedte, 255);
    ZetPlaats(*k.txtKolom, links + 120 + labelbreedte, 2310, 375, 315);
    ZetPlaats(*k.UpDown, links + 495 + labelbreedte, 2310, 255, 315);
}

}  // namespace

Kolomkeuzevenster::Kolomkeuzevenster(AdmMain& a, Omgeving& o, QWidget* parent, const QString& titel)
    : Dialoog(a, o, parent)
{
    setWindowTitle(titel);
    setFont(VbLetter("MS Sans Serif", 8));
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    ZetNaam(*cmdAnnuleren, "cmdAnnuleren");
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });
}

Kolomkiezer* Kolomkeuzevenster::EnkeleKeuze()
{
    Kolomkiezeropmaak opmaak;
    kiezers_[0] = new Kolomkiezer(*this, *this, opmaak);
    Plaats(*kiezers_[0], 120, 855);
    return kiezers_[0];
}

std::array<Kolomkiezer*, 3> Kolomkeuzevenster::TweeKeuzes(const Zijde& van, const Zijde& naar)
{
    const auto maak = [this](const char* trimester, const char* niveau, int index, const Zijde& zijde) {
        Kolomkiezeropmaak o;
        o.trimesterNaam = trimester;
        o.niveauNaam = niveau;
        o.index = index;
        o.trimesterKader = o.niveauKader = zijde.kader;
        o.kolomLabel = zijde.label;
        return new Kolomkiezer(*this, *this, o);
    };
    kiezers_[1] = maak("vanTrimester", "vanNiveau", 1, van);
    kiezers_[2] = maak("naarTrimester", "naarNiveau", 2, naar);
    Plaats(*kiezers_[1], 120, 975);
    Plaats(*kiezers_[2], 120 + Zijafstand, 975);
    kiezers_[1]->ZetVolgende(kiezers_[2]->txtKolom);
    return kiezers_;
}

void Kolomkeuzevenster::Knoppen(int top, QPushButton* actie, std::initializer_list<QPushButton*> knoppen,
                                std::initializer_list<QWidget*> tussen)
{
    const int n = static_cast<int>(knoppen.size());
    const bool twee = kiezers_[1] != nullptr;
    const int breedte = twee ? 1095 : 975;
    const int venster =
        std::max(minimumbreedte_, twee ? 120 + Zijafstand + Kaderbreedte + 120 : 120 + Kaderbreedte + 120);
    int x = venster - 120 - n * breedte - (n - 1) * 105;
    for (QPushButton* k : knoppen) {
        ZetPlaats(*k, x, top, breedte, 375);
        x += breedte + 105;
    }
    setFixedSize(Twips(venster), Twips(top + 375 + 120));

    // Tab order: term options, level options, column boxes, then the rest.
    std::vector<QWidget*> volgorde;
    const auto keuzes = twee ? std::vector<Kolomkiezer*>{kiezers_[1], kiezers_[2]} : std::vector{kiezers_[0]};
    for (Kolomkiezer* k : keuzes)
        for (int t = 1; t <= 3; ++t)
            volgorde.push_back(k->Trimester[static_cast<std::size_t>(t)]);
    for (Kolomkiezer* k : keuzes)
        for (int n2 = 1; n2 <= 2; ++n2)
            volgorde.push_back(k->Niveau[static_cast<std::size_t>(n2)]);
    for (Kolomkiezer* k : keuzes)
        volgorde.push_back(k->txtKolom);
    volgorde.insert(volgorde.end(), tussen.begin(), tussen.end());
    volgorde.insert(volgorde.end(), knoppen.begin(), knoppen.end());
    for (std::size_t i = 1; i < volgorde.size(); ++i)
        setTabOrder(volgorde[i - 1], volgorde[i]);
    keuzes.back()->ZetVolgende(actie);
}

void Kolomkeuzevenster::KolommenVastleggen()
{
    for (Kolomkiezer* k : kiezers_)
        if (k)
            k->Vastleggen(false);
}

void Kolomkeuzevenster::Form_Activate()
{
    Kolomkiezer* eerste = kiezers_[0] ? kiezers_[0] : kiezers_[1];
    if (voorinstellenBijActiveren_)
        for (Kolomkiezer* k : kiezers_)
            if (k)
                k->Voorinstellen(adm);
    ZetFocus(eerste->Trimester[static_cast<std::size_t>(eerste->GekozenTrimester())]);
}

void Kolomkeuzevenster::Form_KeyDown(int& KeyCode, int&)
{
    EscAnnuleert(KeyCode, [this] { cmdAnnuleren_Click(); });
}

void Kolomkeuzevenster::cmdAnnuleren_Click() { Unload(); }
