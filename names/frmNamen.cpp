#include "names/frmNamen.h"

#include "frame/Bestandsopdrachten.h"
#include "core/Getallen.h"
#include "core/Schermvenster.h"
#include "frame/frmHarvemoLogo.h"
#include "names/AfdrukNamen.h"
#include "names/Namenkolom.h"
#include "names/Namensortering.h"
#include "names/Namenvensters.h"
#include "platform/Etiket.h"
#include "platform/Klembord.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"

#include <QAction>
#include <QPrinter>
#include <QScrollBar>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace {

// The names list's boxes: type-over replaces the character after the caret
// as a character is typed, a character is refused at the field width, and
// releasing a key pads or cuts the text to the width.
Invoerregels Regels(int breedte)
{
    return {breedte, Typegrens::OpBreedte, Loslaten::Opvullen, Overschrijven::BijTeken};
}

constexpr int Vakhoogte = 405;
constexpr int Regelafstand = 510;
constexpr int RasterBoven = 3540;  // top of the first grid line

struct Rasterkolom {
    const char* naam;
    const char* kop;
    int breedte;
    int links;
};

// The seven grid columns, 1..7.
constexpr Rasterkolom Rasterkolommen[8] = {
    {"", "", 0, 0},
    {"txtNaam", "Achternaam", 30, 600},
    {"txtVoornaam", "Roepnaam", 13, 4500},
    {"txtLrlPersNr", "Persnr", 6, 6360},
    {"txtGeslacht", "G", 1, 7380},
    {"txtBasisGroep", "Basisgrp", 6, 7800},
    {"txtKenmerk", "Kenmerk", 15, 8820},
    {"txtMentor", "Mentor", 3, 10920},
};

// The header boxes in their navigation order (field numbers 1..11), with
// their widths.
struct Kopveld {
    const char* naam;
    int breedte;
};
constexpr Kopveld Kopvelden[12] = {
    {"", 0},           {"txtKlas", 6},      {"txtVak", 6},      {"txtDeelvak", 6},
    {"txtNiveau1", 6}, {"txtNiveau2", 6},   {"txtSchool", 30},  {"txtDocent", 30},
    {"txtKlsMentor", 30}, {"txtCursus", 9}, {"txtDocPersNr", 6}, {"txtMntPersNr", 6},
};

// Stores a text into a field; true when that changed what was stored.
template <std::size_t N>
bool Zet(Tekst<N>& veld, std::string_view tekst)
{
    const Tekst<N> nieuw(tekst);
    if (nieuw == veld)
        return false;
    veld = nieuw;
    return true;
}

bool Zet(std::string& veld, std::string_view tekst)
{
    if (veld == tekst)
        return false;
    veld = std::string(tekst);
    return true;
}

// Everything the names list stores, in one text: equal texts, equal data.
std::string Namenlijstgegevens(const AdmMain& a)
{
    std::string t;
    const auto voeg = [&t](std::string_view v) {
        t += v;
        t += '\n';
    };
    for (std::string_view v : {a.School.view(), a.Cursus.view(), std::string_view(a.Docent), a.KlasMentor.view(),
                               std::string_view(a.Klas), std::string_view(a.Vak), std::string_view(a.Deelvak),
                               a.NiveauNaam(1).view(), a.NiveauNaam(2).view(), std::string_view(a.DocentPersNr),
                               a.MentorPersNr.view()})
        voeg(v);
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (std::string_view v : {a.Achternaam(p).view(), a.Roepnaam(p).view(), a.LeerlingPersNr(p).view(),
                                   a.Geslacht(p).view(), a.Basisgroep(p).view(), a.Kenmerk(p).view(),
                                   a.Mentor(p).view()})
            voeg(v);
    return t;
}

}  // namespace

frmNamen::frmNamen(AdmMain& a, Omgeving& o, QWidget* parent) : Weergavevenster(a, o, SchermNamen, parent)
{
    leerlingvensters = &Namenvensters;  // its own
    setObjectName(QStringLiteral("frmNamen"));
    Wachten = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    // Form_Load: the top-left corner of the screen, insert mode.
    Plaatsen(0, 0, 800, 600);
    adm.InsertModus = 1;
    MaakMenus();
    MaakBesturingen();
    // Filled before it is first shown, so that its first paint shows the data
    // set and the fill of the activation finds nothing left to repaint.
    Afdrukken(1);
}

