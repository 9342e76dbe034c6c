#include "yearoverview/frmJaaroverzicht.h"

#include "core/Schermvenster.h"
#include "core/Tekst.h"
#include "reports/Jaarkolom.h"
#include "yearoverview/AfdrukJaaroverzicht.h"
#include "frame/Bestandsopdrachten.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/Kader.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"

#include <QAction>

#include <algorithm>
#include <string>
#include <utility>

namespace {

constexpr std::uint32_t Donkerrood = 0x000080;

// The boxes' rules: type-over selects the character after the caret at key
// down, a character (Backspace too) is refused with the caret at the edit
// width, and the postcode refuses every character once it is full. The
// window itself cuts a changed text at the key release.
Invoerregels Regels(const Veldregel& r)
{
    return {static_cast<int>(r.bewerk), Typegrens::OpBreedte, Loslaten::Niets, Overschrijven::BijToetsNeer, true,
            r.bewerk == r.opslag && r.opslag == 7};
}

struct Plaats {
    int links, boven, breedte, hoogte;
};

// The boxes stand in two columns, the surname, address and postcode, and
// the first name, telephone and mentor beside them, each 30 twips above its
// caption.
constexpr int Links1 = 3960, Links2 = 9720;
constexpr int Rij1 = 1620, Rij2 = 1980, Rij3 = 2340;  // the captions' tops

// Where each box's left edge and its caption's top are, in the order of the
// pupil fields.
constexpr std::pair<int, int> Vakplaatsen[AantalLeerlingvelden] = {
    {Links1, Rij1}, {Links2, Rij1}, {Links1, Rij2}, {Links1, Rij3}, {6480, Rij3}, {Links2, Rij2}, {Links2, Rij3},
};

}  // namespace

frmJaaroverzicht::frmJaaroverzicht(AdmMain& a, Omgeving& o, QWidget* parent)
    : Weergavevenster(a, o, SchermJaaroverzicht, parent)
{
    setObjectName(QStringLiteral("frmJaaroverzicht"));
    // Form_Load: the top-left corner of the screen, insert mode.
    Plaatsen(0, 0, 800, 600);
    adm.InsertModus = 1;

    MaakMenus();
    MaakBesturingen();
}

frmJaaroverzicht::~frmJaaroverzicht() = default;

