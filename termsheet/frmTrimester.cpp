#include "termsheet/frmTrimester.h"

#include "frame/Bestandsopdrachten.h"
#include "core/Getallen.h"
#include "core/Schermvenster.h"
#include "platform/Etiket.h"
#include "platform/Klembord.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "termsheet/AfdrukTrimester.h"
#include "termsheet/Cijferverwerking.h"
#include "termsheet/Klembordkolom.h"
#include "termsheet/Sorteermenu.h"

#include <QAction>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <functional>
#include <string>

namespace {

// The boxes of the sheet: grades and weights 3 wide, headers 39.
const Invoerregels Cijferregels{3, Typegrens::OpBreedte, Loslaten::Opvullen, Overschrijven::BijToetsNeer};
const Invoerregels Kopregels{39, Typegrens::VanafBreedte, Loslaten::Niets, Overschrijven::BijToetsNeer};

// Layout in twips, from the left of the client area and from the bottom of
// the toolbar.
constexpr int XNummer = 120, BNummer = 345;
constexpr int XNaam = 495, BNaam = 3000;
constexpr int XVoornaam = 3525, BVoornaam = 1650;
constexpr int XCel = 5250, Kolomstap = 510, BCel = 495;
constexpr int XTrGem = 9375, BTrGem = 615;
constexpr int XMentor = 10020, BMentor = 510;
constexpr int XVsb = 10560, BVsb = 255;
constexpr int YTitel = 90, HTitel = 375;
constexpr int YKolom = 570, HKolom = 285;
constexpr int YKop = 885, Kopstap = 360, HKop = 330;
constexpr int YKopjes = 2370, HKopjes = 285;
constexpr int YRij = 2670, Rijstap = 390, HRij = 360;
constexpr int YHsb = 5820, HHsb = 255;
constexpr int YKlGem = 6150, YKlSpr = 6480, HStat = 300;
constexpr int YBestand = 6900, HBestand = 285;
constexpr int BKopRust = 495, BKopBreed = 2100;

std::uint32_t Tekstkleur(std::string_view tekst) { return Onvoldoende(tekst) ? Kleur::Rood : Kleur::Zwart; }

}  // namespace

frmTrimester::frmTrimester(AdmMain& a, Omgeving& o, QWidget* parent)
    : Weergavevenster(a, o, SchermTrimester1, parent)
{
    MaakMenus();
    MaakBesturingen();
    // Form_Load: at the top left of the screen.
    Plaatsen(0, 0, 800, 570);
}

frmTrimester::~frmTrimester() = default;

// ---- Construction ----------------------------------------------------------