frmNamen::~frmNamen() = default;

// ---- Building the window ------------------------------------------------

void frmNamen::MaakMenus()
{
    auto focus = [this](const char* titel, QAction** actie, std::function<VasteBreedteInvoer*()> vak) {
        return Item(titel, actie, [this, vak] { FocusOp(vak()); });
    };
    auto kop = [&focus](const char* titel, QAction** actie, VasteBreedteInvoer* const& vak) {
        return focus(titel, actie, [&vak] { return vak; });
    };
    // A grid box on the current pupil's line, column 1 surname .. 7 mentor.
    auto rij = [this, &focus](const char* titel, QAction** actie, int kolom) {
        return focus(titel, actie, [this, kolom] { return HuidigVak(kolom); });
    };
    auto sorteer = [this](const char* titel, QAction** actie, Namensortering volgorde) {
        return Item(titel, actie, [this, volgorde] { mnuSorteren_Click(static_cast<int>(volgorde)); });
    };

    Menubalk({
        Bestandsmenu(&mnuTrimMenu, Sub("Leerling(en)  &Importeren Uit...", &mnuLeerlingImporteren,
                                       {AnderCijferbestand(), Namenbestanditem()})),
        {"Be&werken",
         &mnuBewerken,
         Opening::Vastleggen,
         {
             Sub("Kolom Plakken uit E&xcel...", &mnuKolom_Plakken_uit_Excel,
                 {Item("&Achternamen", &mnuAchternamen_Plakken, [this] { mnuAchternamen_Plakken_Click(); }),
                  Item("&Voornamen", &mnuVoornamen_Plakken, [this] { mnuVoornamen_Plakken_Click(); })}),
             Streep(),
             kop("&Klas", &mnuKlas, txtKlas),
             kop("&Vak", &mnuVak, txtVak),
             kop("&Deelvak", &mnuDeelvak, txtDeelvak),
             kop("Niveau  &1", &mnuNiveau1, txtNiveau1),
             kop("Niveau  &2", &mnuNiveau2, txtNiveau2),
             Streep(),
             kop("&School", &mnuSchool, txtSchool),
             kop("&Cursus", &mnuCursus, txtCursus),
             kop("&Docent", &mnuDocent, txtDocent),
             kop("&Persoonsnummer  (Docent)", &mnuDocPersNr, txtDocPersNr),
             kop("Klassen&mentor", &mnuKlsMentor, txtKlsMentor),
             kop("Persoons&nummer  (Klassenmentor)", &mnuMntPersNr, txtMntPersNr),
             Streep(),
             rij("&Achternaam", &mnuAchternaam, 1),
             rij("&Roepnaam", &mnuRoepnaam, 2),
             rij("Persoonsn&ummer", &mnuPersoonsnummer, 3),
             rij("&Geslacht", &mnuGeslacht, 4),
             rij("&Basisgroep", &mnuBasisgroep, 5),
             rij("K&enmerk", &mnuKenmerk, 6),
             rij("Ment&or", &mnuMentor, 7),
             Streep(),
             Zoekitem(),
             Streep(),
             Verwijderitem(),
         },
         AlleenMetKlembordtekst(mnuKolom_Plakken_uit_Excel)},
        Lijstenmenu(&mnuLijsten),
        Sorteermenu(&mnuSorteren, {sorteer("&Achternaam", &mnuSortAchternaam, Namensortering::Achternaam),
                                   sorteer("&Basisgroep", &mnuSortBasisgroep, Namensortering::Basisgroep),
                                   sorteer("&Kenmerk", &mnuSortKenmerk, Namensortering::Kenmerk),
                                   sorteer("&Mentor", &mnuSortMentor, Namensortering::Mentor)}),
        {"&Afdrukken",
         &mnuAfdrukken,
         Opening::Vastleggen,
         {Item("&Namenlijst", &mnuNamenlijstAfdrukken, [this] { mnuNamenlijstAfdrukken_Click(); })}},
        Helpmenu(&mnuHelp),
    });

    Werkbalkknoppen({
        Knop("Print", "Namenlijst afdrukken", [this] { PrintNamenlijst(false); }),
        Knop("Trim1", "Cijferlijst van het 1-e Trimester"),
        Knop("Trim2", "Cijferlijst van het 2-e Trimester"),
        Knop("Trim3", "Cijferlijst van het 3-e Trimester"),
        Zonder("NIVO1"),
        Zonder("NIVO2"),
    });
}

