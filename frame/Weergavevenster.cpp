#include "frame/Weergavevenster.h"

#include "core/Schermvenster.h"
#include "frame/Bestandsopdrachten.h"
#include "frame/Weergaven.h"
#include "frame/frmAbout.h"
#include "platform/Etiket.h"
#include "platform/Klembord.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QScrollBar>

#include <utility>

Menuregel Item(const char* titel, QAction** actie, std::function<void()> doe, QKeySequence sneltoets)
{
    Menuregel r;
    r.titel = titel;
    r.actie = actie;
    r.doe = std::move(doe);
    r.sneltoets = std::move(sneltoets);
    return r;
}

Menuregel Uit(const char* titel, QAction** actie)
{
    Menuregel r = Item(titel, actie, {});
    r.aan = false;
    return r;
}

Menuregel Sub(const char* titel, QAction** actie, std::vector<Menuregel> items)
{
    Menuregel r = Item(titel, actie, {});
    r.submenu = true;
    r.items = std::move(items);
    return r;
}

Menuregel Streep() { return {}; }

Knopregel Knop(const char* key, const char* tip, std::function<void()> doe) { return {key, tip, std::move(doe)}; }

Knopregel Zonder(const char* key) { return {key, nullptr, {}, false}; }

Weergavevenster::Weergavevenster(AdmMain& a, Omgeving& o, int scherm, QWidget* parent)
    : Venster(a, o, parent), familie_(Schermfamilie(scherm))
{
    setWindowTitle(QStringLiteral("Docenten-Morvaldiek Versie 7.762"));
}

Weergavevenster::~Weergavevenster() = default;

bool Weergavevenster::EigenWeergave() const { return Schermfamilie(adm.Scherm) == familie_; }

// ---- Tables ------------------------------------------------------------------

void Weergavevenster::Menubalk(std::vector<Menu> menus)
{
    for (Menu& m : menus) {
        QMenu* menu = Hoofdmenu(QString::fromUtf8(m.titel), m.opening == Opening::Vastleggen);
        if (m.menu)
            *m.menu = menu;
        if (m.bijOpenen)
            bijOpenen_[menu] = std::move(m.bijOpenen);
        Vullen(*menu, m.items);
    }
}

void Weergavevenster::Vullen(QMenu& menu, const std::vector<Menuregel>& items)
{
    for (const Menuregel& r : items) {
        if (!r.titel) {
            menu.addSeparator();
            continue;
        }
        QAction* a = nullptr;
        if (r.submenu) {
            QMenu* sub = menu.addMenu(QString::fromUtf8(r.titel));
            a = sub->menuAction();
            Vullen(*sub, r.items);
        } else {
            a = menu.addAction(QString::fromUtf8(r.titel));
            if (r.doe)
                connect(a, &QAction::triggered, this, [doe = r.doe] { doe(); });
        }
        if (!r.sneltoets.isEmpty())
            a->setShortcut(r.sneltoets);
        a->setEnabled(r.aan);
        if (r.actie)
            *r.actie = a;
    }
}

void Weergavevenster::Menu_Click(QMenu* menu)
{
    if (const auto i = bijOpenen_.find(menu); i != bijOpenen_.end())
        i->second();
}

void Weergavevenster::Werkbalkknoppen(std::vector<Knopregel> eigen, VoorStop voorStop)
{
    struct Plaats {
        const char* key = nullptr;  // none: a separator
        const char* tip = "";
        std::function<void()> doe = {};
    };
    // The family's toolbar, positions 1 to 23; "Print" and the level
    // buttons' tooltips are each view's own.
    const Plaats familie[23] = {
        {"New", "Nieuw cijferbestand", [this] { mnuNieuwBestand_Click(); }},
        {},
        {"Open", "Cijferbestand openen", [this] { mnuBestandLaden_Click(); }},
        {"Save", "Cijferbestand opslaan", [this] { mnuBestandOpslaan_Click(); }},
        {},
        {"Print"},
        {},
        {"Trim1", "Cijferlijst van het 1-e trimester", [this] { Schermkeuze(SchermTrimester1); }},
        {"Trim2", "Cijferlijst van het 2-e trimester", [this] { Schermkeuze(SchermTrimester2); }},
        {"Trim3", "Cijferlijst van het 3-e trimester", [this] { Schermkeuze(SchermTrimester3); }},
        {},
        {"NAM", "Namenlijst met school- en leerlinggegevens", [this] { Schermkeuze(SchermNamen); }},
        {},
        {"RAP", "Rapportenlijst met trimestergemiddelden", [this] { Schermkeuze(SchermRapporten); }},
        {},
        {"JAAR", "Jaaroverzicht per leerling", [this] { Schermkeuze(SchermJaaroverzicht); }},
        {},
        {"NIVO1", "", [this] { NiveauKiezen(1); }},
        {"NIVO2", "", [this] { NiveauKiezen(2); }},
        {},
        {"ZOEK", "Leerling zoeken op achternaam (Ctrl+F)", [this] { mnuZoeken_Click(); }},
        {},
        {"STOP", "Stoppen", [this] { mnuStoppen_Click(); }},
    };
    constexpr int PlaatsVoorStop = 22;

    Werkbalk& balk = Toolbar();
    for (int i = 1; i <= 23; ++i) {
        Plaats p = familie[i - 1];
        if (!p.key) {
            if (i == PlaatsVoorStop && voorStop == VoorStop::Ruimte)
                balk.VoegLeegToe();
            else
                balk.VoegScheidingToe();
            continue;
        }
        bool aanwezig = true;
        for (Knopregel& k : eigen) {
            if (qstrcmp(k.key, p.key) != 0)
                continue;
            aanwezig = k.aanwezig;
            if (k.tip)
                p.tip = k.tip;
            if (k.doe)
                p.doe = std::move(k.doe);
        }
        if (!aanwezig) {
            balk.VoegLeegToe();
            continue;
        }
        const QString key = QString::fromLatin1(p.key);
        balk.VoegKnopToe(key, QString::fromUtf8(p.tip));
        knoppen_[key] = std::move(p.doe);
    }
}