void frmTrimester::MaakMenus()
{
    auto focus = [this](const char* titel, QAction** actie, std::function<QWidget*()> doel) {
        return Item(titel, actie, [this, doel] { ZetFocus(doel()); });
    };
    auto kopvak = [this](std::array<VasteBreedteInvoer*, 9>& vakken) {
        return [this, &vakken]() -> QWidget* { return vakken[SchermKolom(adm.HuidigeKolom)]; };
    };
    auto sorteer = [this](const char* titel, QAction** actie, Sorteersoort soort) {
        return Item(titel, actie, [this, soort] { Sorteren(static_cast<int>(soort)); });
    };
    auto kolomvenster = [this](const char* titel, QAction** actie, Kolomvenster venster) {
        return Item(titel, actie, [this, venster] { KolomvensterOpenen(venster); });
    };
    auto afdruk = [this](const char* titel, QAction** actie, int niveau, int eersteKolom) {
        return Item(titel, actie, [this, niveau, eersteKolom] {
            PrintTrimester(adm.Scherm, niveau, eersteKolom, true);
            ZetFocus(StartFocus);
        });
    };

    Menubalk({
        Bestandsmenu(&Bestand, Sub("Leerling(en)  &Importeren  Uit...", &mnuLeerlingenImporteren,
                                   {AnderCijferbestand(), Namenbestanditem()})),
        {"Be&werken",
         &Bewerken,
         Opening::Vastleggen,
         {
             Item("Cijferkolom Plakken uit E&xcell...", &mnuCijferkolom_Plakken,
                  [this] { mnuCijferkolom_Plakken_Click(); }),
             Streep(),
             focus("&Soort/Bestand", &mnuSoortBestand, kopvak(txtSoort)),
             focus("&Datum", &mnuDatum, kopvak(txtDatum)),
             focus("&Opmerking", &mnuOpmerking, kopvak(txtOpmerking)),
             focus("&Gewicht", &mnuGewicht, kopvak(txtGewicht)),
             focus("&Cijfers/Scores", &mnuCijfersScores, [this] { return HuidigeCel(); }),
             Streep(),
             Zoekitem(),
             Streep(),
             kolomvenster("Kolom  &Kopiëren...", &mnuKolomKopieren, &Kolomvensters::Kopieren),
             kolomvenster("Kolom  &Wissen...", &mnuKolomWissen, &Kolomvensters::Wissen),
             kolomvenster("Kolommen  &Verwisselen...", &mnuKolommenVerwisselen, &Kolomvensters::Verwisselen),
             kolomvenster("Kolom Om&rekenen...", &mnuKolomOmrekenen, &Kolomvensters::Omrekenen),
             Sub("Kolom Normeren...", &mnuKolomNormA,
                 {kolomvenster("&Scores Normeren...", &mnuKolomNormScoresA, &Kolomvensters::NormScores),
                  kolomvenster("&Fouten Normeren...", &mnuKolomNormFoutenA, &Kolomvensters::NormFouten)}),
             Streep(),
             Verwijderitem(),
             Streep(),
             Item("Rapportcijfers  &Importeren  Uit...", &mnuRapportcijferImporteren,
                  [this] { mnuRapportcijferImporteren_Click(); }),
         },
         AlleenMetKlembordtekst(mnuCijferkolom_Plakken)},
        Lijstenmenu(&Lijsten),
        Sorteermenu(&mnuSorteren,
                    {
                        sorteer("&Achternaam", &mnuSortAchternaam, Sorteersoort::Achternaam),
                        sorteer("&Basisgroep  (zie  Namenlijst)", &mnuSortBasisgroep, Sorteersoort::Basisgroep),
                        sorteer("&Kenmerk     (zie  Namenlijst)", &mnuSortKenmerk, Sorteersoort::Kenmerk),
                        sorteer("&Mentor", &mnuSortMentor, Sorteersoort::Mentor),
                        Streep(),
                        sorteer("&Trimestergemiddelde", &mnuSortTrimesterGemiddelde,
                                Sorteersoort::Trimestergemiddelde),
                    }),
        {"&Afdrukken",
         &mnuAfdrukken,
         Opening::Vastleggen,
         {
             afdruk("&A  Kolom  1-8   Niveau  1", &mnuPrintKolom1_8_Nivo_1, 1, 1),
             afdruk("&B  Kolom  1-8   Niveau  2", &mnuPrintKolom1_8_Nivo_2, 2, 1),
             Streep(),
             afdruk("&C  Kolom  9-16  Niveau  1", &mnuPrintKolom9_16_Nivo_1, 1, 9),
             afdruk("&D  Kolom  9-16  Niveau  2", &mnuPrintKolom9_16_Nivo_2, 2, 9),
             Streep(),
             kolomvenster("&Kolom... afdrukken", &mnuKolomAfdrukken, &Kolomvensters::Afdrukken),
             Streep(),
             Item("&Toelichting bij Kolommen", &mnuToelichting,
                  [this] {
                      PrintToelichting(adm.Scherm, adm.Niveau);
                      ZetFocus(StartFocus);
                  }),
         }},
        Niveaumenu(&mnuNiveau, Opening::Vastleggen, &mnuNivo1, &mnuNivo2),
        {"&Cesuur",
         &mnuCesuur,
         Opening::Vastleggen,
         {
             Sub("Kolom &Normeren...", &mnuKolomNorm,
                 {kolomvenster("&Scores Normeren...", &mnuKolomNormScores, &Kolomvensters::NormScores),
                  kolomvenster("&Fouten Normeren...", &mnuKolomNormFouten, &Kolomvensters::NormFouten)}),
             Sub("Cesuur&tabel", &mnuCesuurTabel,
                 {kolomvenster("&Scores", &mnuCesuurScoreTabel, &Kolomvensters::CesuurScore),
                  kolomvenster("&Fouten", &mnuCesuurFoutenTabel, &Kolomvensters::CesuurFouten)}),
         }},
        Helpmenu(&mnuHelp),
    });

    Werkbalkknoppen({
        Knop("Open", "Cijferbestand openen "),
        Knop("Print", "Trimestercijferlijst afdrukken",
             [this] { PrintTrimester(adm.Scherm, adm.Niveau, Trimesterkolom(Stand(), adm.EersteKolom), false); }),
        Knop("NIVO1", "Cijferlijst Niveau 1 (Laagste niveau)"),
        Knop("NIVO2", "Cijferlijst Niveau 2 (Hoogste niveau)"),
    });
}

