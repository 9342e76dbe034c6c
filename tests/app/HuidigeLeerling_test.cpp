// A command on the current pupil's box, in every view that has one, chosen
// with the mouse and with the keys: a file may hold a current pupil outside
// its rows, and what the teacher types after the command is stored for that
// pupil, in that field, and nowhere else.
#include "names/frmNamen.h"
#include "platform/VasteBreedteInvoer.h"
#include "reports/Rapportberekening.h"
#include "reports/frmRapporten.h"
#include "termsheet/Cijferverwerking.h"
#include "termsheet/frmTrimester.h"
#include "yearoverview/frmJaaroverzicht.h"

#include "VensterFamilie.h"

#include <cctype>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

using namespace VensterTest;

namespace {

template <class V>
V& Als(Weergavevenster& v)
{
    return dynamic_cast<V&>(v);
}

struct Opdracht {
    const char* naam;
    int scherm;
    QAction* (*item)(Weergavevenster&);
    const char* getypt;
    // What the typed text stores for pupil p, done on a copy of the data set.
    void (*verwacht)(AdmMain&, int p);
};

#define NAMEN(veld, tekst, opslag)                                                        \
    {"names list, " #veld, SchermNamen,                                                   \
     [](Weergavevenster& v) { return Als<frmNamen>(v).mnu##veld; }, tekst,                \
     [](AdmMain& a, int p) { opslag; }}
#define JAAR(veld, tekst, opslag)                                                         \
    {"year overview, " #veld, SchermJaaroverzicht,                                        \
     [](Weergavevenster& v) { return Als<frmJaaroverzicht>(v).mnu##veld; }, tekst,        \
     [](AdmMain& a, int p) { opslag; }}
#define RAPPORT(item, k)                                                                  \
    {"report list, " #item, SchermRapporten,                                              \
     [](Weergavevenster& v) { return Als<frmRapporten>(v).item; }, "7",                   \
     [](AdmMain& a, int p) {                                                              \
         std::string t = "7";                                                             \
         VerwerkRapportcijfer(a, t, p, k, a.Niveau);                                      \
     }}

const Opdracht opdrachten[] = {
    NAMEN(Achternaam, "Zed", a.Achternaam(p) = "Zed"),
    NAMEN(Roepnaam, "Zora", a.Roepnaam(p) = "Zora"),
    NAMEN(Persoonsnummer, "123", a.LeerlingPersNr(p) = "000123"),
    NAMEN(Geslacht, "M", a.Geslacht(p) = "M"),
    NAMEN(Basisgroep, "B2", a.Basisgroep(p) = "B2"),
    NAMEN(Kenmerk, "lwoo", a.Kenmerk(p) = "lwoo"),
    NAMEN(Mentor, "ABC", a.Mentor(p) = "ABC"),
    {"term sheet, Cijfers/Scores", SchermTrimester2,
     [](Weergavevenster& v) { return Als<frmTrimester>(v).mnuCijfersScores; }, "7",
     [](AdmMain& a, int p) {
         std::string t = "7";
         VerwerkCijfer(a, t, p, a.HuidigeKolom, a.Scherm, a.Niveau);
     }},
    RAPPORT(mnuRap1, 1),
    RAPPORT(mnuRap2, 2),
    RAPPORT(mnuRap3, 3),
    RAPPORT(mnuEindRap, 4),
    JAAR(Achternaam, "Zed", a.Achternaam(p) = "Zed"),
    JAAR(Roepnaam, "Zora", a.Roepnaam(p) = "Zora"),
    JAAR(Adres, "Dorpsstraat 1", a.Adres(p) = "Dorpsstraat 1"),
    JAAR(Postcode, "1234AB", a.Postcode(p) = "1234AB"),
    JAAR(Woonplaats, "Zwolle", a.Woonplaats(p) = "Zwolle"),
    JAAR(Telefoon, "0612", a.Telefoon(p) = "0612"),
    JAAR(Mentor, "ABC", a.Mentor(p) = "ABC"),
};

#undef NAMEN
#undef JAAR
#undef RAPPORT

// The rows from `eerste` with the current pupil above, inside and below them.
struct Plaats {
    int eerste;
    int huidig;
};

std::vector<Plaats> Plaatsen()
{
    std::vector<Plaats> p;
    for (int eerste : {1, 5, 20, 29}) {
        const int laatste = eerste + 7;
        for (int huidig : {1, eerste - 1, eerste + 3, laatste + 1, AantalLeerlingen})
            if (huidig >= 1 && huidig <= AantalLeerlingen &&
                (p.empty() || p.back().eerste != eerste || p.back().huidig < huidig))
                p.push_back({eerste, huidig});
    }
    return p;
}

// The file as it would be saved, with the display line of `stand`: the data
// compared, not where the views stand.
std::string Gegevens(AdmMain a, const AdmMain& stand)
{
    static_cast<Schermstand&>(a) = stand;
    a.RapportKolom = stand.RapportKolom;
    return CijferbestandTekst(a);
}

// The letter after the "&" of a caption.
QChar Sneltoets(const QString& tekst)
{
    const int i = tekst.indexOf(QLatin1Char('&'));
    return i >= 0 && i + 1 < tekst.size() ? tekst.at(i + 1).toLower() : QChar();
}

// Chooses the item as the keyboard does: Alt and the menu's letter, then
// the item's letter in the menu that drops down.
void KiesMetToetsen(QWidget& venster, QAction* item)
{
    ASSERT_NE(item, nullptr);
    QMenu* menu = nullptr;
    for (QObject* o : item->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o))
            menu = m;
    ASSERT_NE(menu, nullptr);
    const QChar letter = Sneltoets(menu->title());
    QTest::keyClick(Toetsdoel(venster), static_cast<char>(letter.unicode()), Qt::AltModifier);
    Verwerk();
    QWidget* open = QApplication::activePopupWidget();
    ASSERT_EQ(open, menu) << "Alt+" << letter.toLatin1() << " opened no menu";
    QTest::keyClick(open, static_cast<char>(Sneltoets(item->text()).unicode()));
    Verwerk();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

enum class Weg { Muis, Toetsen };

using Geval = std::tuple<int, Plaats, Weg>;

class HuidigeLeerling : public Familieproef, public ::testing::WithParamInterface<Geval> {};

TEST_P(HuidigeLeerling, ACommandOnTheCurrentPupilsBoxStoresForThatPupil)
{
    const auto [o, plaats, weg] = GetParam();
    const Opdracht& opdracht = opdrachten[o];
    for (int p = 1; p <= 30; ++p)
        adm.Achternaam(p) = "Leerling " + std::to_string(p);
    adm.Gewijzigd = 0;
    SchermKiezen(adm, opdracht.scherm);
    adm.EersteRij = plaats.eerste;
    adm.LaatsteRij = plaats.eerste + 7;
    adm.HuidigeRij = plaats.huidig;
    Weergavevenster* v = weergaven.Laden(opdracht.scherm);
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(Activeer(*v));
    const int p = adm.HuidigeRij;
    EXPECT_EQ(p, plaats.huidig);
    AdmMain verwacht = adm;
    opdracht.verwacht(verwacht, p);

    if (weg == Weg::Muis)
        Kies(opdracht.item(*v));
    else
        KiesMetToetsen(*v, opdracht.item(*v));
    auto* vak = qobject_cast<VasteBreedteInvoer*>(v->ActieveControl());
    ASSERT_NE(vak, nullptr) << "the caret is in no box";
    EXPECT_EQ(adm.HuidigeRij, p);
    EXPECT_GE(adm.HuidigeRij, adm.EersteRij);
    EXPECT_LE(adm.HuidigeRij, adm.LaatsteRij);
    // The box's whole text replaced, as the teacher selects it.
    Toets(*v, Qt::Key_Home);
    Toets(*v, Qt::Key_End, Qt::ShiftModifier);
    Typ(*v, QString::fromLatin1(opdracht.getypt));
    Toets(*v, Qt::Key_Return);

    EXPECT_TRUE(Gegevens(adm, adm) == Gegevens(verwacht, adm))
        << "what was typed is not stored for pupil " << p << " alone";
    EXPECT_EQ(adm.Gewijzigd, 1);
}

std::string Naam(const ::testing::TestParamInfo<Geval>& info)
{
    const auto [o, plaats, weg] = info.param;
    std::string n = std::string(opdrachten[o].naam) + " rows " + std::to_string(plaats.eerste) + " pupil " +
                    std::to_string(plaats.huidig) + (weg == Weg::Muis ? " mouse" : " keys");
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
}

INSTANTIATE_TEST_SUITE_P(Opdrachten, HuidigeLeerling,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(opdrachten))),
                                            ::testing::ValuesIn(Plaatsen()),
                                            ::testing::Values(Weg::Muis, Weg::Toetsen)),
                         Naam);

}  // namespace
