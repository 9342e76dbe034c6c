#pragma once
// The data set of one grade file with its display state, folders and the
// variables through which dialogs answer their callers. One object lives for
// the whole run and is passed by reference to every window.

#include "core/Tekst.h"
#include "core/Veld.h"

#include <array>
#include <string>

inline constexpr double GeenWaarde = -1.0;  // a computed number without value

inline constexpr int AantalLeerlingen = 36;
inline constexpr int AantalKolommen = 48;
inline constexpr int KolommenPerTrimester = 16;

// View codes (Scherm).
enum SchermCode : int {
    SchermStoppen = 0,
    SchermTrimester1 = 1,
    SchermTrimester2 = 2,
    SchermTrimester3 = 3,
    SchermRapporten = 4,
    SchermJaaroverzicht = 5,
    SchermNamen = 6,
};

// A view code of a term sheet (1..3), whose code is its term.
inline bool IsTrimester(int scherm) { return scherm >= SchermTrimester1 && scherm <= SchermTrimester3; }

// Purposes of the file dialogs (DialoogModus).
enum DialoogModusCode : int {
    DialoogOpenen = 1,
    DialoogOpslaanAls = 2,
    DialoogImportLeerlingen = 3,
    DialoogImportNamenbestand = 4,
    DialoogImportRapporten = 5,
};

// Answers of the modal dialogs (DialoogAntwoord).
enum AntwoordCode : int {
    AntwoordGeannuleerd = 0,  // open and import dialogs
    AntwoordGereed = 1,       // open and import dialogs; save prompt: go on
    AntwoordAnnuleren = 2,    // save prompt: cancel
};

// Column kolom (1..16) of a term as the absolute column (1..48); column 1
// is the term's first.
inline int AbsoluteKolom(int trimester, int kolom) { return (trimester - 1) * KolommenPerTrimester + kolom; }

// The term (1..3) that holds absolute column c (1..48).
inline int TrimesterVan(int c) { return (c - 1) / KolommenPerTrimester + 1; }

// Absolute column c counted within term `trimester` (1..16 for its own columns).
inline int KolomInTrimester(int trimester, int c) { return c - AbsoluteKolom(trimester, 0); }

// The display state (the display window, core/Schermvenster.h): the view,
// the eight rows and columns it shows, the current pupil, column and level.
// Stored in the grade file's display line; a value of its own, so that a
// redraw can draw from a valid copy.
struct Schermstand {
    int Scherm = SchermNamen;
    int EersteRij = 1, LaatsteRij = 8;
    int EersteKolom = 1, LaatsteKolom = 8;
    int HuidigeRij = 1;
    int HuidigeKolom = 1;
    int Niveau = 1;

    friend bool operator==(const Schermstand&, const Schermstand&) = default;
};

// The display state is a part of the data set (adm.EersteRij ...), so the
// display window's rules take the data set as they take a copy.
struct AdmMain : Schermstand {
    // Header.
    Tekst<30> School;
    Tekst<9> Cursus;
    std::string Klas;          // exactly 6 characters in a grade file
    std::string Vak;           // exactly 6 characters in a grade file
    std::string Deelvak;
    Veld<Tekst<6>, NivBereik> NiveauNaam;
    std::string Docent;
    std::string DocentPersNr;
    Tekst<3> DocentCode{"XXX"};  // settings file only, never in a grade file
    Tekst<30> KlasMentor;
    Tekst<6> MentorPersNr;

    // Pupils.
    Veld<Tekst<30>, LlnBereik> Achternaam;
    Veld<Tekst<13>, LlnBereik> Roepnaam;
    Veld<Tekst<36>, LlnBereik> Adres;
    Veld<Tekst<7>, LlnBereik> Postcode;
    Veld<Tekst<15>, LlnBereik> Woonplaats;
    Veld<Tekst<13>, LlnBereik> Telefoon;
    Veld<Tekst<6>, LlnBereik> LeerlingPersNr;
    Veld<Tekst<1>, LlnBereik> Geslacht;
    Veld<Tekst<6>, LlnBereik> Basisgroep;
    Veld<Tekst<15>, LlnBereik> Kenmerk;
    Veld<Tekst<3>, LlnBereik> Mentor;

