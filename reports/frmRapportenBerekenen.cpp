#include "reports/frmRapportenBerekenen.h"

#include "platform/Etiket.h"
#include "platform/Opmaak.h"

#include <QPushButton>
#include <QRadioButton>

frmRapportenBerekenen::frmRapportenBerekenen(AdmMain& a, Omgeving& o, QWidget* parent) : Dialoog(a, o, parent)
{
    setWindowTitle(QStringLiteral("Rapportcijfers berekenen..."));
    setFont(VbLetter("MS Sans Serif", 8));

    // The buttons come first in the tab order, then the options.
    cmdUitvoeren = new QPushButton(QStringLiteral("&Uitvoeren"), this);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    ZetPlaats(*cmdUitvoeren, 2220, 3420, 975, 315);
    ZetPlaats(*cmdAnnuleren, 3420, 3420, 975, 315);
    Standaardknop(cmdUitvoeren, true);  // Enter is "&Uitvoeren" wherever the focus is
    connect(cmdUitvoeren, &QPushButton::clicked, this, [this] { cmdUitvoeren_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });

    const char* titels[5] = {
        nullptr,
        "Rapporten zelf invullen",
        "1e, 2e en 3e rapport gelijk aan de trimestergemiddelden. Eindrapport gelijk aan het gewogen gemiddelde "
        "van de trimestergemiddelden. ",
        "Rapporten gelijk aan het voortschrijdend gewogen gemiddelde van de trimestergemiddelden. ",
        "Rapporten gelijk aan het voorschrijdend gewogen gemiddelde van alle cijfers (proefwerken e.d.).",
    };
    optButton[0] = nullptr;
    lblButton[0] = nullptr;
    // The option's round button at the left of its box, the caption wrapped
    // beside it (a radio button does not wrap its text).
    constexpr int Knopbreedte = 300;
    for (int i = 1; i <= 4; ++i) {
        const int top = 180 + 780 * (i - 1);
        auto* o = new QRadioButton(this);
        o->setAccessibleName(QString::fromUtf8(titels[i]));
        ZetPlaats(*o, 180, top, Knopbreedte, 675);
        ZetNaam(*o, "optButton", i);
        connect(o, &QRadioButton::toggled, this, [this, i](bool aan) {
            if (aan)
                optButton_Click(i);
        });
        optButton[i] = o;
        auto* l = new Etiket(titels[i], this);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ZetPlaats(*l, 180 + Knopbreedte, top, 4335 - Knopbreedte, 675);
        connect(l, &Etiket::Click, this, [this, i] {
            optButton[i]->setChecked(true);
            ZetFocus(optButton[i]);
        });
        lblButton[i] = l;
    }
    setFixedSize(Twips(4620), Twips(3960));

    // A stored method outside 1..4 (only from a file) becomes 1.
    if (adm.RapportOptie[5] < 1 || adm.RapportOptie[5] > 4)
        adm.RapportOptie[5] = 1;
    optButton[adm.RapportOptie[5]]->setChecked(true);
    adm.RapportOptieNieuw[5] = adm.RapportOptie[5];
}

void frmRapportenBerekenen::Form_Activate() { ZetFocus(optButton[adm.RapportOptieNieuw[5]]); }

void frmRapportenBerekenen::Form_KeyDown(int& KeyCode, int&)
{
    EnterOfEsc(KeyCode, [this] { cmdUitvoeren_Click(); }, [this] { cmdAnnuleren_Click(); });
}

void frmRapportenBerekenen::optButton_Click(int Index) { adm.RapportOptieNieuw[5] = Index; }

void frmRapportenBerekenen::cmdUitvoeren_Click()
{
    adm.DialoogOK = true;
    Unload();
}

void frmRapportenBerekenen::cmdAnnuleren_Click()
{
    adm.RapportOptieNieuw[5] = adm.RapportOptie[5];
    Unload();
}
