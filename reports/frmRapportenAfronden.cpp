#include "reports/frmRapportenAfronden.h"

#include "platform/Opmaak.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

frmRapportenAfronden::frmRapportenAfronden(AdmMain& a, Omgeving& o, QWidget* parent) : Dialoog(a, o, parent)
{
    setWindowTitle(QStringLiteral("Rapportcijfers afronden op..."));
    setFont(VbLetter("MS Sans Serif", 8));

    const char* titels[5] = {nullptr, "1-e  Rapport", "2-e  Rapport", "3-e  Rapport", "Eindrapport"};
    const int plaats[5][2] = {{0, 0}, {240, 240}, {2220, 240}, {240, 1740}, {2220, 1740}};
    const char* codes[4] = {nullptr, "op tienden", "op halven", "op gehelen"};
    Frame[0] = nullptr;
    for (int k = 1; k <= 4; ++k) {
        Frame[k] = new QGroupBox(QString::fromUtf8(titels[k]), this);
        ZetPlaats(*Frame[k], plaats[k][0], plaats[k][1], 1815, 1215);
        Option[k][0] = nullptr;
        for (int i = 1; i <= 3; ++i) {
            auto* o = new QRadioButton(QString::fromUtf8(codes[i]), Frame[k]);
            ZetPlaats(*o, 240, 360 + 240 * (i - 1), 1335, 195);
            ZetNaam(*o, "Option", 4 * (k - 1) + i);
            connect(o, &QRadioButton::toggled, this, [this, k, i](bool aan) {
                if (aan)
                    Option_Click(k, i);
            });
            Option[k][i] = o;
        }
    }
    Option[0][0] = Option[0][1] = Option[0][2] = Option[0][3] = nullptr;

    cmdUitvoeren = new QPushButton(QStringLiteral("&Uitvoeren"), this);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    ZetPlaats(*cmdUitvoeren, 1800, 3300, 975, 315);
    ZetPlaats(*cmdAnnuleren, 3060, 3300, 975, 315);
    Standaardknop(cmdUitvoeren, true);  // Enter is "&Uitvoeren" wherever the focus is
    connect(cmdUitvoeren, &QPushButton::clicked, this, [this] { cmdUitvoeren_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });
    setFixedSize(Twips(4290), Twips(3960));

    // A stored code outside 1..3 (only from a file) becomes 1, saved code included.
    for (int k = 1; k <= 4; ++k) {
        if (adm.RapportOptie[k] < 1 || adm.RapportOptie[k] > 3)
            adm.RapportOptie[k] = 1;
        adm.RapportOptieNieuw[k] = adm.RapportOptie[k];
        Option[k][adm.RapportOptie[k]]->setChecked(true);
    }
}

void frmRapportenAfronden::Form_Activate()
{
    for (int i = 1; i <= 3; ++i)
        if (Option[1][i]->isChecked())
            ZetFocus(Option[1][i]);
}

void frmRapportenAfronden::Form_KeyDown(int& KeyCode, int&)
{
    EnterOfEsc(KeyCode, [this] { cmdUitvoeren_Click(); }, [this] { cmdAnnuleren_Click(); });
}

void frmRapportenAfronden::Option_Click(int rapport, int Index) { adm.RapportOptieNieuw[rapport] = Index; }

void frmRapportenAfronden::cmdUitvoeren_Click()
{
    adm.DialoogOK = true;
    Unload();
}

void frmRapportenAfronden::cmdAnnuleren_Click()
{
    for (int k = 1; k <= 4; ++k)
        adm.RapportOptieNieuw[k] = adm.RapportOptie[k];
    Unload();
}