void frmNamen::MaakBesturingen()
{
    QWidget& vlak = Vlak();
    const QFont vast = VbLetter("Courier", 10);
    const QFont namen = VbLetter("Courier New", 10);
    const QFont letter = VbLetter("MS Sans Serif", 8);

    auto etiket = [&](const char* tekst, int links, int boven, int breedte, int hoogte = 255) {
        auto* e = new Etiket(tekst, &vlak);
        e->setFont(letter);
        e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ZetPlaats(*e, links, boven, breedte, hoogte);
        return e;
    };
    auto kopvak = [&](int veld, int links, int boven) {
        const Kopveld& k = Kopvelden[veld];
        auto* v = new VasteBreedteInvoer(omgeving, adm.InsertModus, Regels(k.breedte), &vlak);
        ZetNaam(*v, k.naam);
        v->setFont(vast);
        ZetPlaats(*v, links, boven, Vakbreedte(k.breedte), Vakhoogte);
        connect(v, &VasteBreedteInvoer::GotFocus, this, [this, v] { Kopvak_GotFocus(v); });
        connect(v, &VasteBreedteInvoer::LostFocus, this, [this, v] { Kopvak_LostFocus(v); });
        return v;
    };

    TrimLabel = etiket("Namenlijst", 120, 540, 3600, 420);
    TrimLabel->setFont(VbLetter("MS Sans Serif", 14, true));
    lblInsert = etiket("Insert", 10560, 600, 1080, 285);
    lblInsert->setAlignment(Qt::AlignCenter);
    lblInsert->setFrameShape(QFrame::Panel);
    lblInsert->setFrameShadow(QFrame::Sunken);

    // The header, created in its field order so that Tab follows Enter.
    const int r1 = 1140, r2 = 1650, r3 = 2160, r4 = 2670;
    etiket("Klas", 120, r1 + 75, 660);
    txtKlas = kopvak(1, 780, r1);
    etiket("Vak", 1920, r1 + 75, 540);
    txtVak = kopvak(2, 2460, r1);
    etiket("Deelvak", 3600, r1 + 75, 840);
    txtDeelvak = kopvak(3, 4440, r1);
    etiket("Niveau  1", 5580, r1 + 75, 1020);
    txtNiveau1 = kopvak(4, 6600, r1);
    etiket("Niveau  2", 7740, r1 + 75, 1020);
    txtNiveau2 = kopvak(5, 8760, r1);
    etiket("School :", 120, r2 + 75, 900);
    txtSchool = kopvak(6, 1020, r2);
    etiket("Docent :", 120, r3 + 75, 900);
    txtDocent = kopvak(7, 1020, r3);
    etiket("Mentor :", 120, r4 + 75, 900);
    txtKlsMentor = kopvak(8, 1020, r4);
    etiket("Cursus", 5040, r2 + 75, 840);
    txtCursus = kopvak(9, 5880, r2);
    etiket("Persnr", 5040, r3 + 75, 840);
    txtDocPersNr = kopvak(10, 5880, r3);
    etiket("Persnr", 5040, r4 + 75, 840);
    txtMntPersNr = kopvak(11, 5880, r4);
    kopvakken_ = {nullptr,     txtKlas,    txtVak,    txtDeelvak, txtNiveau1,   txtNiveau2,
                  txtSchool,   txtDocent,  txtKlsMentor, txtCursus, txtDocPersNr, txtMntPersNr};
    // The boxes store themselves (BewaarVelden); the keys walk the header.
    Vakken(kopvakken_, 1, 11, {nullptr, [this](int veld, int toets) { VerplaatsFocus(veld, toets); }});

    // The grid.
    etiket("Nr", 120, RasterBoven - 300, 420);
    for (int k = 1; k <= 7; ++k)
        etiket(Rasterkolommen[k].kop, Rasterkolommen[k].links + 30, RasterBoven - 300, Vakbreedte(Rasterkolommen[k].breedte));
    for (int i = 1; i <= 8; ++i) {
        const int boven = RasterBoven + (i - 1) * Regelafstand;
        const auto ii = static_cast<std::size_t>(i);
        Etiket* nr = etiket("", 120, boven, 420, Vakhoogte);
        nr->setFont(vast);
        nr->setAlignment(Qt::AlignCenter);
        ZetNaam(*nr, "lblNummer", i);
        connect(nr, &Etiket::Click, this, [this, i] { lblNummer_Click(i); });
        lblNummer[ii] = nr;
        for (int k = 1; k <= 7; ++k) {
            const Rasterkolom& rk = Rasterkolommen[k];
            auto* v = new VasteBreedteInvoer(omgeving, adm.InsertModus, Regels(rk.breedte), &vlak);
            ZetNaam(*v, rk.naam, i);
            v->setFont(k <= 2 ? namen : vast);
            ZetPlaats(*v, rk.links, boven, Vakbreedte(rk.breedte), Vakhoogte);
            connect(v, &VasteBreedteInvoer::GotFocus, this, [this, k, i] { Rastervak_GotFocus(k, i); });
            connect(v, &VasteBreedteInvoer::LostFocus, this, [this, k, i] { Rastervak_LostFocus(k, i); });
            Kolom(k)[ii] = v;
        }
    }
    for (int k = 1; k <= 7; ++k)
        Vakken(Kolom(k), 1, 8, {nullptr, [this](int, int toets) { VerplaatsFocus(12, toets); }});

    vsbScroll = new QScrollBar(Qt::Vertical, &vlak);
    vsbScroll->setRange(1, AantalLeerlingen);
    vsbScroll->setSingleStep(1);
    vsbScroll->setPageStep(8);
    vsbScroll->setFocusPolicy(Qt::NoFocus);
    ZetPlaats(*vsbScroll, 11580, RasterBoven, 255, 7 * Regelafstand + Vakhoogte);
    connect(vsbScroll, &QScrollBar::valueChanged, this, [this] { vsbScroll_Change(); });

    StartFocus = new Focusvak(omgeving, adm.InsertModus, &vlak);
    ZetNaam(*StartFocus, "StartFocus");
    StartFocus->move(0, Twips(RasterBoven));
    connect(StartFocus, &VasteBreedteInvoer::GotFocus, this, [this] { OudeTekst = StartFocus->Tekst(); });
    connect(StartFocus, &VasteBreedteInvoer::LostFocus, this, [this] { FocusNaActiveren = 0; });
    Vakken(*StartFocus, {nullptr, [this](int, int toets) { VerplaatsFocus(12, toets); }});

    Label15 = etiket("", 120, RasterBoven + 8 * Regelafstand + 150, 11700);
}

