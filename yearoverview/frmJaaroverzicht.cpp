#include "yearoverview/frmJaaroverzicht.h"

#include "core/Opdrachten.h"
#include "core/Tekst.h"
#include "platform/Bestandsopdrachten.h"
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
        cel->setFlags(Qt::ItemIsEnabled);
        cel->setTextAlignment(Qt::AlignCenter);
        lijst.setItem(rij, kolom, cel);
    }
    cel->setText(Cp1252NaarQString(tekst));
}

const char* Termijn[] = {"", "1-e Trimester", "2-e Trimester", "3-e Trimester"};

}  // namespace

frmJaaroverzicht::frmJaaroverzicht(AdmMain& a, Omgeving& o, QWidget* parent) : Venster(a, o, parent)
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
    mnuRapportenlijst = Item(lijsten, "&Rapportenlijst", [this] { Schermwissel(*this, SchermRapporten); });
    mnuJaaroverzicht = Item(lijsten, "&Jaaroverzicht", [] {});

    QMenu* niveau = Hoofdmenu(QStringLiteral("&Niveau"));
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
    w.VoegKnopToe(QStringLiteral("NIVO1"), QStringLiteral("Jaaroverzicht Niveau 1 (Laagste niveau)"));
    w.VoegKnopToe(QStringLiteral("NIVO2"), QStringLiteral("Jaaroverzicht Niveau 2 (Hoogste niveau)"));
    w.VoegScheidingToe();
    w.VoegLeegToe();
    w.VoegLeegToe();
    w.VoegKnopToe(QStringLiteral("STOP"), QStringLiteral("Stoppen"));

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
    indeling->setContentsMargins(8, w.sizeHint().height() + 4, 8, 4);
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
    if (adm.Scherm != SchermJaaroverzicht)
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

void frmJaaroverzicht::mnuNieuwBestand_Click()
{
    if (!NieuwBestand(*this))
        return;
    Afdrukken();
    OudeTekstVernieuwen();
}

void frmJaaroverzicht::mnuBestandLaden_Click()
{
    if (BestandLaden(*this) != Openuitslag::Blijft)
        return;
    Afdrukken();
    UpDown->ZetValue(adm.HuidigeRij);
}

void frmJaaroverzicht::mnuStoppen_Click() { Stopprocedure(*this); }

void frmJaaroverzicht::mnuNivo_Click(int niveau)
{
    adm.Niveau = niveau;
    Afdrukken();
}

void frmJaaroverzicht::Toolbar_ButtonClick(const QString& key)
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
    else if (key == QLatin1String("RAP"))
        Schermwissel(*this, SchermRapporten);
    else if (key == QLatin1String("NIVO1"))
        mnuNivo_Click(1);
    else if (key == QLatin1String("NIVO2"))
        mnuNivo_Click(2);
    else if (key == QLatin1String("STOP"))
        mnuStoppen_Click();
}