void frmTrimester::MaakBesturingen()
{
    QWidget* vlak = &Vlak();
    const int boven = Toolbar().sizeHint().height() * 15;
    const QFont vast = VbLetter("Courier New", 9);
    const QFont namen = VbLetter("Courier New", 10);
    const QFont gewoon = VbLetter("MS Sans Serif", 8);
    const QFont vet = VbLetter("MS Sans Serif", 8, true);

    auto plaats = [boven](QWidget& w, int x, int y, int b, int h) { ZetPlaats(w, x, boven + y, b, h); };
    auto etiket = [&](int x, int y, int b, int h, const QFont& f, Qt::Alignment uitlijning, bool rand) {
        auto* e = new Etiket(vlak);
        e->setFont(f);
        e->setAlignment(uitlijning | Qt::AlignVCenter);
        if (rand) {
            e->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            e->setIndent(3);
        }
        plaats(*e, x, y, b, h);
        return e;
    };
    auto opschrift = [&](const char* tekst, int x, int y, int b, int h, Qt::Alignment uitlijning = Qt::AlignLeft) {
        Etiket* e = etiket(x, y, b, h, gewoon, uitlijning, false);
        e->ZetTekst(tekst);
        return e;
    };
    auto vak = [&](const Invoerregels& regels, const char* naam, int index, int x, int y, int b, int h) {
        auto* v = new VasteBreedteInvoer(omgeving, adm.InsertModus, regels, vlak);
        ZetNaam(*v, naam, index);
        v->setFont(vast);
        v->setTextMargins(0, 0, 0, 0);
        plaats(*v, x, y, b, h);
        v->ZetAchtergrond(Kleur::Wit);
        return v;
    };

    // The focus box first: it holds the focus when the window opens.
    StartFocus = new Focusvak(omgeving, adm.InsertModus, vlak);
    ZetNaam(*StartFocus, "StartFocus");
    plaats(*StartFocus, 0, 0, 0, 0);
    connect(StartFocus, &VasteBreedteInvoer::LostFocus, this, [this] { FocusNaActiveren = 0; });
    Vakken(*StartFocus, {nullptr, [this](int, int toets) { StartFocus_KeyDown(toets, 0); }});

    TrimLabel = etiket(XNummer, YTitel, 2250, HTitel, VbLetter("MS Sans Serif", 12, true), Qt::AlignLeft, false);
    NivoLabel = etiket(2430, YTitel, 1200, HTitel, VbLetter("MS Sans Serif", 10, true), Qt::AlignLeft, false);
    lblNiveau = etiket(3630, YTitel, 1200, HTitel, VbLetter("MS Sans Serif", 10, true), Qt::AlignLeft, false);
    opschrift("Klas", XCel, YTitel, 420, HTitel);
    lblKlas = etiket(XCel + 420, YTitel, 900, HTitel, namen, Qt::AlignLeft, false);
    opschrift("Vak", XCel + 1410, YTitel, 360, HTitel);
    lblVak = etiket(XCel + 1770, YTitel, 900, HTitel, namen, Qt::AlignLeft, false);
    opschrift("Deelvak", XCel + 2760, YTitel, 660, HTitel);
    lblDeelvak = etiket(XCel + 3420, YTitel, 900, HTitel, namen, Qt::AlignLeft, false);
    lblInsert = etiket(XTrGem + 30, YTitel + 30, XVsb + BVsb - XTrGem - 30, HTitel - 60, gewoon, Qt::AlignHCenter,
                       true);

    const char* koppen[4] = {"Soort", "Datum", "Opmerking", "Gewicht"};
    for (int j = 0; j < 4; ++j)
        opschrift(koppen[j], XVoornaam, YKop + j * Kopstap, XCel - XVoornaam - 90, HKop, Qt::AlignRight);
    for (int k = 1; k <= 8; ++k) {
        const int x = XCel + (k - 1) * Kolomstap;
        lblKolom[k] = etiket(x, YKolom, BCel, HKolom, gewoon, Qt::AlignHCenter, true);
        connect(lblKolom[k], &Etiket::Click, this, [this, k] { lblKolom_Click(k); });
    }
    // Header boxes row by row, then the weights: the order of the Tab key.
    const std::pair<Kop, const char*> kopvakken[3] = {
        {KopSoort, "txtSoort"}, {KopDatum, "txtDatum"}, {KopOpmerking, "txtOpmerking"}};
    for (const auto& [kop, naam] : kopvakken) {
        for (int k = 1; k <= 8; ++k) {
            auto* v = vak(Kopregels, naam, k, XCel + (k - 1) * Kolomstap, YKop + (kop - 1) * Kopstap, BKopRust, HKop);
            Kopvakken(kop)[k] = v;
            const Kop kk = kop;
            connect(v, &VasteBreedteInvoer::GotFocus, this, [this, kk, k] { Kop_GotFocus(kk, k); });
            connect(v, &VasteBreedteInvoer::LostFocus, this, [this, kk, k] { Kop_LostFocus(kk, k); });
            connect(v, &VasteBreedteInvoer::Click, this, [v] { v->ZetSelLength(0); });
        }
        const Kop kk = kop;
        Vakken(Kopvakken(kk), 1, 8,
               {[this, kk](int i) { KopVastleggen(kk, i); },
                [this, kk](int i, int toets) { Kop_KeyDown(kk, i, toets); }});
    }
    for (int k = 1; k <= 8; ++k) {
        auto* v = vak(Cijferregels, "txtGewicht", k, XCel + (k - 1) * Kolomstap, YKop + 3 * Kopstap, BCel, HKop);
        txtGewicht[k] = v;
        connect(v, &VasteBreedteInvoer::GotFocus, this, [this, k] { txtGewicht_GotFocus(k); });
        connect(v, &VasteBreedteInvoer::LostFocus, this, [this, k] { txtGewicht_LostFocus(k); });
    }
    Vakken(txtGewicht, 1, 8,
           {[this](int i) { GewichtVastleggen(i); }, [this](int i, int toets) { txtGewicht_KeyDown(i, toets, 0); }});

    opschrift("Nr", XNummer, YKopjes, BNummer, HKopjes);
    opschrift("Achternaam", XNaam, YKopjes, BNaam, HKopjes);
    opschrift("Roepnaam", XVoornaam, YKopjes, BVoornaam, HKopjes);
    opschrift("Cijfers / Scores / Fouten", XCel, YKopjes, 7 * Kolomstap + BCel, HKopjes, Qt::AlignHCenter);
    opschrift("Tgem", XTrGem, YKopjes, BTrGem, HKopjes, Qt::AlignHCenter);
    opschrift("Mentor", XMentor, YKopjes, BMentor, HKopjes, Qt::AlignHCenter);

    for (int r = 1; r <= 8; ++r) {
        const int y = YRij + (r - 1) * Rijstap;
        lblNummer[r] = etiket(XNummer, y, BNummer, HRij, gewoon, Qt::AlignHCenter, true);
        lblNaam[r] = etiket(XNaam, y, BNaam, HRij, namen, Qt::AlignLeft, true);
        lblVoornaam[r] = etiket(XVoornaam, y, BVoornaam, HRij, namen, Qt::AlignLeft, true);
        for (int k = 1; k <= 8; ++k) {
            const int i = (r - 1) * 8 + k;
            auto* v = vak(Cijferregels, "txtCijfer", i, XCel + (k - 1) * Kolomstap, y, BCel, HRij);
            txtCijfer[i] = v;
            connect(v, &VasteBreedteInvoer::GotFocus, this, [this, i] { txtCijfer_GotFocus(i); });
            connect(v, &VasteBreedteInvoer::LostFocus, this, [this, i] { txtCijfer_LostFocus(i); });
            connect(v, &VasteBreedteInvoer::Click, this, [this] { FocusNaActiveren = 0; });
        }
        lblTrGem[r] = etiket(XTrGem, y, BTrGem, HRij, namen, Qt::AlignLeft, true);
        lblMentor[r] = etiket(XMentor, y, BMentor, HRij, namen, Qt::AlignLeft, true);
        for (Etiket* e : {lblNummer[r], lblNaam[r], lblVoornaam[r], lblTrGem[r], lblMentor[r]})
            connect(e, &Etiket::Click, this, [this, r] { lblNummer_Click(r); });
        connect(lblTrGem[r], &Etiket::MouseMove, this, [this, r] {
            Waardetip(*lblTrGem[r], adm.TrGem(LeerlingOpRij(Stand(), r), adm.Scherm, adm.Niveau));
        });
    }

    Vakken(txtCijfer, 1, 64,
           {[this](int i) { CelVastleggen(i); }, [this](int i, int toets) { txtCijfer_KeyDown(i, toets, 0); }});

    vsbScroll = new QScrollBar(Qt::Vertical, vlak);
    vsbScroll->setRange(1, AantalLeerlingen);
    vsbScroll->setPageStep(8);
    vsbScroll->setFocusPolicy(Qt::NoFocus);
    plaats(*vsbScroll, XVsb, YRij, BVsb, 7 * Rijstap + HRij);
    connect(vsbScroll, &QScrollBar::valueChanged, this, [this] { vsbScroll_Change(); });
    hsbScroll = new QScrollBar(Qt::Horizontal, vlak);
    hsbScroll->setRange(1, KolommenPerTrimester);
    hsbScroll->setPageStep(8);
    hsbScroll->setFocusPolicy(Qt::NoFocus);
    plaats(*hsbScroll, XCel, YHsb, 7 * Kolomstap + BCel, HHsb);
    connect(hsbScroll, &QScrollBar::valueChanged, this, [this] { hsbScroll_Change(); });

    opschrift("Klassengemiddelde", XVoornaam, YKlGem, XCel - XVoornaam - 90, HStat, Qt::AlignRight);
    opschrift("Spreiding", XVoornaam, YKlSpr, XCel - XVoornaam - 90, HStat, Qt::AlignRight);
    for (int k = 1; k <= 8; ++k) {
        const int x = XCel + (k - 1) * Kolomstap;
        lblKlGem[k] = etiket(x, YKlGem, BCel, HStat, vast, Qt::AlignLeft, true);
        lblKlSpr[k] = etiket(x, YKlSpr, BCel, HStat, vast, Qt::AlignLeft, true);
        connect(lblKlGem[k], &Etiket::MouseMove, this, [this, k] {
            Waardetip(*lblKlGem[k], adm.KlGem(KolomOpScherm(Stand(), k), adm.Niveau));
        });
        connect(lblKlSpr[k], &Etiket::MouseMove, this, [this, k] {
            Waardetip(*lblKlSpr[k], adm.KlSpr(KolomOpScherm(Stand(), k), adm.Niveau));
        });
    }
    lblKlTrGem = etiket(XTrGem, YKlGem, BTrGem, HStat, vast, Qt::AlignLeft, true);
    lblKlTrSpr = etiket(XTrGem, YKlSpr, BTrGem, HStat, vast, Qt::AlignLeft, true);
    connect(lblKlTrGem, &Etiket::MouseMove, this,
            [this] { Waardetip(*lblKlTrGem, adm.KlTrGem(adm.Scherm, adm.Niveau)); });
    connect(lblKlTrSpr, &Etiket::MouseMove, this,
            [this] { Waardetip(*lblKlTrSpr, adm.KlTrSpr(adm.Scherm, adm.Niveau)); });

    lblBestand = etiket(XNummer, YBestand, XVsb + BVsb - XNummer, HBestand, gewoon, Qt::AlignLeft, false);
}

