#include "reports/frmRapporten.h"

#include "core/Opdrachten.h"
#include "core/Bestandsopdrachten.h"
#include "platform/Cp1252Qt.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Werkbalk.h"
#include "reports/Rapportberekening.h"

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
        cel->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        lijst.setItem(rij, kolom, cel);
    }
    cel->setText(Cp1252NaarQString(tekst));
}

}  // namespace

frmRapporten::frmRapporten(AdmMain& a, Omgeving& o, QWidget* parent)
    : Weergavevenster(a, o, SchermRapporten, parent)
{
    Menubalk({
        Bestandsmenu(&mnuTrimMenu),
        Lijstenmenu(&mnuLijsten),
        Niveaumenu(&mnuNiveau, Opening::Niets, &mnuNivo1, &mnuNivo2),
    });
    // Print and search come with the full window.
    Werkbalkknoppen(
        {
            Zonder("Print"),
            Knop("NIVO1", "Rapportenlijst Niveau 1 (Laagste niveau)"),
            Knop("NIVO2", "Rapportenlijst Niveau 2 (Hoogste niveau)"),
            Zonder("ZOEK"),
        },
        VoorStop::Ruimte);

    TrimLabel = new QLabel(QStringLiteral("Rapportenlijst"), &Vlak());
    QFont titel = TrimLabel->font();
    titel.setBold(true);
    titel.setPointSize(titel.pointSize() + 2);
    TrimLabel->setFont(titel);
    NivoLabel = new QLabel(&Vlak());
    lblKop = new QLabel(&Vlak());
    lblKop->setTextFormat(Qt::PlainText);
    lstLeerlingen = new QTableWidget(AantalLeerlingen + 2, kAantal, &Vlak());
    lstLeerlingen->setHorizontalHeaderLabels({"Nr", "Achternaam", "Roepnaam", "Tr 1", "Tr 2", "Tr 3", "Jgem", "Rp 1",
                                              "Rp 2", "Rp 3", "Rp E", "Mentor"});
    lstLeerlingen->verticalHeader()->hide();
    lstLeerlingen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstLeerlingen->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstLeerlingen->setSelectionMode(QAbstractItemView::SingleSelection);
    lstLeerlingen->setFont(VbLetter("Courier New", 10));
    Label15 = new QLabel(&Vlak());
    Label15->setTextFormat(Qt::PlainText);
    connect(lstLeerlingen, &QTableWidget::currentCellChanged, this, [this](int rij, int, int, int) {
        // A pupil line chosen in the list becomes the current pupil.
        if (bezigMetTekenen_ || rij < 0 || rij >= AantalLeerlingen)
            return;
        LeerlingKiezen(adm, rij + 1);
    });

    auto* indeling = new QVBoxLayout(&Vlak());
    indeling->setContentsMargins(8, Toolbar().sizeHint().height() + 4, 8, 4);
    indeling->addWidget(TrimLabel);
    indeling->addWidget(NivoLabel);
    indeling->addWidget(lblKop);
    indeling->addWidget(lstLeerlingen, 1);
    indeling->addWidget(Label15);
    resize(800, 600);
}

void frmRapporten::Klassenstatistiek()
{
    BerekenJaarKlasgemiddelde(adm, 1);
    BerekenJaarKlasgemiddelde(adm, 2);
    for (int k = 1; k <= 4; ++k)
        Rapportgemiddelde(adm, k);
}

void frmRapporten::ToonHuidigeRij()
{
    bezigMetTekenen_ = true;
    lstLeerlingen->setCurrentCell(adm.HuidigeRij - 1, kNr);
    lstLeerlingen->scrollToItem(lstLeerlingen->item(adm.HuidigeRij - 1, kNr));
    bezigMetTekenen_ = false;
}

