#include "names/LeerlingImport.h"

#include "core/Bestand.h"
#include "core/Fout.h"
#include "core/Getallen.h"
#include "names/Namenbestand.h"
#include "reports/Rapportberekening.h"
#include "termsheet/Cijferverwerking.h"

#include <algorithm>
#include <map>
#include <new>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::size_t Koplengte = 11;
constexpr std::size_t Bloklengte = 126;

// Lines 1 to 4 of a current grade file are exactly this long.
bool Kop(const std::vector<std::string>& r)
{
    return r.size() >= 4 && r[0].size() == 30 && r[1].size() == 9 && r[2].size() == 6 && r[3].size() == 6;
}

// The lines of a grade file as its load reads them: a control byte inside
// a line is a blank.
std::vector<std::string> Regels(const std::string& pad)
{
    try {
        auto regels = LeesRegels(pad);
        for (auto& r : regels)
            StuurtekensBlanco(r);
        return regels;
    } catch (const Bestandsfout& f) {
        if (f.code() == FoutVerkeerdBestand)
            throw Foutbij(FoutVerkeerdBestand, pad);
        throw;
    }
}

void CijferbestandLezen(Importbron& bron)
{
    const auto r = Regels(bron.pad);
    if (!Kop(r))
        throw Foutbij(FoutVerkeerdBestand, bron.pad);
    if (r.size() < Koplengte + AantalLeerlingen * Bloklengte)
        throw Foutbij(FoutVoorbijEinde, bron.pad);
    bron.klas = r[2];
    bron.vak = r[3];
    bron.docent = r[7];
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        const auto* b = &r[Koplengte + (p - 1) * Bloklengte];
        if (IsLeeg(b[0]) && IsLeeg(b[1]))
            continue;
        Bronleerling l;
        l.plaats = p;
        l.Achternaam = b[0];
        l.Roepnaam = b[1];
        l.Adres = b[2];
        l.Postcode = b[3];
        l.Woonplaats = b[4];
        l.Telefoon = b[5];
        l.LeerlingPersNr = b[6];
        l.Geslacht = b[7];
        l.Basisgroep = b[8];
        l.Kenmerk = b[9];
        l.Mentor = b[10];
        for (std::size_t i = 0; i < l.Cijfer.size(); ++i)
            l.Cijfer[i] = b[14 + i];
        for (std::size_t k = 0; k < 4; ++k)
            for (std::size_t n = 0; n < 2; ++n) {
                l.RapportTxt[k * 2 + n] = b[110 + k * 4 + n];
                std::string getal = b[110 + k * 4 + 2 + n];
                l.Rapport[k * 2 + n] = TekstNaarGetal(getal);
            }
        l.lijsttekst = Lijsttekst(l.Achternaam, l.Roepnaam);
        bron.leerlingen.push_back(std::move(l));
    }
}

void NamenLezen(Importbron& bron)
{
    const auto regels = NamenbestandLezen(bron.pad);
    for (std::size_t k = 0; k < regels.size(); ++k) {
        const Namenregel& n = regels[k];
        if (n.Achternaam.leeg() && n.Roepnaam.leeg())
            continue;
        Bronleerling l;
        l.plaats = static_cast<int>(k) + 1;
        l.Achternaam = n.Achternaam;
        l.Roepnaam = n.Roepnaam;
        l.LeerlingPersNr = n.LeerlingPersNr;
        l.Geslacht = n.Geslacht;
        l.Basisgroep = n.Basisgroep;
        l.Adres = n.Adres;
        l.Postcode = n.Postcode;
        l.Woonplaats = n.Woonplaats;
        l.Telefoon = n.Telefoon;
        l.lijsttekst = Lijsttekst(l.Achternaam, l.Roepnaam);
        bron.leerlingen.push_back(std::move(l));
    }
}

int VrijeSlot(const AdmMain& adm)
{
    for (int s = 1; s <= AantalLeerlingen; ++s)
        if (LeegLeerling(adm, s))
            return s;
    return 0;
}

void Schrijf(AdmMain& adm, std::string tekst, int p, int c, int l)
{
    VerwerkCijfer(adm, tekst, p, c, TrimesterVan(c), l);
}

void LeerlingOvernemen(AdmMain& adm, const Bronleerling& b, int s)
{
    adm.Achternaam(s) = b.Achternaam;
    adm.Roepnaam(s) = b.Roepnaam;
    adm.Adres(s) = b.Adres;
    adm.Postcode(s) = b.Postcode;
    adm.Woonplaats(s) = b.Woonplaats;
    adm.Telefoon(s) = b.Telefoon;
    adm.LeerlingPersNr(s) = b.LeerlingPersNr;
    adm.Geslacht(s) = b.Geslacht;
    adm.Basisgroep(s) = b.Basisgroep;
    adm.Kenmerk(s) = b.Kenmerk;
    adm.Mentor(s) = b.Mentor;
    // Every grade is passed, blank ones too, so that nothing of an earlier
    // occupant of the slot survives.
    for (int c = 1; c <= AantalKolommen; ++c)
        for (int l = 1; l <= 2; ++l)
            Schrijf(adm, b.Cijfer[(c - 1) * 2 + l - 1].str(), s, c, l);
    // The reports as they stand in the source, over what the grade
    // processing computed; one that no entry takes arrives as a refused entry.
    for (int r = 1; r <= 4; ++r)
        for (int l = 1; l <= 2; ++l) {
            adm.RapportTxt(s, r, l) = b.RapportTxt[(r - 1) * 2 + l - 1];
            adm.Rapport(s, r, l) = b.Rapport[(r - 1) * 2 + l - 1];
            RapportHerstellen(adm, s, r, l);
        }
}