void frmJaaroverzicht::MaakBesturingen()
{
    QWidget& vlak = Vlak();
    ZetAchtergrond(vlak, Kleur::LichtGrijs);
    const QFont letter = VbLetter("MS Sans Serif", 8);

    auto etiket = [&](QWidget& ouder, const char* tekst, Plaats p, Qt::Alignment uitlijning = Qt::AlignLeft) {
        auto* e = new Etiket(tekst, &ouder);
        e->setFont(letter);
        e->setAlignment(uitlijning | Qt::AlignVCenter);
        ZetPlaats(*e, p.links, p.boven, p.breedte, p.hoogte);
        return e;
    };

    StartFocus = new Focusvak(omgeving, adm.InsertModus, &vlak);
    ZetNaam(*StartFocus, "StartFocus");
    StartFocus->move(Twips(5880), Twips(120));
    connect(StartFocus, &VasteBreedteInvoer::GotFocus, this, [this] { OudeTekst = StartFocus->Tekst(); });

    TrimLabel = etiket(vlak, "Jaaroverzicht", {240, 780, 1935, 315});
    TrimLabel->setFont(VbLetter("Arial", 12, true));
    TrimLabel->ZetVoorgrond(Donkerrood);

    // Header: caption, ":" and value.
    const int boven[4] = {1260, 1620, 1980, 2340};
    const char* koppen[4] = {"Klas", "Vak", "Deelvak", "Niveau  1"};
    Etiket* waarden[4];
    Etiket* kop[4];
    for (int i = 0; i < 4; ++i) {
        kop[i] = etiket(vlak, koppen[i], {240, boven[i], 855, 255});
        etiket(vlak, ":", {1200, boven[i], 135, 255});
        waarden[i] = etiket(vlak, "", {1380, boven[i], 1095, 255});
    }
    lblKlas = waarden[0];
    lblVak = waarden[1];
    lblDeelvak = waarden[2];
    lblNiveau = waarden[3];
    NivoLabel = kop[3];

    etiket(vlak, "Volgnummer...:", {2580, 1260, 1335, 255});
    lblNummer = etiket(vlak, "", {3960, 1245, 315, 300}, Qt::AlignCenter);
    UpDown = new Draaiknop(Qt::Horizontal, &vlak);
    UpDown->ZetMin(1);
    UpDown->ZetMax(AantalLeerlingen);
    UpDown->ZetIncrement(1);
    UpDown->ZetValue(1);
    UpDown->ZetTabstop(true);
    ZetPlaats(*UpDown, 4290, 1245, 600, 285);
    connect(UpDown, &Draaiknop::Change, this, [this] { UpDown_Change(); });

    // The pupil block, the boxes made in their order so that Tab follows
    // Enter; the captions of the second column end just before its boxes.
    auto kop2 = [&](const char* tekst, int rij, int breedte) {
        etiket(vlak, tekst, {Links2 - 45 - breedte, rij, breedte, 255});
    };
    etiket(vlak, "Achternaam....:", {2580, Rij1, 1335, 255});
    kop2("Roepnaam :", Rij1, 1215);
    etiket(vlak, "Adres................:", {2580, Rij2, 1335, 255});
    kop2("Telefoon :", Rij2, 975);
    etiket(vlak, "Postcode.........:", {2580, Rij3, 1335, 255});
    etiket(vlak, "Woonplaats....:", {5100, Rij3, 1335, 255});
    kop2("Mentor :", Rij3, 795);
    const QFont vast = VbLetter("Courier New", 10);
    for (int i = 0; i < AantalLeerlingvelden; ++i) {
        const auto v = static_cast<Leerlingveld>(i);
        const Veldregel& r = Veldregels[static_cast<std::size_t>(i)];
        auto* b = new VasteBreedteInvoer(omgeving, adm.InsertModus, Regels(r), &vlak);
        ZetNaam(*b, r.box);
        b->setFont(vast);
        b->ZetAchtergrond(Kleur::Insert);
        // Each box shows its stored field whole, in the names list's font.
        const auto [links, rij] = Vakplaatsen[i];
        ZetPlaats(*b, links, rij - 30, Vakbreedte(static_cast<int>(r.opslag)), 300);
        connect(b, &VasteBreedteInvoer::GotFocus, this, [this, v] { Vak_GotFocus(v); });
        connect(b, &VasteBreedteInvoer::LostFocus, this, [this, v] { Vak_LostFocus(v); });
        connect(b, &VasteBreedteInvoer::KeyUp, this, [this, v](int& k, int& s) { Vak_KeyUp(v, k, s); });
        vakken_[static_cast<std::size_t>(i)] = b;
    }
    txtAchternaam = Vak(VeldAchternaam);
    txtRoepnaam = Vak(VeldRoepnaam);
    txtAdres = Vak(VeldAdres);
    txtPostcode = Vak(VeldPostcode);
    txtWoonplaats = Vak(VeldWoonplaats);
    txtTelefoon = Vak(VeldTelefoon);
    txtMentor = Vak(VeldMentor);
    // The boxes store themselves (BewaarLeerlingGegevens, Vak_KeyUp).
    Vakken(vakken_, 0, AantalLeerlingvelden - 1,
           {nullptr, [this](int i, int toets) { Vak_KeyDown(static_cast<Leerlingveld>(i), toets, 0); }});
    // The spin button takes its tab stop after the boxes.
    setTabOrder(txtMentor, UpDown);

    auto frame = [&](const char* titel, int boven) {
        auto* f = new Kader(QString::fromUtf8(titel), &vlak);
        f->setFont(letter);
        ZetAchtergrond(*f, Kleur::LichtGrijs);
        ZetPlaats(*f, 180, boven, 11535, 1155);
        return f;
    };

    // The term frames.
    const char* termijnen[3] = {"1-e Trimester", "2-e Trimester", "3-e Trimester"};
    Kader* frames[3];
    for (int t = 1; t <= 3; ++t) {
        Kader& f = *(frames[t - 1] = frame(termijnen[t - 1], 2700 + (t - 1) * 1140));
        etiket(f, "Gewicht", {420, 540, 855, 255});
        etiket(f, "Cijfer", {420, 840, 855, 255});
        for (int k = 1; k <= KolommenPerTrimester; ++k) {
            const int links = 1440 + (k - 1) * 480;
            const int c = AbsoluteKolom(t, k);
            etiket(f, std::to_string(k).c_str(), {links, 180, 375, 270}, Qt::AlignCenter);
            lblGewicht[static_cast<std::size_t>(c)] = etiket(f, "", {links, 540, 375, 255}, Qt::AlignCenter);
            lblCijfer[static_cast<std::size_t>(c)] = etiket(f, "", {links, 840, 375, 255}, Qt::AlignCenter);
        }
        etiket(f, "Gemiddelde :", {9540, 540, 1275, 255});
        lblTrGem[static_cast<std::size_t>(t)] = etiket(f, "", {10860, 540, 495, 255});
        etiket(f, "Rapportcijfer :", {9540, 840, 1275, 255});
        lblRapport[static_cast<std::size_t>(t)] = etiket(f, "", {10860, 840, 375, 255});
    }
    Frame1 = frames[0];
    Frame2 = frames[1];
    Frame3 = frames[2];

    // The summary.
    Frame4 = frame("Jaaroverzicht", 6120);
    Kader& s = *Frame4;
    const int trLinks[3] = {2280, 2820, 3360};
    for (int t = 1; t <= 3; ++t) {
        const auto i = static_cast<std::size_t>(t);
        etiket(s, ("Tr " + std::to_string(t)).c_str(), {trLinks[t - 1] + 30, 180, 435, 255});
        lblTrGW[i] = etiket(s, "", {trLinks[t - 1], 540, 435, 255});
        lblTrGM[i] = etiket(s, "", {trLinks[t - 1], 840, 435, 255});
    }
    etiket(s, "Gewicht", {1260, 540, 855, 255});
    etiket(s, "Trimestergemiddelde", {60, 840, 2055, 255});
    etiket(s, "Rapportenlijst", {4560, 180, 1815, 255});
    const char* rp[4] = {"Rp 1", "Rp 2", "Rp 3", "Rp E"};
    for (int r = 1; r <= 4; ++r) {
        const int links = 4440 + (r - 1) * 540;
        etiket(s, rp[r - 1], {links, 480, 435, 270});
        lblRp[static_cast<std::size_t>(r)] = etiket(s, "", {links, 840, 435, 270});
    }
    etiket(s, "Jaargemiddelde :", {9180, 540, 1635, 255});
    lblJgem = etiket(s, "", {10860, 540, 435, 255});
    etiket(s, "Eindrapport :", {9540, 840, 1275, 255});
    lblEind = etiket(s, "", {10860, 840, 435, 255});

    lblBestand = etiket(vlak, "", {60, 7500, 10335, 330});
    lblInsert = etiket(vlak, "Insert", {10380, 7500, 1455, 330}, Qt::AlignCenter);
    lblInsert->setFrameShape(QFrame::Panel);
    lblInsert->setFrameShadow(QFrame::Sunken);

    ZetFocus(StartFocus);
}

