#pragma once
// The frame of every view window (the term sheet, the names list, the report
// list, the year overview and each view to come). It builds the view's menu
// bar and toolbar from the tables the view declares, runs the toolbar by
// looking its key up, and holds the commands the views share: new, open,
// save, save as, pupil import, quit, the switch to another view or level,
// search, delete and the about box (the file commands themselves are
// frame/Bestandsopdrachten.h). The platform layer's Venster below it gives
// key preview, focus, the commit before a command (Invoervastlegging) and
// printing.
//
// A new view derives from it and declares its tables in its constructor:
//
//   frmX::frmX(AdmMain& a, Omgeving& o, QWidget* parent) : Weergavevenster(a, o, SchermX, parent)
//   {
//       Menubalk({
//           Bestandsmenu(&mnuTrimMenu, Sub("Leerling(en)  &Importeren  Uit...", &mnuLeerlingImporteren,
//                                          {AnderCijferbestand()})),
//           {"Be&werken", &mnuBewerken, Opening::Vastleggen, {
//               Item("&Eindrapport", &mnuEindRap, [this] { ... }),   // the view's own item
//               Streep(),                                            // a separator
//               Zoekitem(),                                          // a shared item
//               Uit("&Kolom... afdrukken", &mnuKolomAfdrukken),      // present, greyed
//           }},
//           Lijstenmenu(&mnuLijsten),
//           Niveaumenu(&mnuNiveau, Opening::Niets, &mnuNivo1, &mnuNivo2),
//           Helpmenu(&mnuHelp),
//       });
//       Werkbalkknoppen({
//           Knop("Print", "Rapportenlijst afdrukken", [this] { ... }),  // own tooltip and command
//           Knop("NIVO1", "Rapportenlijst Niveau 1 (Laagste niveau)"),  // own tooltip, the family's command
//           Zonder("ZOEK"),                                              // an empty place instead
//       }, VoorStop::Ruimte);
//   }
//
// A top menu is {caption, where the view keeps it, whether opening it
// commits, its items, and optionally what runs after the commit as it
// opens}; an item is Item(caption, where the view keeps it, command,
// shortcut). Captions are the view's own, to the blank; the shared menus
// take the view's variants as arguments. The toolbar always has the
// family's 23 positions (laid out in Werkbalkknoppen); the view gives only
// what differs: Print, the level buttons' tooltips, a button it lacks.
//
// It sets its place and client size once, with Plaatsen (platform/Venster.h),
// which fits them to a screen smaller than the view. The view overrides
// Hertekenen (its full redraw, run after every shared command that changes
// what it shows: new, import, search, delete, level),
// BestandsnaamTonen (its file label, after a save as), Invoervastlegging
// (its commit before a command), Form_Unload (its close handling, only
// while EigenWeergave()), and where needed NaOpenen (after an open that
// keeps it), Vastleggen (its commit before the about box) and Schermkeuze
// (a switch it handles itself). It never builds menus or
// toolbar buttons by hand and never dispatches on a key itself.
//
// Each array of entry boxes is registered once, where the view makes the
// boxes, with its commit and its key handler:
//
//   Vakken(txtCijfer, 1, 64, {[this](int i) { CelVastleggen(i); },
//                             [this](int i, int toets) { txtCijfer_KeyDown(i, toets, 0); }});
//
// The view's Form_KeyDown hands the navigation keys to the focused box's
// handler (Navigeren, or Venstertoets for the whole family's key); its
// commit before a command, its LostFocus handlers and its scroll bars commit
// through VakVastleggen, which runs the commit only for a box edited since
// the window filled it or last committed it: one edit, one commit, whichever
// handlers ask for it. The commit alone sets Gewijzigd, when it stored
// something (Vastgelegd, core/Verwerking.h), on every way out alike: the
// close box, a menu, the toolbar, a switch. ActiefIn(txtCijfer) says whether
// the focus is in a grade cell, and in which.
//
// A new modal window derives from Dialoog (platform/Venster.h) and is shown
// with Modaal(dialoog) from the window that opens it. A window of another
// subsystem that a window opens is handed in (frame/Leerlingvensters.h), and
// so is the mending of a loaded file (Laadherstel, core/Cijferbestand.h).

#include "core/Cijferbestand.h"
#include "frame/Leerlingvensters.h"
#include "platform/Venster.h"

#include <QKeySequence>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class Etiket;
class QScrollBar;
class VasteBreedteInvoer;
class Weergaven;

// One line of a menu: an item, a submenu with its items, or a separator.
struct Menuregel {
    const char* titel = nullptr;   // the caption (UTF-8); none: a separator line
    QAction** actie = nullptr;     // where the view keeps the item, if it does
    std::function<void()> doe;     // what choosing it runs; none: no action of its own
    bool aan = true;               // false: present but greyed
    QKeySequence sneltoets;        // its shortcut
    bool submenu = false;
    std::vector<Menuregel> items;  // a submenu's items
};

