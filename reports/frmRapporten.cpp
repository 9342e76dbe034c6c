#include "reports/frmRapporten.h"

#include "core/Opdrachten.h"
#include "platform/Bestandsopdrachten.h"
#include "platform/Cp1252Qt.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Werkbalk.h"
#include "reports/Rapportberekening.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>
#include <string>

namespace {

QAction* Item(QMenu* menu, const char* tekst, std::function<void()> doe)
{
    QAction* a = menu->addAction(QString::fromUtf8(tekst));
    QObject::connect(a, &QAction::triggered, menu, [doe = std::move(doe)] { doe(); });
    return a;
}

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

frmRapporten::frmRapporten(AdmMain& a, Omgeving& o, QWidget* parent) : Venster(a, o, parent)
{
    setWindowTitle(QStringLiteral("Docenten-Morvaldiek Versie 7.762"));

    QMenu* bestand = Hoofdmenu(QStringLiteral("&Bestand"));
    mnuNieuwBestand = Item(bestand, "&Nieuw  Bestand", [this] { mnuNieuwBestand_Click(); });
    mnuBestandLaden = Item(bestand, "Bestand  &Laden...", [this] { mnuBestandLaden_Click(); });
    bestand->addSeparator();
    mnuBestandOpslaan = Item(bestand, "Bestand  &Opslaan", [this] { BestandOpslaan(*this); });
    mnuBestandOpslaanAls = Item(bestand, "Bestand  Opslaan  &Als...", [this] { BestandOpslaanAls(*this); });
    bestand->addSeparator();
    mnuStoppen = Item(bestand, "&Stoppen", [this] { mnuStoppen_Click(); });

    QMenu* lijsten = Hoofdmenu(QStringLiteral("&Lijsten"));
    mnuNamenlijst = Item(lijsten, "&Namenlijst", [this] { Schermwissel(*this, SchermNamen); });
    lijsten->addSeparator();
    mnuTrimester[0] = nullptr;
    mnuTrimester[1] = Item(lijsten, "&1-e Trimester", [this] { Schermwissel(*this, 1); });
    mnuTrimester[2] = Item(lijsten, "&2-e Trimester", [this] { Schermwissel(*this, 2); });
    mnuTrimester[3] = Item(lijsten, "&3-e Trimester", [this] { Schermwissel(*this, 3); });
    lijsten->addSeparator();
    mnuRapportenlijst = Item(lijsten, "&Rapportenlijst", [] {});
    mnuJaaroverzicht = Item(lijsten, "&Jaaroverzicht", [this] { Schermwissel(*this, SchermJaaroverzicht); });

    QMenu* niveau = Hoofdmenu(QStringLiteral("&Niveau"), false);
    mnuNivo1 = Item(niveau, "Niveau  &1", [this] { mnuNivo_Click(1); });
    mnuNivo2 = Item(niveau, "Niveau  &2", [this] { mnuNivo_Click(2); });

    // The toolbar at its positions; print and search come with the full window.
    Werkbalk& w = Toolbar();
    w.VoegKnopToe(QStringLiteral("New"), QStringLiteral("Nieuw cijferbestand"));
    w.VoegScheidingToe();
    w.VoegKnopToe(QStringLiteral("Open"), QStringLiteral("Cijferbestand openen"));
    w.VoegKnopToe(QStringLiteral("Save"), QStringLiteral("Cijferbestand opslaan"));
    w.VoegScheidingToe();
    w.VoegLeegToe();
    w.VoegScheidingToe();
    w.VoegKnopToe(QStringLiteral("Trim1"), QStringLiteral("Cijferlijst van het 1-e trimester"));
    w.VoegKnopToe(QStringLiteral("Trim2"), QStringLiteral("Cijferlijst van het 2-e trimester"));
    w.VoegKnopToe(QStringLiteral("Trim3"), QStringLiteral("Cijferlijst van het 3-e trimester"));
    w.VoegScheidingToe();
    w.VoegKnopToe(QStringLiteral("NAM"), QStringLiteral("Namenlijst met school- en leerlinggegevens"));
    w.VoegScheidingToe();
    w.VoegKnopToe(QStringLiteral("RAP"), QStringLiteral("Rapportenlijst met trimestergemiddelden"));
    w.VoegScheidingToe();
    w.VoegKnopToe(QStringLiteral("JAAR"), QStringLiteral("Jaaroverzicht per leerling"));
    w.VoegScheidingToe();
    w.VoegKnopToe(QStringLiteral("NIVO1"), QStringLiteral("Rapportenlijst Niveau 1 (Laagste niveau)"));
    w.VoegKnopToe(QStringLiteral("NIVO2"), QStringLiteral("Rapportenlijst Niveau 2 (Hoogste niveau)"));
    w.VoegScheidingToe();
    w.VoegLeegToe();
    w.VoegLeegToe();
    w.VoegKnopToe(QStringLiteral("STOP"), QStringLiteral("Stoppen"));

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
    indeling->setContentsMargins(8, w.sizeHint().height() + 4, 8, 4);
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
    if (adm.Scherm != SchermRapporten)
        return;
    Invoervastlegging(Opdrachtbron::Menu);
    Sluitprocedure(*this, Cancel);
}

void frmRapporten::Invoervastlegging(Opdrachtbron)
{
    // The list holds no entry box yet: nothing to commit.
    ControleerWijziging();
}

void frmRapporten::mnuNieuwBestand_Click()
{
    if (!NieuwBestand(*this))
        return;
    Afdrukken(1);
    OudeTekstVernieuwen();
}

void frmRapporten::mnuBestandLaden_Click()
{
    if (BestandLaden(*this) != Openuitslag::Blijft)
        return;
    Klassenstatistiek();
    adm.RapportKolom = 1;
    Afdrukken(1);
    ToonHuidigeRij();
}

void frmRapporten::mnuStoppen_Click() { Stopprocedure(*this); }

void frmRapporten::mnuNivo_Click(int niveau)
{
    adm.Niveau = niveau;
    Afdrukken(1);
}

void frmRapporten::Toolbar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("New"))
        mnuNieuwBestand_Click();
    else if (key == QLatin1String("Open"))
        mnuBestandLaden_Click();
    else if (key == QLatin1String("Save"))
        BestandOpslaan(*this);
    else if (key == QLatin1String("Trim1"))
        Schermwissel(*this, 1);
    else if (key == QLatin1String("Trim2"))
        Schermwissel(*this, 2);
    else if (key == QLatin1String("Trim3"))
        Schermwissel(*this, 3);
    else if (key == QLatin1String("NAM"))
        Schermwissel(*this, SchermNamen);
    else if (key == QLatin1String("JAAR"))
        Schermwissel(*this, SchermJaaroverzicht);
    else if (key == QLatin1String("NIVO1"))
        mnuNivo_Click(1);
    else if (key == QLatin1String("NIVO2"))
        mnuNivo_Click(2);
    else if (key == QLatin1String("STOP"))
        mnuStoppen_Click();
}