std::array<VasteBreedteInvoer*, 9>& frmNamen::Kolom(int kolom)
{
    switch (kolom) {
    case 1: return txtNaam;
    case 2: return txtVoornaam;
    case 3: return txtLrlPersNr;
    case 4: return txtGeslacht;
    case 5: return txtBasisGroep;
    case 6: return txtKenmerk;
    default: return txtMentor;
    }
}

VasteBreedteInvoer* frmNamen::Kopvak(int veld) const
{
    return veld >= 1 && veld <= 11 ? kopvakken_[static_cast<std::size_t>(veld)] : nullptr;
}

frmNamen::Rastervak frmNamen::Rasterplaats(const QWidget* control)
{
    const Vakplaats p = PlaatsVan(control);
    for (int k = 1; k <= 7; ++k)
        if (p.rij == &Kolom(k))
            return {k, p.index};
    return {};
}

// ---- Screen ---------------------------------------------------------------

void frmNamen::Toon(VasteBreedteInvoer* vak, std::string_view tekst)
{
    vak->ZetTekst(tekst);
    gezet_[vak] = vak->Tekst();
}

bool frmNamen::Bewerkt(const VasteBreedteInvoer* vak) const
{
    const auto i = gezet_.find(vak);
    return i == gezet_.end() || vak->Tekst() != i->second;
}

