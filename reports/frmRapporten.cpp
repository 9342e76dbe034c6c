#include "reports/frmRapporten.h"

#include "frame/Bestandsopdrachten.h"
#include "core/Getallen.h"
#include "core/Schermvenster.h"
#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "reports/AfdrukRapporten.h"
#include "reports/Jaarkolom.h"
#include "reports/Rapportberekening.h"
#include "reports/frmRapportenAfronden.h"
#include "reports/frmRapportenBerekenen.h"
#include "termsheet/Sorteermenu.h"

#include <QMenu>
#include <QScrollBar>

#include <string>

namespace {

// The layout, in twips of the client area (the toolbar across its top).
constexpr int YRij = 3420, Rijstap = 360, HRij = 255;
constexpr int XNummer = 210, BNummer = 375;
constexpr int XNaam = 780, BNaam = 2475;
constexpr int XVoornaam = 3360, BVoornaam = 1815;
constexpr int XTr = 5280, Trstap = 660, BTr = 555;
constexpr int XJr = 7380;
// The report and weight boxes (BRp wide) show their three characters whole.
constexpr int XRp = 8295, Rpstap = 540, BRp = 510;
constexpr int XMentor = 10845, BMentor = 465;
constexpr int XGewicht = 5295, YGewicht = 2340;
constexpr int YKlGem = 6360, YKlSpr = 6720;

const Invoerregels Driecijfers{3, Typegrens::OpBreedte, Loslaten::Opvullen, Overschrijven::BijToetsNeer};

}  // namespace

frmRapporten::frmRapporten(AdmMain& a, Omgeving& o, QWidget* parent)
    : Weergavevenster(a, o, SchermRapporten, parent)
{
    MaakMenus();
    MaakBesturingen();
    // Form_Load: at the top left of the screen; the focus goes to StartFocus, the only tab stop.
    Plaatsen(0, 0, 800, 600);
}

frmRapporten::~frmRapporten() = default;

// ---- Construction ----------------------------------------------------------

void frmRapporten::MaakMenus()
{
    auto sorteer = [this](const char* titel, QAction** actie, Sorteersoort soort) {
        return Item(titel, actie, [this, soort] { mnuSorteren_Click(static_cast<int>(soort)); });
    };
    Menubalk({
        Bestandsmenu(&mnuTrimMenu, Sub("Leerling(en)  &Importeren  Uit...", &mnuLeerlingImporteren,
                                       {AnderCijferbestand()})),
        {"Be&werken",
         &mnuBewerken,
         Opening::Vastleggen,
         {
             Item("&Gewicht", &mnuTrimGew, [this] { mnuTrimGew_Click(); }),
             Streep(),
             Item("&1-e  Rapport", &mnuRap1, [this] { mnuRap_Click(1); }),
             Item("&2-e  Rapport", &mnuRap2, [this] { mnuRap_Click(2); }),
             Item("&3-e  Rapport", &mnuRap3, [this] { mnuRap_Click(3); }),
             Streep(),
             Item("&Eindrapport", &mnuEindRap, [this] { mnuRap_Click(4); }),
             Streep(),
             Zoekitem(),
             Streep(),
             Verwijderitem(),
         }},
        Lijstenmenu(&mnuLijsten),
        {"&Sorteren",
         &mnuSorteren,
         Opening::Vastleggen,
         {
             sorteer("&Achternaam", &mnuSortAchternaam, Sorteersoort::Achternaam),
             sorteer("&Basisgroep  (zie  Namenlijst)", &mnuSortBasisgroep, Sorteersoort::Basisgroep),
             sorteer("&Kenmerk     (zie  Namenlijst)", &mnuSortKenmerk, Sorteersoort::Kenmerk),
             sorteer("&Mentor", &mnuSortMentor, Sorteersoort::Mentor),
             Streep(),
             sorteer("&Jaargemiddelde", &mnuSortJaargemiddelde, Sorteersoort::Jaargemiddelde),
         }},
        {"&Afdrukken",
         &mnuAfdrukken,
         Opening::Vastleggen,
         {
             Item("&a  Rapportenlijst  Niveau  1  (alleen rapportcijfers)", &mnuRapNiv1,
                  [this] { mnuRapNiv_Click(1); }),
             Item("&b  Rapportenlijst  Niveau  2  (alleen rapportcijfers)", &mnuRapNiv2,
                  [this] { mnuRapNiv_Click(2); }),
             Streep(),
             Item("&c  Rapportenlijst  Niveau  1  (met trimestergemiddelden)", &mnuJaarNiv1,
                  [this] { mnuJaarNiv_Click(1); }),
             Item("&d  Rapportenlijst  Niveau  2  (met trimestergemiddelden)", &mnuJaarNiv2,
                  [this] { mnuJaarNiv_Click(2); }),
         }},
        // Committing too: a level switch redraws every box.
        Niveaumenu(&mnuNiveau, Opening::Vastleggen, &mnuNivo1, &mnuNivo2),
        {"&Opties",
         &mnuOpties,
         Opening::Vastleggen,
         {
             Item("Rapportcijfers  &Afronden...", &mnuRapportcijfersAfronden,
                  [this] { mnuRapportcijfersAfronden_Click(); }),
             Item("Rapportcijfers  &Berekenen...", &mnuRapportcijfersBerekenen,
                  [this] { mnuRapportcijfersBerekenen_Click(); }),
         }},
        Helpmenu(&mnuHelp),
    });

    Werkbalkknoppen(
        {
            Knop("Print", "Rapportenlijst afdrukken", [this] { PrintJrlst(adm.Niveau, false); }),
            Knop("NIVO1", "Rapportenlijst Niveau 1 (Laagste niveau)"),
            Knop("NIVO2", "Rapportenlijst Niveau 2 (Hoogste niveau)"),
        },
        VoorStop::Ruimte);
}