void frmJaaroverzicht::MaakMenus()
{
    auto veld = [this](const char* titel, QAction** actie, Leerlingveld v) {
        return Item(titel, actie, [this, v] { mnuVeld_Click(v); });
    };
    Menubalk({
        Bestandsmenu(&mnuTrimMenu,
                     Sub("Leerling(en)  &Importeren  Uit...", &mnuLeerlingenImporteren, {AnderCijferbestand()})),
        {"Be&werken",
         &mnuBewerken,
         Opening::Vastleggen,
         {
             veld("&Achternaam", &mnuAchternaam, VeldAchternaam),
             veld("&Roepnaam", &mnuRoepnaam, VeldRoepnaam),
             veld("A&dres", &mnuAdres, VeldAdres),
             veld("&Postcode", &mnuPostcode, VeldPostcode),
             veld("&Woonplaats", &mnuWoonplaats, VeldWoonplaats),
             veld("&Telefoon", &mnuTelefoon, VeldTelefoon),
             veld("&Mentor", &mnuMentor, VeldMentor),
             Streep(),
             Zoekitem(),
         }},
        Lijstenmenu(&mnuLijsten),
        {"&Afdrukken",
         &mnuAfdrukken,
         Opening::Vastleggen,
         {
             Item("Jaaroverzicht  Niveau  &1", &mnuJrNv1, [this] { PrintJaaroverzicht(1, true); }),
             Item("Jaaroverzicht  Niveau  &2", &mnuJrNv2, [this] { PrintJaaroverzicht(2, true); }),
         }},
        Niveaumenu(&mnuNiveau, Opening::Vastleggen, &mnuNiveau1, &mnuNiveau2),
        Helpmenu(&mnuHelp),
    });
    Werkbalkknoppen(
        {
            Knop("New", "Nieuwc cijferbestand"),
            Knop("Print", "Jaaroverzicht afdrukken", [this] { PrintJaaroverzicht(adm.Niveau, false); }),
            Knop("JAAR", nullptr, [this] { Afdrukken(); }),
            Knop("NIVO1", "Jaaroverzicht Niveau 1 (Laagste niveau)"),
            Knop("NIVO2", "Jaaroverzicht Niveau 2 (Hoogste niveau)"),
            Knop("ZOEK", "Leerling zoeken op Achternaam (Ctrl+F)"),
        },
        VoorStop::Ruimte);
}