std::array<VasteBreedteInvoer*, 9>& frmTrimester::Kopvakken(Kop kop)
{
    return kop == KopSoort ? txtSoort : kop == KopDatum ? txtDatum : txtOpmerking;
}

Veld<Tekst<39>, KolBereik, NivBereik>& frmTrimester::Kopveld(Kop kop)
{
    return kop == KopSoort ? adm.KolomSoort : kop == KopDatum ? adm.KolomDatum : adm.KolomOpmerking;
}

// ---- Index rules -----------------------------------------------------------

Schermstand frmTrimester::Stand() const { return GeldigeSchermstand(adm); }

int frmTrimester::SchermKolom(int kolom) const { return ::SchermKolom(Stand(), kolom); }

int frmTrimester::CelIndex(int leerling, int kolom) const { return ::CelIndex(Stand(), leerling, kolom); }

VasteBreedteInvoer* frmTrimester::CijferCel(int leerling, int kolom) const
{
    // The row and the column each: a column beside the window would give
    // the number of a cell in the row next to it.
    const Schermstand s = Stand();
    const int k = ::SchermKolom(s, kolom);
    if (GetoondeRij(s, leerling) == GeenRij || k < 1 || k > Vensterkolommen)
        return nullptr;
    return txtCijfer[static_cast<std::size_t>(::CelIndex(s, leerling, kolom))];
}