void Weergavevenster::Toolbar_ButtonClick(const QString& key)
{
    // A key without a command of this view does nothing after the commit.
    if (const auto i = knoppen_.find(key); i != knoppen_.end() && i->second)
        i->second();
}

// ---- The registered boxes ------------------------------------------------------

void Weergavevenster::Registreren(const void* rij, int van, const std::vector<VasteBreedteInvoer*>& vakken,
                                  Vaksoort soort)
{
    Vaksoort* s = soorten_.emplace_back(std::make_unique<Vaksoort>(std::move(soort))).get();
    int index = van;
    for (VasteBreedteInvoer* vak : vakken)
        register_[vak] = {vak, {s, rij, index++}};
}

Vakplaats Weergavevenster::PlaatsVan(const QWidget* control) const
{
    const auto i = register_.find(control);
    return i == register_.end() ? Vakplaats{} : i->second.plaats;
}

void Weergavevenster::VakVastleggen(QWidget* control)
{
    const auto i = register_.find(control);
    if (i == register_.end())
        return;
    const Registratie r = i->second;
    if (!r.vak->Bewerkt() || !r.plaats.soort->vastleggen)
        return;
    r.vak->Onbewerkt();
    r.plaats.soort->vastleggen(r.plaats.index);
    if (ActieveControl() == r.vak)
        OudeTekst = r.vak->Tekst();
}

bool Weergavevenster::Navigeren(int keyCode)
{
    const Vakplaats p = PlaatsVan(ActieveControl());
    if (!p.soort || !p.soort->toets)
        return false;
    p.soort->toets(p.index, keyCode);
    return true;
}

void Weergavevenster::Venstertoets(int& KeyCode, int& Shift, VasteBreedteInvoer& start, Etiket& insert, int bezig)
{
    start.ZetTekst("");
    if (bezig) {
        KeyCode = 0;
        Shift = 0;
        return;
    }
    // Navigation, never a key for the box itself.
    if (const int code = Navigatietoets(KeyCode, Shift)) {
        Navigeren(code);
        return;
    }
    if (KeyCode == Toetscode::Insert)
        WisselInsertModus(adm.InsertModus, insert);
}

bool Weergavevenster::Leerlingtoets(QScrollBar& balk, int keyCode)
{
    int rijen = 0;
    switch (keyCode) {
    case Toetscode::Neer: rijen = 1; break;
    case Toetscode::Op: rijen = -1; break;
    case Toetscode::PgDn: rijen = Vensterrijen; break;
    case Toetscode::PgUp: rijen = -Vensterrijen; break;
    default: return false;
    }
    const int naar = Leerlingstap(adm.HuidigeRij, rijen);
    if (naar == adm.HuidigeRij)
        return false;
    balk.setValue(naar);
    return true;
}

// ---- The shared menus --------------------------------------------------------

Menu Weergavevenster::Bestandsmenu(QMenu** menu)
{
    return {"&Bestand",
            menu,
            Opening::Vastleggen,
            {
                Item("&Nieuw  Bestand", &mnuNieuwBestand, [this] { mnuNieuwBestand_Click(); }),
                Item("Bestand  &Laden...", &mnuBestandLaden, [this] { mnuBestandLaden_Click(); }),
                Streep(),
                Item("Bestand  &Opslaan", &mnuBestandOpslaan, [this] { mnuBestandOpslaan_Click(); }),
                Item("Bestand  Opslaan  &Als...", &mnuBestandOpslaanAls, [this] { mnuBestandOpslaanAls_Click(); }),
                Streep(),
                Item("&Stoppen", &mnuStoppen, [this] { mnuStoppen_Click(); }),
            }};
}

Menu Weergavevenster::Bestandsmenu(QMenu** menu, Menuregel importeren)
{
    Menu m = Bestandsmenu(menu);
    // Before the quit, behind a separator of its own.
    const auto stoppen = m.items.end() - 1;
    m.items.insert(stoppen, {std::move(importeren), Streep()});
    return m;
}

Menuregel Weergavevenster::AnderCijferbestand()
{
    return Item("Ander  &Cijferbestand...", &mnuAnderCijferbestand, [this] { mnuAnderCijferbestand_Click(); });
}