void frmJaaroverzicht::Hertekenen()
{
    Afdrukken();
    UpDown->ZetValue(adm.HuidigeRij);
    lblNummer->ZetTekst(std::to_string(adm.HuidigeRij));
}

void frmJaaroverzicht::mnuVeld_Click(Leerlingveld v) { FocusOp(v); }

void frmJaaroverzicht::PrintJaaroverzicht(int niveau, bool printerdialoog)
{
    LijstAfdrukken(
        [this, niveau](const Papier& papier) { return ::PrintJaaroverzicht(adm, niveau, Vandaag(), papier); },
        printerdialoog);
    if (printerdialoog)
        ZetFocus(StartFocus);
}

// ---------------------------------------------------------------- screen

void frmJaaroverzicht::Afdrukken()
{
    // Drawn from a valid copy of the display state: the redraw writes nothing.
    const Schermstand s = GeldigeSchermstand(adm);
    const int p = s.HuidigeRij;
    const int n = s.Niveau;

    TrimLabel->ZetTekst("Jaaroverzicht");
    lblKlas->ZetTekst(adm.Klas);
    lblVak->ZetTekst(adm.Vak);
    lblDeelvak->ZetTekst(adm.Deelvak);
    lblNiveau->ZetTekst(adm.NiveauNaam(n).view());
    ToonInsertModus(*lblInsert, adm.InsertModus);
    mnuJaaroverzicht->setEnabled(false);
    Toolbar().ZetIngedrukt(QStringLiteral("JAAR"), true);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO1"), n == 1);
    Toolbar().ZetIngedrukt(QStringLiteral("NIVO2"), n == 2);
    NivoLabel->ZetTekst(n == 1 ? "Niveau  1" : "Niveau  2");
    NivoLabel->ZetVoorgrond(n == 1 ? Kleur::Groen : Kleur::Blauw);

    // The boxes hold the whole stored texts, trailing blanks included.
    getoond_ = p;
    for (int i = 0; i < AantalLeerlingvelden; ++i) {
        const auto v = static_cast<Leerlingveld>(i);
        Vak(v)->ZetTekst(Veldtekst(adm, v, p));
    }
    OudeTekstVernieuwen();

    auto toon = [](Etiket* e, std::string_view tekst, double grens) {
        e->ZetVoorgrond(Kaartkleur(tekst, grens));
        e->ZetTekst(tekst);
    };
    for (int t = 1; t <= 3; ++t) {
        const auto i = static_cast<std::size_t>(t);
        toon(lblTrGem[i], adm.TrGemTxt(p, t, n).view(), GrensGemiddelde);
        toon(lblTrGM[i], adm.TrGemTxt(p, t, n).view(), GrensGemiddelde);
        toon(lblRapport[i], adm.RapportTxt(p, t, n).view(), GrensCijfer);
        toon(lblRp[i], adm.RapportTxt(p, t, n).view(), GrensCijfer);
        lblTrGW[i]->ZetTekst(adm.TrimGewichtTekst(t, n).view());
    }
    toon(lblRp[4], adm.RapportTxt(p, 4, n).view(), GrensCijfer);
    toon(lblEind, adm.RapportTxt(p, 4, n).view(), GrensCijfer);
    if (const auto jaar = JaarwaardeLeerling(adm, p, n))
        toon(lblJgem, jaar->tekst, GrensGemiddelde);
    for (int c = 1; c <= AantalKolommen; ++c) {
        const auto i = static_cast<std::size_t>(c);
        lblGewicht[i]->ZetTekst(Trim(adm.KolomGewicht(c, n).view()));
        toon(lblCijfer[i], Trim(adm.Cijfer(p, c, n).view()), GrensCijfer);
    }
    BestandsnaamTonen();
}

void frmJaaroverzicht::BestandsnaamTonen() { lblBestand->setText(PadTonen(adm.Bestandsnaam)); }

void frmJaaroverzicht::BewaarLeerlingGegevens()
{
    for (int i = 0; i < AantalLeerlingvelden; ++i)
        VakOpslaan(static_cast<Leerlingveld>(i));
}

void frmJaaroverzicht::VakOpslaan(Leerlingveld v) { VeldOpslaan(v, Vak(v)->Tekst()); }

void frmJaaroverzicht::VeldOpslaan(Leerlingveld v, std::string_view tekst)
{
    basis_.Volgen(adm, ZetVeldtekst(adm, v, getoond_, tekst), [this] { return Kaartgegevens(adm); });
}

// ---------------------------------------------------------------- window