VasteBreedteInvoer* frmTrimester::HuidigeCel()
{
    // The command has committed the boxes: the rows may move to the pupil.
    if (HuidigeRijTonen(adm)) {
        Afdrukken(0);
        vsbScroll->setValue(adm.HuidigeRij);
    }
    return CijferCel(adm.HuidigeRij, adm.HuidigeKolom);
}

// ---- Redraw ----------------------------------------------------------------

void frmTrimester::Afdrukken(int mode)
{
    const int t = adm.Scherm;
    if (!IsTrimester(t))
        return;
    // Drawn from a valid copy of the display state: the redraw writes nothing.
    const Schermstand s = GeldigeSchermstand(adm);
    Tekenvlag bezig(BezigMetTekenen);
    const int l = s.Niveau;

    if (mode == 1) {
        static constexpr std::uint32_t trimkleur[4] = {0, 0x000080, 0x808000, 0xC000C0};
        TrimLabel->ZetVoorgrond(trimkleur[t]);
        TrimLabel->ZetTekst(std::to_string(t) + "-e Trimester");
        lblKlas->ZetTekst(adm.Klas);
        lblVak->ZetTekst(adm.Vak);
        lblDeelvak->ZetTekst(adm.Deelvak);
        for (int k = 1; k <= 3; ++k)
            Toolbar().ZetIngedrukt(QStringLiteral("Trim%1").arg(k), k == t);
        mnuTrimester1->setEnabled(t != 1);
        mnuTrimester2->setEnabled(t != 2);
        mnuTrimester3->setEnabled(t != 3);
        const std::uint32_t niveaukleur = l == 1 ? Kleur::Groen : Kleur::Blauw;
        NivoLabel->ZetTekst(l == 1 ? "Niveau  1" : "Niveau  2");
        NivoLabel->ZetVoorgrond(niveaukleur);
        lblNiveau->ZetVoorgrond(niveaukleur);
        Toolbar().ZetIngedrukt(QStringLiteral("NIVO1"), l == 1);
        Toolbar().ZetIngedrukt(QStringLiteral("NIVO2"), l == 2);
        lblNiveau->ZetTekst(adm.NiveauNaam(l).view());
        // The thumb shows the current column (no Change: nothing moves).
        ZetSchuifwaarde(*hsbScroll, Trimesterkolom(s, s.HuidigeKolom));
    }

    if (mode == 1 || mode == 2) {
        for (int c = s.EersteKolom; c <= s.LaatsteKolom; ++c) {
            const int k = ::SchermKolom(s, c);
            lblKolom[k]->ZetAchtergrond(c == s.HuidigeKolom ? Kleur::Cyaan : Kleur::Licht3D);
            lblKolom[k]->ZetTekst(std::to_string(Trimesterkolom(s, c)));
            txtSoort[k]->ZetTekst(adm.KolomSoort(c, l).view());
            txtDatum[k]->ZetTekst(adm.KolomDatum(c, l).view());
            txtOpmerking[k]->ZetTekst(adm.KolomOpmerking(c, l).view());
            txtGewicht[k]->ZetTekst(adm.KolomGewicht(c, l).view());
        }
    }

    for (int p = s.EersteRij; p <= s.LaatsteRij; ++p) {
        const int r = ::SchermRij(s, p);
        const bool huidig = p == s.HuidigeRij;
        lblNummer[r]->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::Licht3D);
        for (Etiket* e : {lblNaam[r], lblVoornaam[r], lblTrGem[r], lblMentor[r]})
            e->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::LichtGrijs);
        const Tekst<4>& trgem = adm.TrGemTxt(p, t, l);
        lblTrGem[r]->ZetVoorgrond(Tekstkleur(trgem.view()));
        lblNummer[r]->ZetTekst(Tweecijferig(p));
        lblNaam[r]->ZetTekst(adm.Achternaam(p).view());
        lblVoornaam[r]->ZetTekst(adm.Roepnaam(p).view());
        for (int c = s.EersteKolom; c <= s.LaatsteKolom; ++c) {
            VasteBreedteInvoer* cel = txtCijfer[::CelIndex(s, p, c)];
            cel->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::Wit);
            cel->ZetTekst(adm.Cijfer(p, c, l).view());
            cel->ZetVoorgrond(Tekstkleur(cel->Tekst()));
        }
        lblTrGem[r]->ZetTekst(trgem.view());
        lblMentor[r]->ZetTekst(adm.Mentor(p).view());
    }

    for (int c = s.EersteKolom; c <= s.LaatsteKolom; ++c) {
        const int k = ::SchermKolom(s, c);
        const bool leeg = adm.KlGem(c, l) < 0;
        lblKlGem[k]->ZetTekst(leeg ? std::string_view("    ") : adm.KlGemTxt(c, l).view());
        lblKlSpr[k]->ZetTekst(leeg ? std::string_view("    ") : adm.KlSprTxt(c, l).view());
    }
    lblKlTrGem->ZetTekst(adm.KlTrGemTxt(t, l).view());
    lblKlTrSpr->ZetTekst(adm.KlTrSprTxt(t, l).view());
    BestandsnaamTonen();
}