void frmNamen::Afdrukken(int mode)
{
    if (mode == 1) {
        Toon(txtSchool, adm.School.view());
        Toon(txtCursus, adm.Cursus.view());
        Toon(txtDocent, adm.Docent);
        Toon(txtDocPersNr, adm.DocentPersNr);
        Toon(txtKlsMentor, adm.KlasMentor.view());
        Toon(txtMntPersNr, adm.MentorPersNr.view());
        Toon(txtKlas, adm.Klas);
        Toon(txtVak, adm.Vak);
        Toon(txtDeelvak, adm.Deelvak);
        Toon(txtNiveau1, adm.NiveauNaam(1).view());
        Toon(txtNiveau2, adm.NiveauNaam(2).view());
    }
    // Drawn from a valid copy of the display state: the fill writes nothing.
    const Schermstand s = GeldigeSchermstand(adm);
    for (int i = 1; i <= 8; ++i) {
        const int r = LeerlingOpRij(s, i);
        const auto ii = static_cast<std::size_t>(i);
        getoond_[ii] = r;
        const bool huidig = r == s.HuidigeRij;
        lblNummer[ii]->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::Licht3D);
        for (int k = 1; k <= 7; ++k)
            Kolom(k)[ii]->ZetAchtergrond(huidig ? Kleur::Cyaan : Kleur::Wit);
        lblNummer[ii]->ZetTekst(Tweecijferig(r));
        Toon(txtNaam[ii], adm.Achternaam(r).view());
        Toon(txtVoornaam[ii], adm.Roepnaam(r).view());
        Toon(txtLrlPersNr[ii], adm.LeerlingPersNr(r).view());
        Toon(txtGeslacht[ii], adm.Geslacht(r).view());
        Toon(txtBasisGroep[ii], adm.Basisgroep(r).view());
        Toon(txtKenmerk[ii], adm.Kenmerk(r).view());
        Toon(txtMentor[ii], adm.Mentor(r).view());
    }
    BestandsnaamTonen();
}

void frmNamen::BestandsnaamTonen() { Label15->setText(PadTonen(adm.Bestandsnaam)); }

void frmNamen::ToonPersNr(VasteBreedteInvoer* vak, std::string_view opgeslagen)
{
    // A number as typed ("123") shows as it was stored ("000123").
    const std::string t = vak->Tekst();
    if (t != opgeslagen && PersNrNaarTekst(t) == opgeslagen)
        Toon(vak, opgeslagen);
}

bool frmNamen::KopOpslaan(VasteBreedteInvoer* vak)
{
    // A text typed into a box has the box's width (a key release fits it);
    // one that came in otherwise is fitted here, so that a class is never
    // stored longer than a grade file holds it.
    if (!Bewerkt(vak))
        return false;
    const std::string t = vak->Tekst();
    bool veranderd = false;
    if (vak == txtSchool)
        veranderd = Zet(adm.School, t);
    else if (vak == txtCursus)
        veranderd = Zet(adm.Cursus, t);
    else if (vak == txtDocent)
        veranderd = Zet(adm.Docent, Pas(t, 30));
    else if (vak == txtKlsMentor)
        veranderd = Zet(adm.KlasMentor, t);
    else if (vak == txtKlas)
        veranderd = Zet(adm.Klas, Pas(t, 6));
    else if (vak == txtVak)
        veranderd = Zet(adm.Vak, Pas(t, 6));
    else if (vak == txtDeelvak)
        veranderd = Zet(adm.Deelvak, Pas(t, 6));
    else if (vak == txtNiveau1)
        veranderd = Zet(adm.NiveauNaam(1), t);
    else if (vak == txtNiveau2)
        veranderd = Zet(adm.NiveauNaam(2), t);
    else if (vak == txtDocPersNr)
        veranderd = Zet(adm.DocentPersNr, PersNrNaarTekst(t));
    else if (vak == txtMntPersNr)
        veranderd = Zet(adm.MentorPersNr, PersNrNaarTekst(t));
    gezet_[vak] = t;
    return veranderd;
}