Menuregel Item(const char* titel, QAction** actie, std::function<void()> doe, QKeySequence sneltoets = {});
// An item whose window is not there yet: present, greyed, no action.
Menuregel Uit(const char* titel, QAction** actie);
Menuregel Sub(const char* titel, QAction** actie, std::vector<Menuregel> items);
Menuregel Streep();

// Whether opening a top menu first commits the box being edited
// (Invoervastlegging(Menu)); the shortcut of an item in it does the same.
enum class Opening { Vastleggen, Niets };

struct Menu {
    const char* titel;
    QMenu** menu;  // where the view keeps it
    Opening opening;
    std::vector<Menuregel> items;
    std::function<void()> bijOpenen = {};  // after the commit, before it drops down
};

// A toolbar button that differs from the family's.
struct Knopregel {
    const char* key;
    const char* tip = nullptr;       // none: the family's tooltip
    std::function<void()> doe = {};  // none: the family's command
    bool aanwezig = true;            // false: an empty place instead of the button
};

Knopregel Knop(const char* key, const char* tip, std::function<void()> doe = {});
Knopregel Zonder(const char* key);

// Position 22, between "ZOEK" and "STOP": a separator, or an empty place.
enum class VoorStop { Scheiding, Ruimte };

// A kind of entry box of a view, registered once for its whole array: the
// commit of box i, to the pupil, column or term it shows at that moment, and
// the handler of the navigation keys in box i.
struct Vaksoort {
    std::function<void(int index)> vastleggen;          // none: the view stores the box itself
    std::function<void(int index, int keyCode)> toets;  // none: the keys do nothing there
};

// Where a control is registered: its kind, its array and its index there;
// no kind for any other control.
struct Vakplaats {
    Vaksoort* soort = nullptr;
    const void* rij = nullptr;
    int index = 0;
};

// A view's BezigMetTekenen, 1 while the guard lives: a redraw under way
// takes no keys.
struct Tekenvlag {
    int& vlag;
    explicit Tekenvlag(int& v) : vlag(v) { vlag = 1; }
    ~Tekenvlag() { vlag = 0; }
    Tekenvlag(const Tekenvlag&) = delete;
    Tekenvlag& operator=(const Tekenvlag&) = delete;
};

class Weergavevenster : public Venster {
    Q_OBJECT
public:
    // `scherm`: the view code of the window (any term for the term sheet).
    Weergavevenster(AdmMain& adm, Omgeving& omgeving, int scherm, QWidget* parent = nullptr);
    ~Weergavevenster() override;

    // The view manager that loaded the window (frame/Weergaven.h), told when
    // it has been unloaded; none for a window made on its own.
    Weergaven* weergaven = nullptr;
    // The pupil windows it opens; none: search, delete and import do nothing.
    const Leerlingvensters* leerlingvensters = nullptr;
    // The mending of a file its open command loads (core/Cijferbestand.h);
    // none: the file as it stands.
    Laadherstel laadherstel = nullptr;

    // Scherm names this window's view: its close box is the user's, not a
    // switch's or a prompted quit's.
    bool EigenWeergave() const;

    // ---- The items of the shared menus (made by the shared menus below) ----
    QAction *mnuNieuwBestand = nullptr, *mnuBestandLaden = nullptr, *mnuBestandOpslaan = nullptr,
            *mnuBestandOpslaanAls = nullptr, *mnuAnderCijferbestand = nullptr, *mnuNamenbestand = nullptr,
            *mnuStoppen = nullptr;
    QAction *mnuNamenlijst = nullptr, *mnuTrimester1 = nullptr, *mnuTrimester2 = nullptr, *mnuTrimester3 = nullptr,
            *mnuRapportenlijst = nullptr, *mnuJaaroverzicht = nullptr;
    QAction *mnuZoeken = nullptr, *mnuLeerlingVerwijderen = nullptr, *mnuInfo = nullptr;

    // ---- The shared commands; each runs after the commit ----
    // New: the save prompt, an empty grade file, the redraw, the fresh box no edit.
    void mnuNieuwBestand_Click();
    // Open: the save prompt, the open dialog, then this window or the view the file names.
    void mnuBestandLaden_Click();
    void mnuBestandOpslaan_Click();
    void mnuBestandOpslaanAls_Click();
    // Pupils from another grade file, or from a names file; Gewijzigd := 1 either way.
    void mnuAnderCijferbestand_Click();
    void mnuNamenbestand_Click();
    void mnuStoppen_Click();
    // Search moves the current pupil; delete sets Gewijzigd, also when cancelled.
    void mnuZoeken_Click();
    void mnuLeerlingVerwijderen_Click();
    void mnuInfo_Click();
    void ShowAboutBox();
    // The "&Lijsten" items and the view buttons: the switch to that view;
    // the window's own view does nothing (the term sheet takes its terms).
    virtual void Schermkeuze(int scherm);
    void NiveauKiezen(int niveau);