void frmTrimester::BestandsnaamTonen() { lblBestand->setText(PadTonen(adm.Bestandsnaam)); }

void frmTrimester::ZetSchuifwaarde(QScrollBar& balk, int waarde)
{
    const QSignalBlocker stil(balk);
    balk.setValue(waarde);
}

// ---- Commits ---------------------------------------------------------------

void frmTrimester::CelVastleggen(int Index)
{
    if (Index < 1 || Index > 64)
        return;
    VasteBreedteInvoer* cel = txtCijfer[Index];
    const auto [p, c] = CelVan(Stand(), Index);
    const int l = adm.Niveau;
    std::string tekst = cel->Tekst();
    if (Vastgelegd(adm, VerwerkCijfer(adm, tekst, p, c, adm.Scherm, l)).geweigerd)
        Piep();
    // The stored text shows at once, coloured by what it is now.
    if (cel->ToonVastgelegd(adm.Cijfer(p, c, l).view()))
        cel->ZetVoorgrond(Tekstkleur(adm.Cijfer(p, c, l).view()));
}

void frmTrimester::GewichtVastleggen(int Index)
{
    if (Index < 1 || Index > 8)
        return;
    const int c = KolomOpScherm(Stand(), Index);
    const int l = adm.Niveau;
    std::string tekst = txtGewicht[Index]->Tekst();
    if (Vastgelegd(adm, VerwerkGewicht(adm, tekst, c, adm.Scherm, l)).geweigerd)
        Piep();
    txtGewicht[Index]->ToonVastgelegd(adm.KolomGewicht(c, l).view());
}

void frmTrimester::KopVastleggen(Kop kop, int Index)
{
    if (Index < 1 || Index > 8)
        return;
    VasteBreedteInvoer* vak = Kopvakken(kop)[Index];
    Tekst<39>& veld = Kopveld(kop)(KolomOpScherm(Stand(), Index), adm.Niveau);
    const Tekst<39> nieuw(vak->Tekst());
    if (veld != nieuw) {
        veld = nieuw;
        adm.Gewijzigd = 1;
    }
}

bool frmTrimester::InKopvak() const
{
    return ActiefIn(txtSoort) || ActiefIn(txtDatum) || ActiefIn(txtOpmerking);
}

void frmTrimester::InvoerVerwerken(int mode)
{
    VakVastleggen(ActieveControl());
    // A header box is stored as it is being edited; the box stays as it is.
    if (mode == 1 && !InKopvak())
        Afdrukken(2);
}

// ---- Window events ---------------------------------------------------------

void frmTrimester::Form_Activate()
{
    FocusNaActiveren = 1;
    // The sheet works from the current pupil: the rows show it.
    HuidigeRijTonen(adm);
    ToonInsertModus(*lblInsert, adm.InsertModus);
    Afdrukken(1);
    vsbScroll->setValue(adm.HuidigeRij);
}

void frmTrimester::Form_KeyDown(int& KeyCode, int& Shift)
{
    Venstertoets(KeyCode, Shift, *StartFocus, *lblInsert, BezigMetTekenen);
}

void frmTrimester::Form_KeyPress(int& KeyAscii)
{
    if (BezigMetTekenen == 1)
        return;
    if (KeyAscii == Toetscode::Enter)
        KeyAscii = 0;
}

void frmTrimester::Form_KeyUp(int&, int&)
{
    // The boxes pad themselves to their width when a key is released.
}

void frmTrimester::Form_Unload(int& Cancel)
{
    // A switch or a prompted quit has set another view code first.
    if (!EigenWeergave())
        return;
    // The commit sets Gewijzigd when it stored something, as before any
    // command: a refused text asks nothing.
    InvoerVerwerken(0);
    Sluitprocedure(*this, Cancel);
}

void frmTrimester::Invoervastlegging(Opdrachtbron bron) { InvoerVerwerken(bron == Opdrachtbron::Menu ? 1 : 0); }

// ---- Commands of its own --------------------------------------------------------

void frmTrimester::mnuRapportcijferImporteren_Click()
{
    Importeren(*this, DialoogImportRapporten);
    Afdrukken(1);
}

void frmTrimester::Schermkeuze(int scherm)
{
    if (IsTrimester(scherm))
        TrimesterKiezen(scherm);
    else
        Weergavevenster::Schermkeuze(scherm);
}

// ---- Term and level ----------------------------------------------------------