void frmRapporten::MaakBesturingen()
{
    QWidget* vlak = &Vlak();
    ZetAchtergrond(*vlak, Kleur::LichtGrijs);
    const QFont gewoon = VbLetter("MS Sans Serif", 8);
    const QFont klein = VbLetter("MS Sans Serif", 8);
    const QFont vast = VbLetter("Courier New", 10);

    auto etiket = [&](int x, int y, int b, int h, const QFont& f, Qt::Alignment uitlijning, bool rand = false) {
        auto* e = new Etiket(vlak);
        e->setFont(f);
        e->setAlignment(uitlijning | Qt::AlignVCenter);
        if (rand)
            e->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        ZetPlaats(*e, x, y, b, h);
        return e;
    };
    auto opschrift = [&](const char* tekst, int x, int y, int b, int h, Qt::Alignment uitlijning = Qt::AlignLeft) {
        Etiket* e = etiket(x, y, b, h, gewoon, uitlijning);
        e->ZetTekst(tekst);
        return e;
    };
    auto vak = [&](const char* naam, int index, int x, int y, int b, int h) {
        auto* v = new VasteBreedteInvoer(omgeving, adm.InsertModus, Driecijfers, vlak);
        ZetNaam(*v, naam, index);
        v->setFont(vast);
        v->setTextMargins(0, 0, 0, 0);
        v->setFocusPolicy(Qt::ClickFocus);  // no tab stop
        ZetPlaats(*v, x, y, b, h);
        v->ZetAchtergrond(Kleur::Wit);
        return v;
    };

    // The focus box first: the only tab stop, it holds the focus when the window opens.
    StartFocus = new Focusvak(omgeving, adm.InsertModus, vlak);
    ZetNaam(*StartFocus, "StartFocus");
    StartFocus->move(Twips(5940), Twips(120));
    connect(StartFocus, &VasteBreedteInvoer::LostFocus, this, [this] { FocusNaActiveren = 0; });
    Vakken(*StartFocus, {nullptr, [this](int, int toets) { StartFocus_KeyDown(toets, 0); }});

    // Header block.
    TrimLabel = etiket(240, 780, 1935, 315, VbLetter("Arial", 12, true), Qt::AlignLeft);
    TrimLabel->ZetVoorgrond(0x000080);
    TrimLabel->ZetTekst("Rapportenlijst");
    const char* koppen[4] = {"Klas         ", "Vak          ", "Deelvak  ", "Niveau 1 "};
    Etiket** data[4] = {&lblKlas, &lblVak, &lblDeelvak, &lblNiveau};
    for (int i = 0; i < 4; ++i) {
        Etiket* kop = opschrift(koppen[i], 240, 1260 + 360 * i, 855, 255);
        if (i == 3)
            NivoLabel = kop;
        opschrift(":", 1200, 1260 + 360 * i, 135, 255, Qt::AlignHCenter)->ZetVoorgrond(Kleur::Venstertekst);
        *data[i] = etiket(1380, 1260 + 360 * i, 1095, 255, gewoon, Qt::AlignLeft);
        (*data[i])->ZetVoorgrond(0x80000002);
    }
    opschrift("Trimester", 4080, 1800, 1035, 255, Qt::AlignRight);
    opschrift("Gewicht", 4080, YGewicht, 1035, 255, Qt::AlignRight);
    for (int t = 1; t <= 3; ++t) {
        lblKolom[t] = etiket(XGewicht + Trstap * (t - 1), 1800, BRp, 270, klein, Qt::AlignHCenter, true);
        lblKolom[t]->ZetAchtergrond(Kleur::Licht3D);
        lblKolom[t]->ZetTekst("Tr " + std::to_string(t));
        auto* v = vak("txtTrGew", t, XGewicht + Trstap * (t - 1), YGewicht, BRp, 255);
        txtTrGew[t] = v;
        connect(v, &VasteBreedteInvoer::GotFocus, this, [this, t] { txtTrGew_GotFocus(t); });
        connect(v, &VasteBreedteInvoer::LostFocus, this, [this, t] { txtTrGew_LostFocus(t); });
    }
    Vakken(txtTrGew, 1, 3,
           {[this](int i) { GewichtVastleggen(i); }, [this](int i, int toets) { txtTrGew_KeyDown(i, toets, 0); }});
    Label11 = etiket(8280, 1560, 2175, 1035, gewoon, Qt::AlignHCenter, true);
    Label11->setWordWrap(true);
    Label11->ZetAchtergrond(Kleur::Insert);
    Label11->ZetTekst(" Voor het berekenen en  afronden van rapportcijfers zie het Optiesmenu !");

    // Column headings.
    opschrift("Nr", 240, 2940, 375, 255, Qt::AlignHCenter);
    opschrift("Achternaam", 960, 2940, 2115, 255, Qt::AlignHCenter);
    opschrift("Roepnaam", 3420, 2940, 1695, 255, Qt::AlignHCenter);
    opschrift("Tgem", 5910, 2940, 615, 255, Qt::AlignHCenter);
    opschrift("Jgem", 7350, 2940, 615, 255, Qt::AlignHCenter);
    const char* rapporten[4] = {"Rp 1", "Rp 2", "Rp 3", "Rp E"};
    for (int k = 0; k < 4; ++k)
        opschrift(rapporten[k], 8280 + 540 * k, 2940, 555, 315, Qt::AlignHCenter);
    opschrift("Mentor", 10710, 2940, 735, 255, Qt::AlignHCenter);

    // The pupil grid.
    for (int r = 1; r <= 8; ++r) {
        const int y = YRij + Rijstap * (r - 1);
        lblNummer[r] = etiket(XNummer, y, BNummer, 270, klein, Qt::AlignHCenter, true);
        lblNaam[r] = etiket(XNaam, y, BNaam, HRij, vast, Qt::AlignLeft);
        lblVoornaam[r] = etiket(XVoornaam, y, BVoornaam, HRij, vast, Qt::AlignLeft);
        lblTr1[r] = etiket(XTr, y, BTr, HRij, vast, Qt::AlignLeft);
        lblTr2[r] = etiket(XTr + Trstap, y, BTr, HRij, vast, Qt::AlignLeft);
        lblTr3[r] = etiket(XTr + 2 * Trstap, y, BTr, HRij, vast, Qt::AlignLeft);
        lblJr[r] = etiket(XJr, y, BTr, HRij, vast, Qt::AlignLeft);
        for (int k = 1; k <= 4; ++k) {
            const int n = (r - 1) * 4 + k;
            auto* v = vak("txtRp", n, XRp + Rpstap * (k - 1), y, BRp, HRij);
            txtRp[n] = v;
            connect(v, &VasteBreedteInvoer::GotFocus, this, [this, n] { txtRp_GotFocus(n); });
            connect(v, &VasteBreedteInvoer::LostFocus, this, [this, n] { txtRp_LostFocus(n); });
            connect(v, &VasteBreedteInvoer::MouseMove, this, [this, n] {
                const Rapportvak vak = RapportvakVan(Stand(), n);
                Waardetip(*txtRp[n], adm.Rapport(vak.leerling, vak.rapport, adm.Niveau));
            });
        }
        lblMentor[r] = etiket(XMentor, y, BMentor, HRij, vast, Qt::AlignLeft);
        for (Etiket* e : {lblNummer[r], lblNaam[r], lblVoornaam[r], lblMentor[r]})
            connect(e, &Etiket::Click, this, [this, r] { lblNummer_Click(r); });
        Etiket* trim[4] = {nullptr, lblTr1[r], lblTr2[r], lblTr3[r]};
        for (int t = 1; t <= 3; ++t)
            connect(trim[t], &Etiket::MouseMove, this, [this, r, t, e = trim[t]] {
                Waardetip(*e, adm.TrGem(LeerlingOpRij(Stand(), r), t, adm.Niveau));
            });
        connect(lblJr[r], &Etiket::MouseMove, this, [this, r] {
            if (const auto j = JaarwaardeLeerling(adm, LeerlingOpRij(Stand(), r), adm.Niveau))
                Waardetip(*lblJr[r], j->waarde);
        });
    }

    Vakken(txtRp, 1, 32,
           {[this](int i) { RapportVastleggen(i); }, [this](int i, int toets) { txtRp_KeyDown(i, toets, 0); }});

    vsbScroll = new QScrollBar(Qt::Vertical, vlak);
    vsbScroll->setRange(1, AantalLeerlingen);
    vsbScroll->setSingleStep(1);
    vsbScroll->setPageStep(8);
    vsbScroll->setFocusPolicy(Qt::NoFocus);
    ZetPlaats(*vsbScroll, 11475, 3360, 255, 2895);
    connect(vsbScroll, &QScrollBar::valueChanged, this, [this] { vsbScroll_Change(); });

    // Class statistics.
    opschrift("Klassengemiddelde", 3060, YKlGem, 2055, 255, Qt::AlignRight);
    opschrift("Spreiding", 4020, YKlSpr, 1095, 255, Qt::AlignRight);
    for (int t = 1; t <= 3; ++t) {
        lblTrGem[t] = etiket(XTr + Trstap * (t - 1), YKlGem, BTr, 255, vast, Qt::AlignLeft);
        lblTrSpr[t] = etiket(XTr + Trstap * (t - 1), YKlSpr, BTr, 255, vast, Qt::AlignLeft);
        connect(lblTrGem[t], &Etiket::MouseMove, this,
                [this, t] { Waardetip(*lblTrGem[t], adm.KlTrGem(t, adm.Niveau)); });
        connect(lblTrSpr[t], &Etiket::MouseMove, this,
                [this, t] { Waardetip(*lblTrSpr[t], adm.KlTrSpr(t, adm.Niveau)); });
    }
    lblJrGem = etiket(XJr, YKlGem, BTr, 255, vast, Qt::AlignLeft);
    lblJrSpr = etiket(XJr, YKlSpr, BTr, 255, vast, Qt::AlignLeft);
    connect(lblJrGem, &Etiket::MouseMove, this, [this] {
        if (const auto s = JaarstatistiekKlas(adm, adm.Niveau))
            Waardetip(*lblJrGem, s->gem.waarde);
    });
    connect(lblJrSpr, &Etiket::MouseMove, this, [this] {
        if (const auto s = JaarstatistiekKlas(adm, adm.Niveau))
            Waardetip(*lblJrSpr, s->spr.waarde);
    });
    for (int k = 1; k <= 4; ++k) {
        lblRpGem[k] = etiket(XRp + Rpstap * (k - 1), YKlGem, BRp, 255, vast, Qt::AlignLeft);
        lblRpSpr[k] = etiket(XRp + Rpstap * (k - 1), YKlSpr, BRp, 255, vast, Qt::AlignLeft);
        connect(lblRpGem[k], &Etiket::MouseMove, this,
                [this, k] { Waardetip(*lblRpGem[k], adm.RpGem(k, adm.Niveau)); });
        connect(lblRpSpr[k], &Etiket::MouseMove, this,
                [this, k] { Waardetip(*lblRpSpr[k], adm.RpSpr(k, adm.Niveau)); });
    }

    Label15 = etiket(60, 7500, 10335, 330, gewoon, Qt::AlignLeft, true);
    lblInsert = etiket(10380, 7500, 1455, 330, gewoon, Qt::AlignHCenter, true);
}