void frmRapporten::Afdrukken(int)
{
    bezigMetTekenen_ = true;
    const int n = adm.Niveau;
    const int m = adm.RapportOptie[5];
    mnuRapportenlijst->setEnabled(false);
    Toolbar().ZetIngedrukt(QStringLiteral("RAP"), true);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO1"), n == 1);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO2"), n == 2);
    NivoLabel->setText(n == 1 ? QStringLiteral("Niveau  1") : QStringLiteral("Niveau  2"));
    ZetVoorgrond(*NivoLabel, n == 1 ? Kleur::Groen : Kleur::Blauw);
    lblKop->setText(Cp1252NaarQString("Klas " + adm.Klas + "   Vak " + adm.Vak + "   Deelvak " + adm.Deelvak +
                                      "   " + std::string(adm.NiveauNaam(n).view())));

    auto& l = *lstLeerlingen;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        const int r = p - 1;
        const std::string nr = (p < 10 ? "0" : "") + std::to_string(p);
        Cel(l, r, kNr, nr);
        Cel(l, r, kAchternaam, adm.Achternaam(p).view());
        Cel(l, r, kRoepnaam, adm.Roepnaam(p).view());
        for (int t = 1; t <= 3; ++t)
            Cel(l, r, kTr1 + t - 1, adm.TrGemTxt(p, t, n).view());
        if (m >= 1 && m <= 3)
            Cel(l, r, kJgem, adm.EindGemTxt(p, n).view());
        else if (m == 4)
            Cel(l, r, kJgem, adm.JrGemTxt(p, n).view());
        for (int k = 1; k <= 4; ++k)
            Cel(l, r, kRp1 + k - 1, adm.RapportTxt(p, k, n).view());
        Cel(l, r, kMentor, adm.Mentor(p).view());
    }
    Cel(l, RijGemiddelde, kRoepnaam, "Klassengemiddelde");
    Cel(l, RijSpreiding, kRoepnaam, "Spreiding");
    for (int t = 1; t <= 3; ++t) {
        Cel(l, RijGemiddelde, kTr1 + t - 1, adm.KlTrGemTxt(t, n).view());
        Cel(l, RijSpreiding, kTr1 + t - 1, adm.KlTrSprTxt(t, n).view());
    }
    if (m >= 1 && m <= 3) {
        Cel(l, RijGemiddelde, kJgem, adm.KlEindGemTxt(n).view());
        Cel(l, RijSpreiding, kJgem, adm.KlEindSprTxt(n).view());
    } else if (m == 4) {
        Cel(l, RijGemiddelde, kJgem, adm.KlJrGemTxt(n).view());
        Cel(l, RijSpreiding, kJgem, adm.KlJrSprTxt(n).view());
    }
    for (int k = 1; k <= 4; ++k) {
        Cel(l, RijGemiddelde, kRp1 + k - 1, adm.RpGemTxt(k, n).view());
        Cel(l, RijSpreiding, kRp1 + k - 1, adm.RpSprTxt(k, n).view());
    }
    l.resizeColumnsToContents();
    BestandsnaamTonen();
    bezigMetTekenen_ = false;
}

void frmRapporten::BestandsnaamTonen() { Label15->setText(PadNaarQString(adm.Bestandsnaam)); }

void frmRapporten::Form_Activate()
{
    FocusNaActiveren = 1;
    Klassenstatistiek();
    Afdrukken(1);
    adm.RapportKolom = 1;
    ToonHuidigeRij();
}

void frmRapporten::Form_Unload(int& Cancel)
{
    // A switch or a prompted quit has set another view code first.
    if (!EigenWeergave())
        return;
    Invoervastlegging(Opdrachtbron::Menu);
    Sluitprocedure(*this, Cancel);
}

void frmRapporten::Invoervastlegging(Opdrachtbron)
{
    // The list holds no entry box yet: nothing to commit.
    ControleerWijziging();
}

void frmRapporten::NaOpenen()
{
    Klassenstatistiek();
    adm.RapportKolom = 1;
    Afdrukken(1);
    ToonHuidigeRij();
}
