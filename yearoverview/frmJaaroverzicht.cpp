#include "yearoverview/frmJaaroverzicht.h"

#include "core/Opdrachten.h"
#include "core/Tekst.h"
#include "core/Bestandsopdrachten.h"
#include "platform/Cp1252Qt.h"
#include "platform/Draaiknop.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Werkbalk.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

namespace {

void Cel(QTableWidget& lijst, int rij, int kolom, std::string_view tekst)
{
    QTableWidgetItem* cel = lijst.item(rij, kolom);
    if (!cel) {
        cel = new QTableWidgetItem;
        cel->setFlags(Qt::ItemIsEnabled);
        cel->setTextAlignment(Qt::AlignCenter);
        lijst.setItem(rij, kolom, cel);
    }
    cel->setText(Cp1252NaarQString(tekst));
}

const char* Termijn[] = {"", "1-e Trimester", "2-e Trimester", "3-e Trimester"};

}  // namespace

frmJaaroverzicht::frmJaaroverzicht(AdmMain& a, Omgeving& o, QWidget* parent)
    : Weergavevenster(a, o, SchermJaaroverzicht, parent)
{
    Menubalk({
        Bestandsmenu(&mnuTrimMenu),
        Lijstenmenu(&mnuLijsten),
        Niveaumenu(&mnuNiveau, Opening::Vastleggen, &mnuNiveau1, &mnuNiveau2),
    });
    // Print and search come with the full window.
    Werkbalkknoppen(
        {
            Knop("New", "Nieuwc cijferbestand"),
            Zonder("Print"),
            Knop("JAAR", nullptr, [this] { Afdrukken(); }),
            Knop("NIVO1", "Jaaroverzicht Niveau 1 (Laagste niveau)"),
            Knop("NIVO2", "Jaaroverzicht Niveau 2 (Hoogste niveau)"),
            Zonder("ZOEK"),
        },
        VoorStop::Ruimte);

    TrimLabel = new QLabel(QStringLiteral("Jaaroverzicht"), &Vlak());
    QFont titel = TrimLabel->font();
    titel.setBold(true);
    titel.setPointSize(titel.pointSize() + 2);
    TrimLabel->setFont(titel);
    NivoLabel = new QLabel(&Vlak());
    auto* lblLeerling = new QLabel(QStringLiteral("Volgnummer...:"), &Vlak());
    lblNummer = new QLabel(&Vlak());
    UpDown = new Draaiknop(Qt::Vertical, &Vlak());
    UpDown->ZetMin(1);
    UpDown->ZetMax(AantalLeerlingen);
    UpDown->ZetIncrement(1);
    UpDown->ZetValue(1);
    UpDown->setFixedSize(Twips(600), Twips(285));
    connect(UpDown, &Draaiknop::Change, this, [this] { UpDown_Change(); });
    lblNaam = new QLabel(&Vlak());
    lblNaam->setTextFormat(Qt::PlainText);
    lblNaam->setFont(VbLetter("Courier New", 12));

    lstCijfers = new QTableWidget(6, 18, &Vlak());
    QStringList koppen;
    for (int k = 1; k <= KolommenPerTrimester; ++k)
        koppen << QString::number(k);
    koppen << QStringLiteral("Gem.") << QStringLiteral("Rap.");
    lstCijfers->setHorizontalHeaderLabels(koppen);
    QStringList rijen;
    for (int t = 1; t <= 3; ++t)
        rijen << QString::fromUtf8(Termijn[t]) + QStringLiteral("  Gewicht") << QStringLiteral("Cijfer");
    lstCijfers->setVerticalHeaderLabels(rijen);
    lstCijfers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstCijfers->setSelectionMode(QAbstractItemView::NoSelection);
    lstCijfers->setFocusPolicy(Qt::NoFocus);
    lstCijfers->setFont(VbLetter("Courier New", 10));

    lblJgem = new QLabel(&Vlak());
    lblEind = new QLabel(&Vlak());
    lblBestand = new QLabel(&Vlak());
    lblBestand->setTextFormat(Qt::PlainText);

    auto* leerling = new QHBoxLayout;
    leerling->addWidget(lblLeerling);
    leerling->addWidget(lblNummer);
    leerling->addWidget(UpDown);
    leerling->addSpacing(16);
    leerling->addWidget(lblNaam, 1);
    auto* samenvatting = new QHBoxLayout;
    samenvatting->addWidget(new QLabel(QStringLiteral("Jaargemiddelde :"), &Vlak()));
    samenvatting->addWidget(lblJgem);
    samenvatting->addSpacing(24);
    samenvatting->addWidget(new QLabel(QStringLiteral("Eindrapport :"), &Vlak()));
    samenvatting->addWidget(lblEind);
    samenvatting->addStretch();
    auto* indeling = new QVBoxLayout(&Vlak());
    indeling->setContentsMargins(8, Toolbar().sizeHint().height() + 4, 8, 4);
    indeling->addWidget(TrimLabel);
    indeling->addWidget(NivoLabel);
    indeling->addLayout(leerling);
    indeling->addWidget(lstCijfers, 1);
    indeling->addLayout(samenvatting);
    indeling->addWidget(lblBestand);
    resize(800, 600);

    // Form_Load: the year overview always opens in insert mode.
    adm.InsertModus = 1;
}