void frmTrimester::TrimesterKiezen(int trimester)
{
    if (adm.Scherm == trimester)
        return;
    ::TrimesterKiezen(adm, trimester);
    Afdrukken(1);
    ZetFocus(StartFocus);
}

// ---- Paste and sort --------------------------------------------------------------

void frmTrimester::mnuCijferkolom_Plakken_Click()
{
    if (KlembordBevatTekst()) {
        const int geweigerd =
            CijferkolomPlakken(adm, KlembordTekst(), adm.HuidigeRij, adm.HuidigeKolom, adm.Scherm, adm.Niveau);
        for (int i = 0; i < geweigerd; ++i)
            Piep();
    }
    Afdrukken(1);
    adm.Gewijzigd = 1;
}

void frmTrimester::KolomvensterOpenen(Kolomvenster venster)
{
    if (kolomvensters)
        (kolomvensters->*venster)(*this);
    // The one-column print changes nothing; the cut-off calculators neither,
    // but the sheet redraws after them all the same.
    if (venster != &Kolomvensters::Afdrukken)
        Afdrukken(1);
}

void frmTrimester::Sorteren(int soort)
{
    LeerlingenSorteren(adm, static_cast<Sorteersoort>(soort), adm.Scherm, adm.Niveau);
    Afdrukken(1);
    adm.Gewijzigd = 1;
}

// ---- Printing ------------------------------------------------------------------

void frmTrimester::PrintTrimester(int trimester, int niveau, int eersteKolom, bool printerdialoog)
{
    const AdmMain& a = adm;
    LijstAfdrukken(
        [&a, trimester, niveau, eersteKolom](const Papier& papier) {
            return AfdrukTrimester(a, trimester, niveau, eersteKolom, Vandaag(), papier);
        },
        printerdialoog);
}

void frmTrimester::PrintToelichting(int trimester, int niveau)
{
    const AdmMain& a = adm;
    LijstAfdrukken(
        [&a, trimester, niveau](const Papier& papier) {
            return AfdrukToelichting(a, trimester, niveau, Vandaag(), papier);
        },
        true);
}

// ---- Scrolling and grade cells ---------------------------------------------------

void frmTrimester::vsbScroll_Change()
{
    InvoerVerwerken(0);
    LeerlingKiezen(adm, vsbScroll->value());
    if (ActiefIn(txtGewicht)) {
        Afdrukken(2);
    } else if (ActiefIn(txtCijfer)) {
        Afdrukken(0);
        ZetFocus(CijferCel(adm.HuidigeRij, adm.HuidigeKolom));
    } else {
        Afdrukken(0);
    }
}

void frmTrimester::hsbScroll_Change()
{
    InvoerVerwerken(0);
    KolomKiezen(adm, hsbScroll->value());
    if (ActiefIn(txtCijfer)) {
        Afdrukken(0);
        ZetFocus(CijferCel(adm.HuidigeRij, adm.HuidigeKolom));
    } else {
        Afdrukken(2);
    }
    lblKolom_Click(SchermKolom(adm.HuidigeKolom));
}

void frmTrimester::txtCijfer_GotFocus(int Index)
{
    if (FocusNaActiveren == 1) {
        // The focus the activation put back: the current position stays.
        FocusNaActiveren = 0;
        return;
    }
    txtCijfer[Index]->ZetSelStart(0);
    OudeTekst = txtCijfer[Index]->Tekst();
    CelKiezen(adm, Index);
    if (vsbScroll->value() != adm.HuidigeRij)
        vsbScroll->setValue(adm.HuidigeRij);
    const int kolom = Trimesterkolom(Stand(), adm.HuidigeKolom);
    if (hsbScroll->value() != kolom)
        hsbScroll->setValue(kolom);
}

void frmTrimester::txtCijfer_LostFocus(int Index) { VakVastleggen(txtCijfer[Index]); }

void frmTrimester::txtCijfer_KeyDown(int Index, int KeyCode, int)
{
    // Only the movement keys reach it (Form_KeyDown); each commits first.
    if (BezigMetTekenen == 1)
        return;
    VakVastleggen(txtCijfer[Index]);
    const bool neer = KeyCode == Toetscode::Enter || KeyCode == Toetscode::Neer;
    if (Leerlingtoets(*vsbScroll, neer ? Toetscode::Neer : KeyCode))
        return;
    // Down on the last pupil stays in the cell, redrawn; Up on the first goes to the weight.
    if (neer) {
        txtCijfer[Index]->ZetSelStart(0);
        vsbScroll_Change();
    } else if (KeyCode == Toetscode::Op) {
        ZetFocus(txtGewicht[SchermKolom(CelVan(Stand(), Index).kolom)]);
    }
}

void frmTrimester::StartFocus_KeyDown(int KeyCode, int)
{
    // Enter moves nothing here.
    Leerlingtoets(*vsbScroll, KeyCode);
}

// ---- Headers and weights -----------------------------------------------------

