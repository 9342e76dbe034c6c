// The menu bar and toolbar of every view as the teacher finds them after the
// view opened: each caption to the blank, greyed items, shortcuts, the
// toolbar's 23 positions with their keys and tooltips.
#include "names/frmNamen.h"
#include "platform/Werkbalk.h"
#include "reports/frmRapporten.h"
#include "termsheet/frmTrimester.h"
#include "yearoverview/frmJaaroverzicht.h"

#include "VensterFamilie.h"

#include <QAction>
#include <QMenuBar>
#include <QToolButton>

#include <string>
#include <vector>

using namespace VensterTest;

namespace {

// One line per item: indented by depth, "-" for a separator, then the
// caption, " >" before a submenu, " [key]" for a shortcut, " (uit)" greyed.
void Regels(const QMenu& menu, int diepte, std::vector<std::string>& uit)
{
    for (const QAction* a : menu.actions()) {
        std::string r(static_cast<std::size_t>(2 * diepte), ' ');
        if (a->isSeparator()) {
            uit.push_back(r + "-");
            continue;
        }
        r += a->text().toStdString();
        if (a->menu())
            r += " >";
        if (!a->shortcut().isEmpty())
            r += " [" + a->shortcut().toString().toStdString() + "]";
        if (!a->isEnabled())
            r += " (uit)";
        uit.push_back(r);
        if (a->menu())
            Regels(*a->menu(), diepte + 1, uit);
    }
}

std::vector<std::string> Menubalk(QMainWindow& venster)
{
    std::vector<std::string> uit;
    for (const QAction* a : venster.menuBar()->actions()) {
        uit.push_back(a->text().toStdString());
        Regels(*a->menu(), 1, uit);
    }
    return uit;
}

// One line per position: "n key tip", "n -" for a separator, "n leeg".
std::vector<std::string> Knoppen(const Werkbalk& balk)
{
    std::vector<std::string> uit;
    for (int i = 1; i <= balk.Aantal(); ++i) {
        std::string r = std::to_string(i) + " ";
        if (const QToolButton* k = balk.KnopOp(i))
            r += balk.Key(i).toStdString() + " " + k->toolTip().toStdString();
        else
            r += balk.actions().at(i - 1)->isSeparator() ? "-" : "leeg";
        uit.push_back(r);
    }
    return uit;
}

const std::vector<std::string> Lijsten(const char* eigen)
{
    std::vector<std::string> r = {"&Lijsten",          "  &Namenlijst",     "  -",
                                  "  &1-e Trimester",   "  &2-e Trimester",  "  &3-e Trimester",
                                  "  -",                "  &Rapportenlijst", "  &Jaaroverzicht"};
    for (auto& regel : r)
        if (regel == std::string("  ") + eigen)
            regel += " (uit)";
    return r;
}

std::vector<std::string> Samen(std::initializer_list<std::vector<std::string>> delen)
{
    std::vector<std::string> r;
    for (const auto& d : delen)
        r.insert(r.end(), d.begin(), d.end());
    return r;
}

// The family's toolbar as every view's Part lays it out, each view's own
// positions given over it: "-" a separator, "leeg" an empty place.
std::vector<std::string> Werkbalk(std::initializer_list<std::pair<int, const char*>> eigen)
{
    std::vector<std::string> r = {
        "New Nieuw cijferbestand",
        "-",
        "Open Cijferbestand openen",
        "Save Cijferbestand opslaan",
        "-",
        "Print",
        "-",
        "Trim1 Cijferlijst van het 1-e trimester",
        "Trim2 Cijferlijst van het 2-e trimester",
        "Trim3 Cijferlijst van het 3-e trimester",
        "-",
        "NAM Namenlijst met school- en leerlinggegevens",
        "-",
        "RAP Rapportenlijst met trimestergemiddelden",
        "-",
        "JAAR Jaaroverzicht per leerling",
        "-",
        "NIVO1",
        "NIVO2",
        "-",
        "ZOEK Leerling zoeken op achternaam (Ctrl+F)",
        "-",
        "STOP Stoppen",
    };
    for (const auto& [plaats, regel] : eigen)
        r.at(static_cast<std::size_t>(plaats - 1)) = regel;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = std::to_string(i + 1) + " " + r[i];
    return r;
}

class Menubalken : public Familieproef {
protected:
    void SetUp() override
    {
        Familieproef::SetUp();
        adm.LogoGetoond = 1;
    }
};

TEST_F(Menubalken, TheTermSheet)
{
    auto& v = Start<frmTrimester>(SchermTrimester2);
    const std::vector<std::string> verwacht = Samen({
        {"&Bestand", "  &Nieuw  Bestand", "  Bestand  &Laden...", "  -", "  Bestand  &Opslaan",
         "  Bestand  Opslaan  &Als...", "  -", "  Leerling(en)  &Importeren  Uit... >",
         "    Ander  &Cijferbestand...", "    &Dravonel Namenbestand...", "  -", "  &Stoppen"},
        {"Be&werken", "  Cijferkolom Plakken uit E&xcell...", "  -", "  &Soort/Bestand", "  &Datum",
         "  &Opmerking", "  &Gewicht", "  &Cijfers/Scores", "  -", "  &Zoeken  op  Achternaam... [Ctrl+F]", "  -",
         "  Kolom  &Kopiëren...", "  Kolom  &Wissen...", "  Kolommen  &Verwisselen...",
         "  Kolom Om&rekenen...", "  Kolom Normeren... >", "    &Scores Normeren...",
         "    &Fouten Normeren...", "  -", "  &Leerling(en)  Verwijderen...", "  -",
         "  Rapportcijfers  &Importeren  Uit..."},
        Lijsten("&2-e Trimester"),
        {"&Sorteren", "  &Achternaam", "  &Basisgroep  (zie  Namenlijst)", "  &Kenmerk     (zie  Namenlijst)",
         "  &Mentor", "  -", "  &Trimestergemiddelde"},
        {"&Afdrukken", "  &A  Kolom  1-8   Niveau  1", "  &B  Kolom  1-8   Niveau  2", "  -",
         "  &C  Kolom  9-16  Niveau  1", "  &D  Kolom  9-16  Niveau  2", "  -", "  &Kolom... afdrukken", "  -",
         "  &Toelichting bij Kolommen"},
        {"&Niveau", "  Niveau  &1", "  Niveau  &2"},
        {"&Cesuur", "  Kolom &Normeren... >", "    &Scores Normeren...", "    &Fouten Normeren...",
         "  Cesuur&tabel >", "    &Scores", "    &Fouten"},
        {"&Help", "  &Info"},
    });
    EXPECT_EQ(Menubalk(v), verwacht);
    EXPECT_EQ(Knoppen(v.Toolbar()), Werkbalk({
                                         {3, "Open Cijferbestand openen "},
                                         {6, "Print Trimestercijferlijst afdrukken"},
                                         {18, "NIVO1 Cijferlijst Niveau 1 (Laagste niveau)"},
                                         {19, "NIVO2 Cijferlijst Niveau 2 (Hoogste niveau)"},
                                     }));
}

TEST_F(Menubalken, TheNamesList)
{
    auto& v = Start<frmNamen>(SchermNamen);
    const std::vector<std::string> verwacht = Samen({
        {"&Bestand", "  &Nieuw  Bestand", "  Bestand  &Laden...", "  -", "  Bestand  &Opslaan",
         "  Bestand  Opslaan  &Als...", "  -", "  Leerling(en)  &Importeren Uit... >", "    Ander  &Cijferbestand...",
         "    &Dravonel Namenbestand...", "  -", "  &Stoppen"},
        {"Be&werken", "  Kolom Plakken uit E&xcel... > (uit)", "    &Achternamen", "    &Voornamen", "  -", "  &Klas",
         "  &Vak", "  &Deelvak", "  Niveau  &1", "  Niveau  &2", "  -", "  &School", "  &Cursus", "  &Docent",
         "  &Persoonsnummer  (Docent)", "  Klassen&mentor", "  Persoons&nummer  (Klassenmentor)", "  -",
         "  &Achternaam", "  &Roepnaam", "  Persoonsn&ummer", "  &Geslacht", "  &Basisgroep", "  K&enmerk",
         "  Ment&or", "  -", "  &Zoeken  op  Achternaam... [Ctrl+F]", "  -", "  &Leerling(en)  Verwijderen..."},
        Lijsten("&Namenlijst"),
        {"&Sorteren", "  &Achternaam", "  &Basisgroep", "  &Kenmerk", "  &Mentor"},
        {"&Afdrukken", "  &Namenlijst"},
        {"&Help", "  &Info"},
    });
    auto balk = Menubalk(v);
    // Whether the paste submenu is greyed depends on the clipboard when
    // "Be&werken" was last opened.
    for (auto& r : balk)
        if (r.rfind("  Kolom Plakken", 0) == 0)
            r = "  Kolom Plakken uit E&xcel... > (uit)";
    EXPECT_EQ(balk, verwacht);
    EXPECT_EQ(Knoppen(v.Toolbar()), Werkbalk({
                                         {6, "Print Namenlijst afdrukken"},
                                         {8, "Trim1 Cijferlijst van het 1-e Trimester"},
                                         {9, "Trim2 Cijferlijst van het 2-e Trimester"},
                                         {10, "Trim3 Cijferlijst van het 3-e Trimester"},
                                         {18, "leeg"},
                                         {19, "leeg"},
                                     }));
}

TEST_F(Menubalken, TheReportList)
{
    auto& v = Start<frmRapporten>(SchermRapporten);
    const std::vector<std::string> verwacht = Samen({
        {"&Bestand", "  &Nieuw  Bestand", "  Bestand  &Laden...", "  -", "  Bestand  &Opslaan",
         "  Bestand  Opslaan  &Als...", "  -", "  Leerling(en)  &Importeren  Uit... >", "    Ander  &Cijferbestand...",
         "  -", "  &Stoppen"},
        {"Be&werken", "  &Gewicht", "  -", "  &1-e  Rapport", "  &2-e  Rapport", "  &3-e  Rapport", "  -",
         "  &Eindrapport", "  -", "  &Zoeken  op  Achternaam... [Ctrl+F]", "  -", "  &Leerling(en)  Verwijderen..."},
        Lijsten("&Rapportenlijst"),
        {"&Sorteren", "  &Achternaam", "  &Basisgroep  (zie  Namenlijst)", "  &Kenmerk     (zie  Namenlijst)",
         "  &Mentor", "  -", "  &Jaargemiddelde"},
        {"&Afdrukken", "  &a  Rapportenlijst  Niveau  1  (alleen rapportcijfers)",
         "  &b  Rapportenlijst  Niveau  2  (alleen rapportcijfers)", "  -",
         "  &c  Rapportenlijst  Niveau  1  (met trimestergemiddelden)",
         "  &d  Rapportenlijst  Niveau  2  (met trimestergemiddelden)"},
        {"&Niveau", "  Niveau  &1", "  Niveau  &2"},
        {"&Opties", "  Rapportcijfers  &Afronden...", "  Rapportcijfers  &Berekenen..."},
        {"&Help", "  &Info"},
    });
    EXPECT_EQ(Menubalk(v), verwacht);
    EXPECT_EQ(Knoppen(v.Toolbar()), Werkbalk({
                                         {6, "Print Rapportenlijst afdrukken"},
                                         {18, "NIVO1 Rapportenlijst Niveau 1 (Laagste niveau)"},
                                         {19, "NIVO2 Rapportenlijst Niveau 2 (Hoogste niveau)"},
                                         {22, "leeg"},
                                     }));
}

TEST_F(Menubalken, TheYearOverview)
{
    auto& v = Start<frmJaaroverzicht>(SchermJaaroverzicht);
    const std::vector<std::string> verwacht = Samen({
        {"&Bestand", "  &Nieuw  Bestand", "  Bestand  &Laden...", "  -", "  Bestand  &Opslaan",
         "  Bestand  Opslaan  &Als...", "  -", "  Leerling(en)  &Importeren  Uit... >", "    Ander  &Cijferbestand...",
         "  -", "  &Stoppen"},
        {"Be&werken", "  &Achternaam", "  &Roepnaam", "  A&dres", "  &Postcode", "  &Woonplaats", "  &Telefoon",
         "  &Mentor", "  -", "  &Zoeken  op  Achternaam... [Ctrl+F]"},
        Lijsten("&Jaaroverzicht"),
        {"&Afdrukken", "  Jaaroverzicht  Niveau  &1", "  Jaaroverzicht  Niveau  &2"},
        {"&Niveau", "  Niveau  &1", "  Niveau  &2"},
        {"&Help", "  &Info"},
    });
    EXPECT_EQ(Menubalk(v), verwacht);
    EXPECT_EQ(Knoppen(v.Toolbar()), Werkbalk({
                                         {1, "New Nieuwc cijferbestand"},
                                         {6, "Print Jaaroverzicht afdrukken"},
                                         {18, "NIVO1 Jaaroverzicht Niveau 1 (Laagste niveau)"},
                                         {19, "NIVO2 Jaaroverzicht Niveau 2 (Hoogste niveau)"},
                                         {21, "ZOEK Leerling zoeken op Achternaam (Ctrl+F)"},
                                         {22, "leeg"},
                                     }));
}

}  // namespace