// ---- Index rules -----------------------------------------------------------

Schermstand frmRapporten::Stand() const { return GeldigeSchermstand(adm); }

int frmRapporten::CelIndex(int leerling, int rapport) const { return RapportIndex(Stand(), leerling, rapport); }

VasteBreedteInvoer* frmRapporten::RpVak(int leerling, int rapport) const
{
    // The row and the report each: report 5 would give the next row's first box.
    if (GetoondeRij(adm, leerling) == GeenRij || rapport < 1 || rapport > 4)
        return nullptr;
    return txtRp[static_cast<std::size_t>(CelIndex(leerling, rapport))];
}

// ---- Redraw ----------------------------------------------------------------

void frmRapporten::Afdrukken(int Modus)
{
    // Drawn from a valid copy of the display state: the redraw writes nothing.
    const Schermstand s = GeldigeSchermstand(adm);
    Tekenvlag bezig(BezigMetTekenen);
    const int n = s.Niveau;

    mnuRapportenlijst->setEnabled(false);
    TrimLabel->ZetTekst("Rapportenlijst");
    lblKlas->ZetTekst(adm.Klas);
    lblVak->ZetTekst(adm.Vak);
    lblDeelvak->ZetTekst(adm.Deelvak);
    lblNiveau->ZetTekst(adm.NiveauNaam(n).view());
    Toolbar().ZetIngedrukt(QStringLiteral("RAP"), true);
    NivoLabel->ZetTekst(n == 1 ? "Niveau  1" : "Niveau  2");
    NivoLabel->ZetVoorgrond(n == 1 ? Kleur::Groen : Kleur::Blauw);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO1"), n == 1);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO2"), n == 2);
    ToonInsertModus(*lblInsert, adm.InsertModus);
    for (int t = 1; t <= 3; ++t)
        txtTrGew[t]->ZetTekst(adm.TrimGewichtTekst(t, n).view());

    for (int p = s.EersteRij; p <= s.LaatsteRij; ++p) {
        const int i = ::SchermRij(s, p);
        const bool huidig = p == s.HuidigeRij * Modus;
        lblNummer[i]->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::Licht3D);
        for (Etiket* e : {lblNaam[i], lblVoornaam[i], lblTr1[i], lblTr2[i], lblTr3[i], lblJr[i], lblMentor[i]})
            e->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::LichtGrijs);
        lblNummer[i]->ZetTekst(Tweecijferig(p));
        lblNaam[i]->ZetTekst(adm.Achternaam(p).view());
        lblVoornaam[i]->ZetTekst(adm.Roepnaam(p).view());
        lblTr1[i]->ZetTekst(adm.TrGemTxt(p, 1, n).view());
        lblTr2[i]->ZetTekst(adm.TrGemTxt(p, 2, n).view());
        lblTr3[i]->ZetTekst(adm.TrGemTxt(p, 3, n).view());
        if (const auto j = JaarwaardeLeerling(adm, p, n))
            lblJr[i]->ZetTekst(j->tekst);
        for (int k = 1; k <= 4; ++k) {
            const int b = RapportIndex(s, p, k);
            txtRp[b]->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::Wit);
            txtRp[b]->ZetTekst(adm.RapportTxt(p, k, n).view());
            Rapportkleur(b);
        }
        lblMentor[i]->ZetTekst(adm.Mentor(p).view());
    }

    for (int t = 1; t <= 3; ++t) {
        lblTrGem[t]->ZetTekst(adm.KlTrGemTxt(t, n).view());
        lblTrSpr[t]->ZetTekst(adm.KlTrSprTxt(t, n).view());
    }
    if (const auto s = JaarstatistiekKlas(adm, n)) {
        lblJrGem->ZetTekst(s->gem.tekst);
        lblJrSpr->ZetTekst(s->spr.tekst);
    }
    for (int k = 1; k <= 4; ++k) {
        lblRpGem[k]->ZetTekst(adm.RpGemTxt(k, n).view());
        lblRpSpr[k]->ZetTekst(adm.RpSprTxt(k, n).view());
    }
    BestandsnaamTonen();
}