bool frmNamen::VakOpslaan(int kolom, int regel)
{
    VasteBreedteInvoer* vak = Kolom(kolom)[static_cast<std::size_t>(regel)];
    const int p = getoond_[static_cast<std::size_t>(regel)];
    if (!Bewerkt(vak) || p < 1 || p > AantalLeerlingen)
        return false;
    const std::string t = vak->Tekst();
    gezet_[vak] = t;
    switch (kolom) {
    case 1: return Zet(adm.Achternaam(p), t);
    case 2: return Zet(adm.Roepnaam(p), t);
    case 3: return Zet(adm.LeerlingPersNr(p), PersNrNaarTekst(t));
    case 4: return Zet(adm.Geslacht(p), t);
    case 5: return Zet(adm.Basisgroep(p), t);
    case 6: return Zet(adm.Kenmerk(p), t);
    default: return Zet(adm.Mentor(p), t);
    }
}

void frmNamen::BewaarVelden(int mode)
{
    // Every box the teacher changed goes into the field it shows: the
    // header, and the pupil of its line (normally the current pupil's line,
    // the one being edited). A box as the program filled it stores nothing.
    bool veranderd = false;
    for (int v = 1; v <= 11; ++v)
        veranderd |= KopOpslaan(Kopvak(v));
    for (int i = 1; i <= 8; ++i)
        for (int k = 1; k <= 7; ++k)
            veranderd |= VakOpslaan(k, i);
    Gewijzigdvolgen(veranderd);
    if (mode == 1)
        Afdrukken(1);
}

void frmNamen::Focusbasis() { basis_.Nemen(Namenlijstgegevens(adm), adm.Gewijzigd); }

void frmNamen::Gewijzigdvolgen(bool veranderd)
{
    basis_.Volgen(adm, veranderd, [this] { return Namenlijstgegevens(adm); });
}

// ---- Focus ----------------------------------------------------------------

void frmNamen::Kopvak_GotFocus(VasteBreedteInvoer* vak)
{
    if (vak == txtDocPersNr || vak == txtMntPersNr)
        vak->ZetSelLength(6);
    OudeTekst = vak->Tekst();
    Focusbasis();
}

void frmNamen::Kopvak_LostFocus(VasteBreedteInvoer* vak)
{
    Gewijzigdvolgen(KopOpslaan(vak));
    if (vak == txtDocPersNr)
        ToonPersNr(vak, adm.DocentPersNr);
    else if (vak == txtMntPersNr)
        ToonPersNr(vak, adm.MentorPersNr.view());
    basis_.Vervallen();
}

void frmNamen::Rastervak_GotFocus(int kolom, int regel)
{
    VasteBreedteInvoer* vak = Kolom(kolom)[static_cast<std::size_t>(regel)];
    if (FocusNaActiveren == 1) {
        // The focus the activation placed on the current pupil's line does
        // not move the current pupil.
        FocusNaActiveren = 0;
        if (regel == HuidigeSchermrij(adm)) {
            OudeTekst = vak->Tekst();
            Focusbasis();
            return;
        }
    }
    SchermrijKiezen(adm, regel);
    vak->ZetSelStart(0);
    if (vsbScroll->value() != adm.HuidigeRij)
        vsbScroll->setValue(adm.HuidigeRij);
    OudeTekst = vak->Tekst();
    Focusbasis();
}

void frmNamen::Rastervak_LostFocus(int kolom, int regel)
{
    VasteBreedteInvoer* vak = Kolom(kolom)[static_cast<std::size_t>(regel)];
    Gewijzigdvolgen(VakOpslaan(kolom, regel));
    if (kolom == 3)
        ToonPersNr(vak, adm.LeerlingPersNr(getoond_[static_cast<std::size_t>(regel)]).view());
    basis_.Vervallen();
}