    // Grades and columns.
    Veld<Tekst<3>, LlnBereik, KolBereik, NivBereik> Cijfer;  // (p, c, l)
    Veld<Tekst<39>, KolBereik, NivBereik> KolomSoort;
    Veld<Tekst<39>, KolBereik, NivBereik> KolomDatum;
    Veld<Tekst<39>, KolBereik, NivBereik> KolomOpmerking;
    Veld<Tekst<3>, KolBereik, NivBereik> KolomGewicht;
    Veld<double, KolBereik, NivBereik> GewichtWaarde;
    Veld<Tekst<4>, KolBereik, NivBereik> KlGemTxt;
    Veld<double, KolBereik, NivBereik> KlGem;
    Veld<int, KolBereik, NivBereik> KlAantal;
    Veld<Tekst<4>, KolBereik, NivBereik> KlSprTxt;
    Veld<double, KolBereik, NivBereik> KlSpr;
    std::array<std::string, 3> Omrekenformule;  // 0 within a level, 1 level 1 to 2, 2 level 2 to 1

    // Terms, averages and class statistics.
    Veld<Tekst<3>, TrimBereik, NivBereik> TrimGewichtTekst;
    Veld<double, TrimBereik, NivBereik> TrimesterWeging;
    Veld<Tekst<4>, Lln0Bereik, TrimBereik, NivBereik> TrGemTxt;  // (p, t, l)
    Veld<double, Lln0Bereik, TrimBereik, NivBereik> TrGem;
    Veld<double, Lln0Bereik, TrimBereik, NivBereik> SomGewicht;
    Veld<Tekst<4>, Lln0Bereik, NivBereik> JrGemTxt;
    Veld<double, Lln0Bereik, NivBereik> JrGem;
    Veld<double, Lln0Bereik, NivBereik> SomGewichtJaar;
    Veld<Tekst<4>, Lln0Bereik, NivBereik> EindGemTxt;
    Veld<double, Lln0Bereik, NivBereik> EindGem;
    Veld<Tekst<4>, TrimBereik, NivBereik> KlTrGemTxt, KlTrSprTxt;
    Veld<double, TrimBereik, NivBereik> KlTrGem, KlTrSpr;
    Veld<int, TrimBereik, NivBereik> KlTrAantal;
    Veld<Tekst<4>, NivBereik> KlJrGemTxt, KlJrSprTxt;
    Veld<double, NivBereik> KlJrGem, KlJrSpr;
    Veld<int, NivBereik> KlJrAantal;
    Veld<Tekst<4>, NivBereik> KlEindGemTxt, KlEindSprTxt;  // not in the grade file
    Veld<double, NivBereik> KlEindGem, KlEindSpr;          // not in the grade file

    // Reports.
    Veld<Tekst<3>, LlnBereik, RapBereik, NivBereik> RapportTxt;  // (p, r, l)
    Veld<double, LlnBereik, RapBereik, NivBereik> Rapport;
    Veld<Tekst<3>, RapBereik, NivBereik> RpGemTxt, RpSprTxt;  // not in the grade file
    Veld<double, RapBereik, NivBereik> RpGem, RpSpr;          // not in the grade file
    std::array<int, 6> RapportOptie{0, 1, 1, 1, 3, 2};        // 1..4 Afrondcode, 5 Berekeningsmethode
    std::array<int, 6> RapportOptieNieuw{0, 1, 1, 1, 3, 2};   // working copy of the option dialogs

    // Files and folders (native paths).
    std::string Bestandsnaam;
    std::string ImportBestand;
    std::string StartMap;
    std::string LaatsteMap;
    std::string ReserveMap1;
    std::string ReserveMap2;

    // Dialog and state variables.
    int Gewijzigd = 0;
    int DialoogModus = 0;
    int DialoogAntwoord = 0;
    bool DialoogOK = false;
    int InsertModus = 1;
    int AltIngedrukt = 0;
    int LogoGetoond = 0;
    int RapportKolom = 1;
    int CesuurTabelBron = 0;

    AdmMain();

    // Two data sets are never compared whole (it would compare their
    // display states only).
    friend bool operator==(const AdmMain&, const AdmMain&) = delete;
};

// Resets the data set to a new, empty grade file named NAAMLOOS.VLK in the
// current folder. Display state, folders, ImportBestand, the dialog variables
// and DocentCode (a setting, not part of a grade file) stay as they are.
void NieuwCijferbestand(AdmMain& adm);

// True when the slot holds no pupil (surname and first name blank).
bool LeegLeerling(const AdmMain& adm, int p);

// True when a printed list has a line for the slot: a pupil whose surname
// does not begin with "." (a "*" pupil is printed, without its marks).
bool GedruktLeerling(const AdmMain& adm, int p);

// True when the surname begins with "*".
bool SterLeerling(const AdmMain& adm, int p);