void frmRapporten::Rapportkleur(int Index)
{
    const Schermstand s = Stand();
    const auto [p, k] = RapportvakVan(s, Index);
    const bool rood = Onvoldoende(txtRp[Index]->Tekst()) && !adm.RapportTxt(p, k, s.Niveau).leeg();
    txtRp[Index]->ZetVoorgrond(rood ? Kleur::Rood : Kleur::Zwart);
}

// ---- Commits ---------------------------------------------------------------

void frmRapporten::RapportVastleggen(int Index)
{
    if (Index < 1 || Index > 32)
        return;
    const auto [p, k] = RapportvakVan(Stand(), Index);
    const int l = adm.Niveau;
    std::string tekst = txtRp[Index]->Tekst();
    if (Vastgelegd(adm, VerwerkRapportcijfer(adm, tekst, p, k, l)).geweigerd)
        Piep();
    txtRp[Index]->ToonVastgelegd(adm.RapportTxt(p, k, l).view());
    Rapportkleur(Index);
}

void frmRapporten::GewichtVastleggen(int Index)
{
    if (Index < 1 || Index > 3)
        return;
    const int l = adm.Niveau;
    std::string tekst = txtTrGew[Index]->Tekst();
    if (Vastgelegd(adm, VerwerkTrimGewicht(adm, tekst, Index, l)).geweigerd)
        Piep();
    txtTrGew[Index]->ToonVastgelegd(adm.TrimGewichtTekst(Index, l).view());
}