VasteBreedteInvoer* frmNamen::HuidigVak(int kolom)
{
    // The command has committed the boxes: the rows may move to the pupil.
    if (HuidigeRijTonen(adm))
        Afdrukken(0);
    return Kolom(kolom)[static_cast<std::size_t>(HuidigeSchermrij(adm))];
}

void frmNamen::FocusOp(VasteBreedteInvoer* vak)
{
    if (!vak)
        return;
    // The caret first: the box's GotFocus then selects from there.
    vak->ZetSelStart(0);
    ZetFocus(vak);
}

void frmNamen::FocusOpHuidigeRegel()
{
    const Rastervak actief = Rasterplaats(ActieveControl());
    const int regel = HuidigeSchermrij(adm);
    if (!actief.kolom || regel == GeenRij)
        return;
    VasteBreedteInvoer* vak = Kolom(actief.kolom)[static_cast<std::size_t>(regel)];
    if (vak == ActieveControl()) {
        OudeTekst = vak->Tekst();  // the same box, now showing this pupil
        Focusbasis();
    } else
        ZetFocus(vak);
}

// ---- Keys -------------------------------------------------------------------

void frmNamen::Form_KeyDown(int& KeyCode, int& Shift)
{
    StartFocus->ZetTekst("");
    if (AltVastBijNeer(KeyCode, Shift))
        return;
    if (const int toets = Navigatietoets(KeyCode, Shift)) {
        Navigeren(toets);
        return;
    }
    switch (KeyCode) {
    case Toetscode::Insert:
        WisselInsertModus(adm.InsertModus, *lblInsert);
        break;
    default:
        break;
    }
}

void frmNamen::Form_KeyPress(int& KeyAscii)
{
    // The boxes refuse a character at their width and replace the next one
    // in type-over mode themselves. The focus box shows nothing, so it takes
    // nothing either (a character kept there would count as an edit).
    if (KeyAscii == Toetscode::Enter || ActieveControl() == StartFocus)
        KeyAscii = 0;
}

void frmNamen::Form_KeyUp(int& KeyCode, int& Shift)
{
    AltLosBijOp(KeyCode, Shift);
    if (adm.AltIngedrukt == 1)
        return;
    // A box's text is fitted to its width on a key release (the focus box has none).
    auto* vak = qobject_cast<VasteBreedteInvoer*>(ActieveControl());
    const int breedte = vak ? vak->Regels().breedte : 0;
    if (breedte > 0) {
        const std::string t = vak->Tekst();
        if (!Bewerkt(vak)) {
            // A box as the program filled it keeps its text (a teacher's name
            // longer than the box is not cut by an arrow key).
            KeyCode = 0;
        } else if (static_cast<int>(t.size()) != breedte) {
            // Fitted here, before the store, so that the store sees the width.
            const int caret = vak->SelStart();
            vak->ZetTekst(Pas(t, static_cast<std::size_t>(breedte)));
            vak->ZetSelStart(caret);
        }
    }
    BewaarVelden(0);
}

void frmNamen::VerplaatsFocus(int veld, int toets)
{
    const bool verder = toets == Toetscode::Enter || toets == Toetscode::Neer;
    if (veld >= 1 && veld <= 11) {
        static constexpr int Geen = 0;
        int doel = Geen;
        if (verder && veld < 11)
            doel = veld + 1;
        else if (toets == Toetscode::Op && veld > 1)
            doel = veld - 1;
        if (doel != Geen)
            FocusOp(Kopvak(doel));
        return;
    }
    // In the grid Enter moves down as Down does.
    if (veld == 12)
        Leerlingtoets(*vsbScroll, verder ? Toetscode::Neer : toets);
}

void frmNamen::vsbScroll_Change()
{
    // What the boxes hold goes to the slots they show before the window moves.
    BewaarVelden(0);
    LeerlingKiezen(adm, vsbScroll->value());
    // Redrawn before the focus follows, so that the box that gets it
    // remembers the text of the pupil it now shows.
    Afdrukken(0);
    FocusOpHuidigeRegel();
}