void frmJaaroverzicht::Form_Activate()
{
    FocusNaActiveren = 1;
    // The card shows no rows, but the views it switches to show its pupil.
    HuidigeRijTonen(adm);
    Hertekenen();
}

void frmJaaroverzicht::UpDown_Change()
{
    BewaarLeerlingGegevens();
    const int p = UpDown->Value();
    lblNummer->ZetTekst(std::to_string(p));
    LeerlingKiezen(adm, p);
    Afdrukken();
}

const Veldregel* frmJaaroverzicht::ActiefVeld(Leerlingveld& v) const
{
    const auto i = ActiefIn(vakken_);
    if (!i)
        return nullptr;
    v = static_cast<Leerlingveld>(*i);
    return &Veldregels[static_cast<std::size_t>(*i)];
}

void frmJaaroverzicht::Form_KeyDown(int& KeyCode, int& Shift)
{
    StartFocus->ZetTekst("");
    if (AltVastBijNeer(KeyCode, Shift))
        return;
    switch (KeyCode) {
    case Toetscode::Enter:
    case Toetscode::Op:
    case Toetscode::Neer: {
        // Up and Down are the spin button's own steps while it has the focus.
        if (ActieveControl() == UpDown && KeyCode != Toetscode::Enter)
            break;
        const int toets = KeyCode;
        KeyCode = 0;
        Shift = 0;
        Navigeren(toets);
        break;
    }
    case Toetscode::Insert:
        WisselInsertModus(adm.InsertModus, *lblInsert);
        break;
    default:
        break;
    }
}

void frmJaaroverzicht::Form_KeyPress(int& KeyAscii)
{
    // The focus box shows nothing, so it takes nothing either.
    if (KeyAscii == Toetscode::Enter || ActieveControl() == StartFocus) {
        KeyAscii = 0;
        return;
    }
    // A box holds a longer text only as another window stored it; a
    // character typed past the edit width would be cut off again at once,
    // so it is refused as one at the width is.
    Leerlingveld v;
    if (const Veldregel* r = ActiefVeld(v); r && KeyAscii != 0 && KeyAscii != Toetscode::Backspace &&
                                            Vak(v)->SelStart() > static_cast<int>(r->bewerk)) {
        KeyAscii = 0;
        Piep();
    }
}

void frmJaaroverzicht::Form_KeyUp(int& KeyCode, int& Shift)
{
    AltLosBijOp(KeyCode, Shift);
}

void frmJaaroverzicht::Form_Unload(int& Cancel)
{
    // A switch or a prompted quit has set another view code first.
    if (!EigenWeergave())
        return;
    BewaarLeerlingGegevens();
    Sluitprocedure(*this, Cancel);
    if (!Cancel)
        adm.Gewijzigd = 0;
}

void frmJaaroverzicht::Invoervastlegging(Opdrachtbron)
{
    BewaarLeerlingGegevens();
    // The command may change the data set or the flag: from here an edit counts.
    basis_.Vervallen();
}

// ---------------------------------------------------------------- boxes

void frmJaaroverzicht::Vak_GotFocus(Leerlingveld v)
{
    OudeTekst = Vak(v)->Tekst();
    basis_.Nemen(Kaartgegevens(adm), adm.Gewijzigd);
}

void frmJaaroverzicht::Vak_LostFocus(Leerlingveld v)
{
    VakOpslaan(v);
    basis_.Vervallen();
}

void frmJaaroverzicht::FocusOp(Leerlingveld v)
{
    Vak(v)->ZetSelStart(0);
    ZetFocus(Vak(v));
}

void frmJaaroverzicht::Vak_KeyDown(Leerlingveld v, int KeyCode, int)
{
    const Veldregel& r = Veldregels[static_cast<std::size_t>(v)];
    if (KeyCode == Toetscode::Enter || KeyCode == Toetscode::Neer)
        FocusOp(r.volgende);
    else if (KeyCode == Toetscode::Op)
        FocusOp(r.vorige);
}

void frmJaaroverzicht::Vak_KeyUp(Leerlingveld v, int&, int&)
{
    VasteBreedteInvoer& b = *Vak(v);
    const std::string tekst = b.Tekst();
    const auto nieuw = NaToetsLos(tekst, Veldtekst(adm, v, getoond_), Veldregels[static_cast<std::size_t>(v)]);
    if (!nieuw)
        return;
    if (*nieuw != tekst) {
        const int caret = b.SelStart();
        b.ZetTekst(*nieuw);
        b.ZetSelStart(std::min(caret, static_cast<int>(nieuw->size())));
    }
    VeldOpslaan(v, *nieuw);
}