void frmTrimester::KopVeldBreedte(int Index, int mode)
{
    if (Index < 1 || Index > 8)
        return;
    auto breedte = [](VasteBreedteInvoer* v, int twips, std::uint32_t kleur) {
        v->resize(Twips(twips), v->height());
        v->ZetAchtergrond(kleur);
        if (twips > BKopRust)
            v->raise();  // widened, it covers the boxes to its right
    };
    switch (mode) {
    case 0:
        for (Kop kop : {KopSoort, KopDatum, KopOpmerking})
            breedte(Kopvakken(kop)[Index], BKopRust, Kleur::Wit);
        break;
    case KopSoort:
    case KopDatum:
    case KopOpmerking:
        breedte(Kopvakken(static_cast<Kop>(mode))[Index], BKopBreed, Kleur::Cyaan);
        break;
    default:
        break;
    }
}

void frmTrimester::KolomvakGekozen(VasteBreedteInvoer* vak, int Index)
{
    // The current position is this box's: a later click on a cell takes its own.
    FocusNaActiveren = 0;
    vak->ZetSelStart(0);
    SchermkolomKiezen(adm, Index);
    const int waarde = Trimesterkolom(Stand(), adm.HuidigeKolom);
    if (hsbScroll->value() == waarde)
        Afdrukken(2);
    else
        hsbScroll->setValue(waarde);
}

void frmTrimester::Kop_GotFocus(Kop kop, int Index)
{
    VasteBreedteInvoer* vak = Kopvakken(kop)[Index];
    KolomvakGekozen(vak, Index);
    KopVeldBreedte(Index, kop);
    OudeTekst = vak->Tekst();
}

void frmTrimester::Kop_LostFocus(Kop kop, int Index)
{
    VasteBreedteInvoer* vak = Kopvakken(kop)[Index];
    VakVastleggen(vak);
    KopVeldBreedte(Index, 0);
    // Narrow again, the box shows the stored text (from its first character,
    // as every box that is left).
    vak->ZetTekst(Kopveld(kop)(KolomOpScherm(Stand(), Index), adm.Niveau).view());
}

void frmTrimester::Kop_KeyDown(Kop kop, int Index, int KeyCode)
{
    if (Index < 1 || Index > 8)
        return;
    const bool neer = KeyCode == Toetscode::Enter || KeyCode == Toetscode::Neer;
    const bool op = KeyCode == Toetscode::Op;
    switch (kop) {
    case KopSoort:
        if (neer)
            ZetFocus(txtDatum[Index]);
        break;
    case KopDatum:
        if (neer)
            ZetFocus(txtOpmerking[Index]);
        else if (op)
            ZetFocus(txtSoort[Index]);
        break;
    case KopOpmerking:
        if (neer)
            ZetFocus(txtGewicht[Index]);
        else if (op)
            ZetFocus(txtDatum[Index]);
        break;
    }
}

void frmTrimester::txtGewicht_GotFocus(int Index)
{
    VasteBreedteInvoer* vak = txtGewicht[Index];
    KolomvakGekozen(vak, Index);
    vak->ZetAchtergrond(Kleur::Cyaan);
    vak->ZetSelStart(0);
    OudeTekst = vak->Tekst();
}

void frmTrimester::txtGewicht_LostFocus(int Index)
{
    txtGewicht[Index]->ZetAchtergrond(Kleur::Wit);
    VakVastleggen(txtGewicht[Index]);
}

void frmTrimester::txtGewicht_KeyDown(int Index, int KeyCode, int)
{
    if (Index < 1 || Index > 8)
        return;
    if (KeyCode == Toetscode::Enter || KeyCode == Toetscode::Neer) {
        VakVastleggen(txtGewicht[Index]);
        EersteLeerlingKiezen(adm);
        if (vsbScroll->value() != adm.HuidigeRij)
            vsbScroll->setValue(adm.HuidigeRij);
        else
            Afdrukken(2);
        ZetFocus(CijferCel(adm.HuidigeRij, KolomOpScherm(Stand(), Index)));
        Afdrukken(2);
    } else if (KeyCode == Toetscode::Op) {
        VakVastleggen(txtGewicht[Index]);
        ZetFocus(txtOpmerking[Index]);
        Afdrukken(2);
    }
}

// ---- Labels --------------------------------------------------------------------

void frmTrimester::lblKolom_Click(int Index)
{
    InvoerVerwerken(0);
    // From a header or weight box to the same kind of box of that column.
    const auto kolomvak = [this]() -> std::array<VasteBreedteInvoer*, 9>* {
        for (auto* rij : {&txtSoort, &txtDatum, &txtOpmerking, &txtGewicht})
            if (ActiefIn(*rij))
                return rij;
        return nullptr;
    };
    if (auto* rij = kolomvak()) {
        ZetFocus((*rij)[Index]);
        SchermkolomKiezen(adm, Index);
    } else if (ActiefIn(txtCijfer)) {
        SchermkolomKiezen(adm, Index);
        ZetFocus(CijferCel(adm.HuidigeRij, adm.HuidigeKolom));
    } else if (ActieveControl() == StartFocus) {
        SchermkolomKiezen(adm, Index);
    }
    const int waarde = Trimesterkolom(Stand(), adm.HuidigeKolom);
    if (hsbScroll->value() == waarde)
        Afdrukken(2);
    else
        hsbScroll->setValue(waarde);
}

void frmTrimester::lblNummer_Click(int Index)
{
    SchermrijKiezen(adm, Index);
    vsbScroll->setValue(adm.HuidigeRij);
    if (ActiefIn(txtCijfer))
        ZetFocus(CijferCel(adm.HuidigeRij, adm.HuidigeKolom));
}