void frmRapporten::InvoerVerwerken()
{
    VakVastleggen(ActieveControl());
    Afdrukken(1);
}

void frmRapporten::Klassenstatistiek()
{
    BerekenJaarKlasgemiddelde(adm, 1);
    BerekenJaarKlasgemiddelde(adm, 2);
    for (int k = 1; k <= 4; ++k)
        Rapportgemiddelde(adm, k);
}

void frmRapporten::BestandsnaamTonen() { Label15->setText(PadTonen(adm.Bestandsnaam)); }

// ---- Window events ---------------------------------------------------------

void frmRapporten::Form_Activate()
{
    FocusNaActiveren = 1;
    Klassenstatistiek();
    HuidigeRijTonen(adm);
    Afdrukken(1);
    adm.RapportKolom = 1;
    vsbScroll->setValue(adm.HuidigeRij);
}

void frmRapporten::Form_KeyDown(int& KeyCode, int& Shift)
{
    Venstertoets(KeyCode, Shift, *StartFocus, *lblInsert, BezigMetTekenen);
}

void frmRapporten::Form_KeyPress(int& KeyAscii)
{
    if (KeyAscii == Toetscode::Enter)
        KeyAscii = 0;
}

void frmRapporten::Form_Unload(int& Cancel)
{
    // A switch or a prompted quit has set another view code first.
    if (!EigenWeergave())
        return;
    InvoerVerwerken();
    Sluitprocedure(*this, Cancel);
}