void frmNamen::lblNummer_Click(int Index)
{
    BewaarVelden(0);
    SchermrijKiezen(adm, Index);
    if (vsbScroll->value() != adm.HuidigeRij)
        vsbScroll->setValue(adm.HuidigeRij);
    Afdrukken(1);
    FocusOpHuidigeRegel();
}

// ---- Activation and closing ---------------------------------------------------

void frmNamen::LogoTonen()
{
    adm.LogoGetoond = 1;
    if (!StartLogo)
        logo_ = std::make_unique<frmHarvemoLogo>();
    frmHarvemoLogo& logo = StartLogo ? *StartLogo : *logo_;
    // The wait blocks the window, as intended: what is typed meanwhile runs
    // afterwards. So the logo's picture must be in place before it.
    if (LogoWachttijd > 0)
        logo.BeeldTekenen();
    logo.ToonEnWacht(0);  // shown, and painted once
    if (LogoWachttijd > 0 && Wachten)
        Wachten(LogoWachttijd);
    LogoSluiten();
}

void frmNamen::LogoSluiten()
{
    if (StartLogo) {
        StartLogo->close();
        StartLogo = nullptr;
    }
    if (logo_) {
        logo_->close();
        logo_.reset();
    }
}

void frmNamen::Form_Activate()
{
    FocusNaActiveren = 1;
    if (adm.LogoGetoond == 0)
        LogoTonen();
    else if (adm.LogoGetoond == 1)
        LogoSluiten();
    mnuNamenlijst->setEnabled(false);
    Toolbar().ZetIngedrukt(12, true);
    TrimLabel->ZetTekst("Namenlijst");
    ToonInsertModus(*lblInsert, adm.InsertModus);
    HuidigeRijTonen(adm);
    Afdrukken(1);
    if (vsbScroll->value() != adm.HuidigeRij)
        vsbScroll->setValue(adm.HuidigeRij);
    FocusOpHuidigeRegel();
}

void frmNamen::Form_Unload(int& Cancel)
{
    LogoSluiten();
    if (!EigenWeergave())
        return;
    BewaarVelden(0);
    Sluitprocedure(*this, Cancel);
}

// ---- Commands -----------------------------------------------------------------

void frmNamen::Invoervastlegging(Opdrachtbron bron)
{
    BewaarVelden(bron == Opdrachtbron::Menu ? 1 : 0);
    // The command may change the data set or the flag: from here an edit counts.
    basis_.Vervallen();
}

void frmNamen::NaOpenen()
{
    Afdrukken(1);
    if (vsbScroll->value() != adm.HuidigeRij)
        vsbScroll->setValue(adm.HuidigeRij);
    FocusOpHuidigeRegel();
}

// ---- Paste, print, sort --------------------------------------------------------

void frmNamen::Plakken(int soort)
{
    if (KlembordBevatTekst())
        KolomPlakken(adm, static_cast<Namenkolom>(soort), KlembordTekst(), adm.HuidigeRij);
    Afdrukken(1);
    adm.Gewijzigd = 1;
}

void frmNamen::mnuAchternamen_Plakken_Click() { Plakken(static_cast<int>(Namenkolom::Achternamen)); }

void frmNamen::mnuVoornamen_Plakken_Click() { Plakken(static_cast<int>(Namenkolom::Voornamen)); }

void frmNamen::PrintNamenlijst(bool printerdialoog)
{
    const AdmMain& a = adm;
    LijstAfdrukken([&a](const Papier& papier) { return AfdrukNamen(a, Vandaag(), papier); }, printerdialoog);
}

void frmNamen::mnuNamenlijstAfdrukken_Click()
{
    PrintNamenlijst(true);
    ZetFocus(StartFocus);
}

void frmNamen::mnuSorteren_Click(int volgorde)
{
    NamenSorteren(adm, static_cast<Namensortering>(volgorde));
    Afdrukken(1);
    adm.Gewijzigd = 1;
}
