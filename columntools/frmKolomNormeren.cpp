#include "columntools/frmKolomNormeren.h"

#include "columntools/Kolomnormering.h"
#include "platform/Cp1252Qt.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "columntools/Kolomkiezer.h"
#include "platform/Opmaak.h"
#include "platform/VasteBreedteInvoer.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

frmKolomNormvenster::frmKolomNormvenster(Cesuursoort soort, AdmMain& a, Omgeving& o, QWidget* parent)
    : frmCesuurvenster(soort, a, o, parent)
{
    const bool fouten = soort == Cesuursoort::Fouten;
    setWindowTitle(QStringLiteral("Kolom normeren"));
    cmdAnnuleren->setText(QStringLiteral("&Annuleren"));
    cmdNormeren = new QPushButton(QStringLiteral("&Normeren"), this);
    ZetPlaats(*cmdNormeren, 3150, 2820, 1215, 285);
    ZetPlaats(*cmdTabel, 4560, 2820, 1215, 285);
    ZetPlaats(*cmdAnnuleren, 5970, 2820, 1215, 285);
    setTabOrder(cmdNormeren, cmdTabel);
    setTabOrder(cmdTabel, cmdAnnuleren);
    connect(cmdNormeren, &QPushButton::clicked, this, [this] { cmdNormeren_Click(); });

    Kolomkiezeropmaak opmaak;
    opmaak.trimesterKader = QStringLiteral("Trimester");
    opmaak.niveauKader = QStringLiteral("Niveau");
    opmaak.kolomKader = QStringLiteral("Kolom");
    opmaak.kolomKaderTonen = true;
    opmaak.kolomLabel = QStringLiteral("Kolom :");
    opmaak.typen = false;
    kiezer = new Kolomkiezer(*this, *this, opmaak);
    ZetPlaats(*kiezer->TrimesterKader, 270, 3060, 1800, 1380);
    ZetPlaats(*kiezer->NiveauKader, 2190, 3060, 1500, 1050);
    ZetPlaats(*kiezer->KolomKader, 3810, 3060, 1350, 720);
    ZetPlaats(*kiezer->lblKolom, 120, 300, 600, 255);
    ZetPlaats(*kiezer->txtKolom, 720, 270, 345, 285);
    ZetPlaats(*kiezer->UpDown, 1065, 270, 225, 285);
    connect(kiezer, &Kolomkiezer::TrimesterClick, this, [this] { UpDown_Change(); });
    connect(kiezer, &Kolomkiezer::NiveauClick, this, [this] { UpDown_Change(); });
    connect(kiezer, &Kolomkiezer::Change, this, [this] { UpDown_Change(); });

    const char* const kop[] = {
        fouten ? "Laagste aantal fouten:" : "Laagste  Score..........:",
        fouten ? "Hoogste aantal fouten:" : "Hoogste  Score.........:",
        fouten ? "Gemiddeld aantal fouten: " : "Gemiddelde...............:",
        "% Onvoldoenden ( < Cesuur )",
    };
    QLabel** waarde[] = {&lblLaagsteScore, &lblHoogsteScore, &lblGemiddeldeScore, &lblProcent};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(QString::fromLatin1(kop[i]), this);
        ZetPlaats(*l, 5250, 3120 + 285 * i, 2250, 255);
        *waarde[i] = new QLabel(this);
        (*waarde[i])->setFont(VbLetter("Courier New", 9));
        ZetPlaats(**waarde[i], 7500, 3120 + 285 * i, 540, 255);
    }
    lblProcent->setText(QStringLiteral("   "));

    knoppen.NaCesuuraantal = [this] { UpDown_Change(); };
    setFixedSize(Twips(8070), Twips(4620));
}

void frmKolomNormvenster::Form_Activate()
{
    if (!geactiveerd_) {
        geactiveerd_ = true;
        kiezer->Voorinstellen(adm);
        UpDown_Change();
    }
    CurveActiveren();
    ZetFocus(txtFocus);
}

void frmKolomNormvenster::UpDown_Change()
{
    const Kolomkeuze k = kiezer->Keuze();
    lblLaagsteScore->setText(Cp1252NaarQString(LaagsteScore(adm, k)));
    lblHoogsteScore->setText(Cp1252NaarQString(HoogsteScore(adm, k)));
    lblGemiddeldeScore->setText(Cp1252NaarQString(adm.KlGemTxt(k.Absoluut(), k.niveau)));
    lblProcent->setText(
        Cp1252NaarQString(PercentageOnvoldoende(adm, k, knoppen.Tekst[KnopAantalCesuur], knoppen.Soort())));
}

void frmKolomNormvenster::cmdNormeren_Click()
{
    KolomNormeren(adm, kiezer->Keuze(), knoppen.Punten());
    Unload();
}