void frmRapporten::Invoervastlegging(Opdrachtbron) { InvoerVerwerken(); }

// ---- After an open ----------------------------------------------------------

void frmRapporten::NaOpenen()
{
    Klassenstatistiek();
    adm.RapportKolom = 1;
    // The boxes show the loaded file before the scroll bar moves (its
    // handling commits the focused box).
    Afdrukken(1);
    vsbScroll->setValue(adm.HuidigeRij);
    Afdrukken(1);
}

// ---- Edit, sort, options --------------------------------------

void frmRapporten::mnuTrimGew_Click() { ZetFocus(txtTrGew[1]); }

void frmRapporten::mnuRap_Click(int rapport)
{
    // The command has committed the boxes: the rows may move to the pupil.
    if (HuidigeRijTonen(adm)) {
        Afdrukken(1);
        vsbScroll->setValue(adm.HuidigeRij);
    }
    ZetFocus(RpVak(adm.HuidigeRij, rapport));
}

void frmRapporten::mnuSorteren_Click(int soort)
{
    LeerlingenSorteren(adm, static_cast<Sorteersoort>(soort), 1, adm.Niveau);
    Afdrukken(1);
    adm.Gewijzigd = 1;
}

void frmRapporten::mnuRapportcijfersAfronden_Click()
{
    adm.DialoogOK = false;
    {
        frmRapportenAfronden dialoog(adm, omgeving, this);
        Modaal(dialoog);
    }
    if (adm.DialoogOK) {
        AfrondcodesToepassen(adm);
        adm.Gewijzigd = 1;
    }
    adm.DialoogOK = false;
    Afdrukken(1);
}

void frmRapporten::mnuRapportcijfersBerekenen_Click()
{
    adm.DialoogOK = false;
    {
        frmRapportenBerekenen dialoog(adm, omgeving, this);
        Modaal(dialoog);
    }
    if (!adm.DialoogOK)
        return;
    BerekeningsmethodeToepassen(adm);
    adm.Gewijzigd = 1;
    adm.DialoogOK = false;
    Afdrukken(1);
}