    // The window's file label shows Bestandsnaam (after Save As).
    virtual void BestandsnaamTonen() = 0;

    void Toolbar_ButtonClick(const QString& key) override;
    void Menu_Click(QMenu* menu) override;

    // ---- The registered boxes ----
    Vakplaats PlaatsVan(const QWidget* control) const;
    // Commits a registered box that was edited since the window filled it or
    // last committed it (VasteBreedteInvoer::Bewerkt): its kind's commit runs
    // once, and the box then counts as unedited, also as the focused box
    // (OudeTekst). An unedited box, and any other control, are left alone.
    void VakVastleggen(QWidget* control);

protected:
    // Registers boxes van..tot of an array (indexed as the handlers name them).
    template <std::size_t N>
    void Vakken(std::array<VasteBreedteInvoer*, N>& rij, int van, int tot, Vaksoort soort)
    {
        std::vector<VasteBreedteInvoer*> vakken;
        for (int i = van; i <= tot; ++i)
            vakken.push_back(rij.at(static_cast<std::size_t>(i)));
        Registreren(&rij, van, vakken, std::move(soort));
    }
    // A box of its own (the focus box), index 0.
    void Vakken(VasteBreedteInvoer& vak, Vaksoort soort) { Registreren(&vak, 0, {&vak}, std::move(soort)); }
    // The focused box, when it is one of `rij`: its index.
    template <class Rij>
    std::optional<int> ActiefIn(const Rij& rij) const
    {
        const Vakplaats p = PlaatsVan(ActieveControl());
        if (p.rij != static_cast<const void*>(&rij))
            return std::nullopt;
        return p.index;
    }
    // A navigation key (Navigatietoets) to the focused box's handler; false
    // when the focused control has none.
    bool Navigeren(int keyCode);
    // Form_KeyDown of a view with a focus box `start` and an insert label:
    // `start` emptied at every key; while `bezig` (a redraw under way) every
    // key is taken; a navigation key is taken from the box and handed to the
    // focused box's handler; Insert switches the typing mode and goes on to
    // the box. Type-over and the widths are the boxes' own rules.
    void Venstertoets(int& KeyCode, int& Shift, VasteBreedteInvoer& start, Etiket& insert, int bezig);
    // The pupil Up, Down, PgUp or PgDn moves to from HuidigeRij (a row or a
    // page, Leerlingstap) set on the view's pupil scroll bar, whose change
    // handler moves the window. False when the key moves no pupil: at the
    // first or the last pupil, or another key.
    bool Leerlingtoets(QScrollBar& balk, int keyCode);

    void Menubalk(std::vector<Menu> menus);
    void Werkbalkknoppen(std::vector<Knopregel> eigen, VoorStop voorStop = VoorStop::Scheiding);

    // ---- The shared menus, with the view's variants ----
    Menu Bestandsmenu(QMenu** menu);
    Menu Bestandsmenu(QMenu** menu, Menuregel importeren);
    Menuregel AnderCijferbestand();
    Menuregel Namenbestanditem();
    Menu Lijstenmenu(QMenu** menu);
    // "&Sorteren", committing, with the view's orders.
    Menu Sorteermenu(QMenu** menu, std::vector<Menuregel> volgorden);
    // For bijOpenen: the item is enabled only while the clipboard holds text.
    std::function<void()> AlleenMetKlembordtekst(QAction* const& item);
    Menu Niveaumenu(QMenu** menu, Opening opening, QAction** niveau1, QAction** niveau2);
    Menuregel Zoekitem();
    Menuregel Verwijderitem();
    Menu Helpmenu(QMenu** menu);

    // The view's full redraw.
    virtual void Hertekenen() = 0;
    // After an open that keeps this window.
    virtual void NaOpenen() { Hertekenen(); }
    // The commit of the box being edited before the about box (whose
    // closing redraws the window).
    virtual void Vastleggen() {}

    void closeEvent(QCloseEvent* e) override;

private:
    void Vullen(QMenu& menu, const std::vector<Menuregel>& items);
    void Registreren(const void* rij, int van, const std::vector<VasteBreedteInvoer*>& vakken, Vaksoort soort);

    struct Registratie {
        VasteBreedteInvoer* vak;
        Vakplaats plaats;
    };
    std::vector<std::unique_ptr<Vaksoort>> soorten_;
    std::unordered_map<const QWidget*, Registratie> register_;

    int familie_;
    std::map<QMenu*, std::function<void()>> bijOpenen_;
    std::map<QString, std::function<void()>> knoppen_;
};