void frmJaaroverzicht::Afdrukken()
{
    const int p = adm.HuidigeRij;
    const int n = adm.Niveau;
    mnuJaaroverzicht->setEnabled(false);
    Toolbar().ZetIngedrukt(QStringLiteral("JAAR"), true);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO1"), n == 1);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO2"), n == 2);
    NivoLabel->setText(QStringLiteral("Niveau  %1   ").arg(n) + Cp1252NaarQString(adm.NiveauNaam(n).view()));
    ZetVoorgrond(*NivoLabel, n == 1 ? Kleur::Groen : Kleur::Blauw);
    lblNaam->setText(Cp1252NaarQString(std::string(Trim(adm.Achternaam(p).view())) + ", " +
                                       std::string(Trim(adm.Roepnaam(p).view()))));

    auto& l = *lstCijfers;
    for (int t = 1; t <= 3; ++t) {
        for (int k = 1; k <= KolommenPerTrimester; ++k) {
            const int c = AbsoluteKolom(t, k);
            Cel(l, RijGewicht(t), k - 1, Trim(adm.KolomGewicht(c, n).view()));
            Cel(l, RijCijfer(t), k - 1, Trim(adm.Cijfer(p, c, n).view()));
        }
        Cel(l, RijGewicht(t), KolomGemiddelde, adm.TrimGewichtTekst(t, n).view());
        Cel(l, RijCijfer(t), KolomGemiddelde, adm.TrGemTxt(p, t, n).view());
        Cel(l, RijCijfer(t), KolomRapport, adm.RapportTxt(p, t, n).view());
    }
    l.resizeColumnsToContents();
    const int m = adm.RapportOptie[5];
    if (m >= 1 && m <= 3)
        lblJgem->setText(Cp1252NaarQString(adm.EindGemTxt(p, n).view()));
    else if (m == 4)
        lblJgem->setText(Cp1252NaarQString(adm.JrGemTxt(p, n).view()));
    lblEind->setText(Cp1252NaarQString(adm.RapportTxt(p, 4, n).view()));
    BestandsnaamTonen();
}

void frmJaaroverzicht::BestandsnaamTonen() { lblBestand->setText(PadNaarQString(adm.Bestandsnaam)); }

void frmJaaroverzicht::Form_Activate()
{
    FocusNaActiveren = 1;
    Afdrukken();
    UpDown->ZetValue(adm.HuidigeRij);
    lblNummer->setText(QString::number(adm.HuidigeRij));
}

void frmJaaroverzicht::UpDown_Change()
{
    lblNummer->setText(QString::number(UpDown->Value()));
    LeerlingKiezen(adm, UpDown->Value());
    Afdrukken();
}

void frmJaaroverzicht::Form_Unload(int& Cancel)
{
    // A switch or a prompted quit has set another view code first.
    if (!EigenWeergave())
        return;
    ControleerWijziging();
    Sluitprocedure(*this, Cancel);
    if (!Cancel)
        adm.Gewijzigd = 0;
}

void frmJaaroverzicht::Invoervastlegging(Opdrachtbron)
{
    // The card holds no entry box yet: nothing to commit.
    ControleerWijziging();
}

void frmJaaroverzicht::NaOpenen()
{
    Afdrukken();
    UpDown->ZetValue(adm.HuidigeRij);
}