Menuregel Weergavevenster::Namenbestanditem()
{
    return Item("&Dravonel Namenbestand...", &mnuNamenbestand, [this] { mnuNamenbestand_Click(); });
}

Menu Weergavevenster::Lijstenmenu(QMenu** menu)
{
    return {"&Lijsten",
            menu,
            Opening::Vastleggen,
            {
                Item("&Namenlijst", &mnuNamenlijst, [this] { Schermkeuze(SchermNamen); }),
                Streep(),
                Item("&1-e Trimester", &mnuTrimester1, [this] { Schermkeuze(SchermTrimester1); }),
                Item("&2-e Trimester", &mnuTrimester2, [this] { Schermkeuze(SchermTrimester2); }),
                Item("&3-e Trimester", &mnuTrimester3, [this] { Schermkeuze(SchermTrimester3); }),
                Streep(),
                Item("&Rapportenlijst", &mnuRapportenlijst, [this] { Schermkeuze(SchermRapporten); }),
                Item("&Jaaroverzicht", &mnuJaaroverzicht, [this] { Schermkeuze(SchermJaaroverzicht); }),
            }};
}

Menu Weergavevenster::Sorteermenu(QMenu** menu, std::vector<Menuregel> volgorden)
{
    return {"&Sorteren", menu, Opening::Vastleggen, std::move(volgorden)};
}

std::function<void()> Weergavevenster::AlleenMetKlembordtekst(QAction* const& item)
{
    return [&item] { item->setEnabled(KlembordBevatTekst()); };
}

Menu Weergavevenster::Niveaumenu(QMenu** menu, Opening opening, QAction** niveau1, QAction** niveau2)
{
    return {"&Niveau",
            menu,
            opening,
            {
                Item("Niveau  &1", niveau1, [this] { NiveauKiezen(1); }),
                Item("Niveau  &2", niveau2, [this] { NiveauKiezen(2); }),
            }};
}

Menuregel Weergavevenster::Zoekitem()
{
    return Item("&Zoeken  op  Achternaam...", &mnuZoeken, [this] { mnuZoeken_Click(); },
                QKeySequence(Qt::CTRL | Qt::Key_F));
}

Menuregel Weergavevenster::Verwijderitem()
{
    return Item("&Leerling(en)  Verwijderen...", &mnuLeerlingVerwijderen, [this] { mnuLeerlingVerwijderen_Click(); });
}

Menu Weergavevenster::Helpmenu(QMenu** menu)
{
    // Opening "&Help" commits nothing.
    return {"&Help", menu, Opening::Niets, {Item("&Info", &mnuInfo, [this] { mnuInfo_Click(); })}};
}

// ---- The shared commands -----------------------------------------------------

void Weergavevenster::mnuNieuwBestand_Click()
{
    if (!NieuwBestand(*this))
        return;
    Hertekenen();
    OudeTekstVernieuwen();
}

void Weergavevenster::mnuBestandLaden_Click()
{
    // A file that names another view has its window take over; one that
    // names this view (or none loaded) is shown here.
    if (BestandLaden(*this) == Openuitslag::Blijft) {
        HuidigeRijTonen(adm);
        NaOpenen();
    }
}

void Weergavevenster::mnuBestandOpslaan_Click() { BestandOpslaan(*this); }

void Weergavevenster::mnuBestandOpslaanAls_Click() { BestandOpslaanAls(*this); }

void Weergavevenster::mnuAnderCijferbestand_Click()
{
    Importeren(*this, DialoogImportLeerlingen);
    Hertekenen();
}

void Weergavevenster::mnuNamenbestand_Click()
{
    if (leerlingvensters)
        leerlingvensters->Namenbestand(*this);
    Hertekenen();
}

void Weergavevenster::mnuStoppen_Click() { Stopprocedure(*this); }

void Weergavevenster::mnuZoeken_Click()
{
    if (leerlingvensters)
        leerlingvensters->Zoeken(*this);
    Hertekenen();
}

void Weergavevenster::mnuLeerlingVerwijderen_Click()
{
    if (leerlingvensters)
        leerlingvensters->Verwijderen(*this);
    Hertekenen();
    adm.Gewijzigd = 1;  // also when cancelled
}

void Weergavevenster::ShowAboutBox()
{
    frmAbout about(this);
    Modaal(about);
}

void Weergavevenster::mnuInfo_Click()
{
    // Opening "&Help" commits nothing, but the redraw after the about box
    // would throw an edit away: commit it now.
    Vastleggen();
    try {
        ShowAboutBox();
    } catch (...) {
    }
}

void Weergavevenster::Schermkeuze(int scherm)
{
    if (Schermfamilie(scherm) != familie_)
        Schermwissel(*this, scherm);
}

void Weergavevenster::NiveauKiezen(int niveau)
{
    ::NiveauKiezen(adm, niveau);
    Hertekenen();
}

void Weergavevenster::closeEvent(QCloseEvent* e)
{
    Venster::closeEvent(e);
    if (e->isAccepted() && weergaven)
        weergaven->Ontladen(*this);
}