// ---- Printing --------------------------------------------------------------

void frmRapporten::PrintRplst(int niveau, bool printerdialoog)
{
    const AdmMain& a = adm;
    LijstAfdrukken(
        [&a, niveau](const Papier& papier) { return AfdrukRapportenlijst(a, niveau, Vandaag(), papier); },
        printerdialoog);
}

void frmRapporten::PrintJrlst(int niveau, bool printerdialoog)
{
    const AdmMain& a = adm;
    LijstAfdrukken([&a, niveau](const Papier& papier) { return AfdrukJaarlijst(a, niveau, Vandaag(), papier); },
                   printerdialoog);
}

void frmRapporten::mnuRapNiv_Click(int niveau)
{
    PrintRplst(niveau, true);
    ZetFocus(StartFocus);
}

void frmRapporten::mnuJaarNiv_Click(int niveau)
{
    PrintJrlst(niveau, true);
    ZetFocus(StartFocus);
}

// ---- Scrolling and report boxes ----------------------------------------------

void frmRapporten::vsbScroll_Change()
{
    // The focused box is committed to its own pupil before the window moves.
    VakVastleggen(ActieveControl());
    LeerlingKiezen(adm, vsbScroll->value());
    Afdrukken(1);
    if (ActiefIn(txtRp))
        ZetFocus(RpVak(adm.HuidigeRij, adm.RapportKolom));
}

void frmRapporten::txtRp_GotFocus(int Index)
{
    if (FocusNaActiveren == 1) {
        // The focus the activation put back: the current position stays.
        FocusNaActiveren = 0;
        return;
    }
    txtRp[Index]->ZetSelStart(0);
    RapportvakKiezen(adm, Index);
    if (vsbScroll->value() != adm.HuidigeRij)
        vsbScroll->setValue(adm.HuidigeRij);
    Afdrukken(1);
    OudeTekst = txtRp[Index]->Tekst();
}

void frmRapporten::txtRp_LostFocus(int Index) { VakVastleggen(txtRp[Index]); }

void frmRapporten::txtRp_KeyDown(int Index, int KeyCode, int)
{
    // Only the movement keys reach it (Form_KeyDown); each commits first.
    VakVastleggen(txtRp[Index]);
    const bool neer = KeyCode == Toetscode::Enter || KeyCode == Toetscode::Neer;
    if (Leerlingtoets(*vsbScroll, neer ? Toetscode::Neer : KeyCode))
        return;
    // Down on the last pupil stays in the box, redrawn; Up on the first goes
    // to the box of the current report.
    if (neer) {
        txtRp[Index]->ZetSelStart(0);
        vsbScroll_Change();
    } else if (KeyCode == Toetscode::Op) {
        ZetFocus(RpVak(adm.HuidigeRij, adm.RapportKolom));
    }
}

void frmRapporten::txtTrGew_GotFocus(int Index)
{
    // A later click on a report box makes its own pupil current.
    FocusNaActiveren = 0;
    txtTrGew[Index]->ZetSelStart(0);
    adm.RapportKolom = Index;
    txtTrGew[Index]->ZetAchtergrond(Kleur::Cyaan);
    Afdrukken(1);
    OudeTekst = txtTrGew[Index]->Tekst();
}

void frmRapporten::txtTrGew_LostFocus(int Index)
{
    txtTrGew[Index]->ZetAchtergrond(Kleur::Wit);
    VakVastleggen(txtTrGew[Index]);
}

void frmRapporten::txtTrGew_KeyDown(int Index, int KeyCode, int)
{
    if (KeyCode == Toetscode::Enter || KeyCode == Toetscode::Neer)
        ZetFocus(txtTrGew[Index % 3 + 1]);
}

void frmRapporten::StartFocus_KeyDown(int KeyCode, int)
{
    // Enter moves nothing here.
    Leerlingtoets(*vsbScroll, KeyCode);
}

// ---- Lines -----------------------------------------------------------------

void frmRapporten::lblNummer_Click(int Index)
{
    InvoerVerwerken();
    SchermrijKiezen(adm, Index);
    vsbScroll->setValue(adm.HuidigeRij);
    Afdrukken(1);
    if (ActiefIn(txtRp))
        ZetFocus(RpVak(adm.HuidigeRij, adm.RapportKolom));
}