void NamenOvernemen(AdmMain& adm, const Bronleerling& b, int s)
{
    adm.Achternaam(s) = b.Achternaam;
    adm.Roepnaam(s) = b.Roepnaam;
    adm.LeerlingPersNr(s) = b.LeerlingPersNr;
    adm.Geslacht(s) = b.Geslacht;
    adm.Basisgroep(s) = b.Basisgroep;
    adm.Adres(s) = b.Adres;
    adm.Postcode(s) = b.Postcode;
    adm.Woonplaats(s) = b.Woonplaats;
    adm.Telefoon(s) = b.Telefoon;
}

// The slot of the pupil with this number; a blank or zero number is nobody's.
int SlotMetNummer(const AdmMain& adm, const Tekst<6>& nummer)
{
    if (nummer.leeg() || nummer == "000000")
        return 0;
    for (int s = 1; s <= AantalLeerlingen; ++s)
        if (adm.LeerlingPersNr(s) == nummer)
            return s;
    return 0;
}

bool ZelfdeNaam(const AdmMain& adm, int s, const Bronleerling& b)
{
    return adm.Achternaam(s) == b.Achternaam && adm.Roepnaam(s) == b.Roepnaam;
}

// The k-th slot (from 1) whose name is that of b, or 0.
int Naamgenoot(const AdmMain& adm, const Bronleerling& b, int k)
{
    for (int s = 1; s <= AantalLeerlingen; ++s)
        if (ZelfdeNaam(adm, s, b) && --k == 0)
            return s;
    return 0;
}

}  // namespace

std::string Lijsttekst(std::string_view achternaam, std::string_view roepnaam)
{
    return " " + Pas(achternaam, 16) + " " + Pas(roepnaam, 10);
}

Importbron ImportbronLezen(const AdmMain& adm)
{
    Importbron bron;
    bron.modus = adm.DialoogModus;
    bron.pad = adm.ImportBestand;
    try {
        switch (bron.modus) {
        case DialoogImportLeerlingen:
        case DialoogImportRapporten: CijferbestandLezen(bron); break;
        case DialoogImportNamenbestand: NamenLezen(bron); break;
        default: throw std::invalid_argument("ImportbronLezen: no import mode");
        }
    } catch (const std::bad_alloc&) {
        throw Foutbij(FoutGeenGeheugen, bron.pad);
    }
    return bron;
}

Importuitkomst LeerlingenImporteren(AdmMain& adm, const Importbron& bron, const std::vector<int>& gekozen, int kolom)
{
    std::vector<int> keuze = gekozen;
    for (int i : keuze)
        if (i < 0 || static_cast<std::size_t>(i) >= bron.leerlingen.size())
            throw std::invalid_argument("LeerlingenImporteren: no such list entry");
    const int term = adm.Scherm;
    if (bron.modus == DialoogImportRapporten &&
        (term < 1 || term > 3 || kolom < 1 || kolom > KolommenPerTrimester))
        throw std::invalid_argument("LeerlingenImporteren: no column of a term on screen");
    std::sort(keuze.begin(), keuze.end());
    keuze.erase(std::unique(keuze.begin(), keuze.end()), keuze.end());

    adm.DialoogAntwoord = AntwoordGereed;
    adm.Gewijzigd = 1;
    Importuitkomst uit;

    switch (bron.modus) {
    case DialoogImportLeerlingen:
        for (int i : keuze) {
            const int s = VrijeSlot(adm);
            if (s == 0) {
                uit.onvoldoendeRuimte = true;
                break;
            }
            LeerlingOvernemen(adm, bron.leerlingen[i], s);
            ++uit.ingelezen;
        }
        break;
    case DialoogImportNamenbestand:
        for (int i : keuze) {
            const Bronleerling& b = bron.leerlingen[i];
            int s = SlotMetNummer(adm, b.LeerlingPersNr);
            if (s == 0)
                s = VrijeSlot(adm);
            if (s == 0) {
                uit.onvoldoendeRuimte = true;
                break;
            }
            NamenOvernemen(adm, b, s);
            ++uit.ingelezen;
        }
        break;
    case DialoogImportRapporten: {
        // Rank of each chosen pupil among the source pupils of its name.
        std::map<std::pair<std::string, std::string>, int> gezien;
        std::vector<int> rang(bron.leerlingen.size());
        for (std::size_t i = 0; i < bron.leerlingen.size(); ++i) {
            const auto& b = bron.leerlingen[i];
            rang[i] = ++gezien[{b.Achternaam.str(), b.Roepnaam.str()}];
        }
        const int c = AbsoluteKolom(term, kolom);
        for (int i : keuze) {
            const Bronleerling& b = bron.leerlingen[i];
            const int m = Naamgenoot(adm, b, rang[i]);
            if (m == 0)
                continue;
            for (int l = 1; l <= 2; ++l) {
                std::string tekst = b.RapportTxt[(term - 1) * 2 + l - 1].str();
                VerwerkCijfer(adm, tekst, m, c, term, l);
            }
            ++uit.ingelezen;
        }
        break;
    }
    default: break;
    }
    return uit;
}
