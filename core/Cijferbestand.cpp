#include "core/Cijferbestand.h"

#include "core/Bestand.h"
#include "core/CijferbestandLezer.h"
#include "core/Fout.h"
#include "core/Getallen.h"
#include "core/Schermvenster.h"

#include <cstdint>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <fstream>
#include <string_view>
#include <utility>

namespace {

// ---------------------------------------------------------------- the lines

// Where a file may end (one written before the column statistics or the
// conversion formulas existed), and what the reader checks there.
enum class Grens { Schermstand, Rapportopties };

// The version 2 file, line by line: the one order of its fields, which the
// writer and the reader both follow. `A` is AdmMain for the reader, const
// AdmMain for the writer; `v` is handed each field in turn:
//   tekst(f)        a text on its own line
//   kop(f, n)       a header text of exactly n characters
//   getal(x)        a number
//   geheel(n)       a 16-bit integer; aantal(n) one that counts pupils
//   leeg(n)         n lines nothing reads
//   gehelen(a, ..)  16-bit integers on one line
//   grens(g)        false: the file ends here
template <class A, class Velden>
void Versie2(A& a, Velden& v)
{
    v.tekst(a.School);
    v.tekst(a.Cursus);
    v.kop(a.Klas, 6);
    v.kop(a.Vak, 6);
    v.tekst(a.Deelvak);
    v.tekst(a.NiveauNaam(1));
    v.tekst(a.NiveauNaam(2));
    v.tekst(a.Docent);
    v.tekst(a.DocentPersNr);
    v.tekst(a.KlasMentor);
    v.tekst(a.MentorPersNr);

    for (int p = 1; p <= AantalLeerlingen; ++p) {
        v.tekst(a.Achternaam(p));
        v.tekst(a.Roepnaam(p));
        v.tekst(a.Adres(p));
        v.tekst(a.Postcode(p));
        v.tekst(a.Woonplaats(p));
        v.tekst(a.Telefoon(p));
        v.tekst(a.LeerlingPersNr(p));
        v.tekst(a.Geslacht(p));
        v.tekst(a.Basisgroep(p));
        v.tekst(a.Kenmerk(p));
        v.tekst(a.Mentor(p));
        v.leeg(3);
        for (int c = 1; c <= AantalKolommen; ++c)
            for (int l = 1; l <= 2; ++l)
                v.tekst(a.Cijfer(p, c, l));
        for (int k = 1; k <= 4; ++k) {
            v.tekst(a.RapportTxt(p, k, 1));
            v.tekst(a.RapportTxt(p, k, 2));
            v.getal(a.Rapport(p, k, 1));
            v.getal(a.Rapport(p, k, 2));
        }
    }

    v.gehelen(a.Scherm, a.HuidigeRij, a.HuidigeKolom, a.EersteKolom, a.LaatsteKolom, a.EersteRij, a.LaatsteRij,
              a.Niveau);
    if (!v.grens(Grens::Schermstand))
        return;

    for (int l = 1; l <= 2; ++l) {
        for (int c = 1; c <= AantalKolommen; ++c) {
            v.tekst(a.KolomSoort(c, l));
            v.tekst(a.KolomDatum(c, l));
            v.tekst(a.KolomOpmerking(c, l));
            v.tekst(a.KolomGewicht(c, l));
            v.getal(a.GewichtWaarde(c, l));
            v.tekst(a.KlGemTxt(c, l));
            v.getal(a.KlGem(c, l));
            v.aantal(a.KlAantal(c, l));
            v.tekst(a.KlSprTxt(c, l));
            v.getal(a.KlSpr(c, l));
        }
        for (int t = 1; t <= 3; ++t) {
            v.tekst(a.TrimGewichtTekst(t, l));
            v.getal(a.TrimesterWeging(t, l));
        }
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            for (int t = 1; t <= 3; ++t) {
                v.tekst(a.TrGemTxt(p, t, l));
                v.getal(a.TrGem(p, t, l));
                v.getal(a.SomGewicht(p, t, l));
            }
            v.tekst(a.JrGemTxt(p, l));
            v.getal(a.JrGem(p, l));
            v.getal(a.SomGewichtJaar(p, l));
            v.tekst(a.EindGemTxt(p, l));
            v.getal(a.EindGem(p, l));
        }
        for (int t = 1; t <= 3; ++t) {
            v.tekst(a.KlTrGemTxt(t, l));
            v.getal(a.KlTrGem(t, l));
            v.aantal(a.KlTrAantal(t, l));
            v.tekst(a.KlTrSprTxt(t, l));
            v.getal(a.KlTrSpr(t, l));
        }
        v.tekst(a.KlJrGemTxt(l));
        v.getal(a.KlJrGem(l));
        v.aantal(a.KlJrAantal(l));
        v.tekst(a.KlJrSprTxt(l));
        v.getal(a.KlJrSpr(l));
    }

    for (int k = 1; k <= 5; ++k)
        v.geheel(a.RapportOptie[k]);
    if (!v.grens(Grens::Rapportopties))
        return;

    for (auto& f : a.Omrekenformule)
        v.tekst(f);
}

// ---------------------------------------------------------------- writing

// Whether a CR, LF or NUL byte is in the text.
bool HeeftRegeleind(const char* t, std::size_t n)
{
    bool ja = false;
    for (std::size_t i = 0; i < n; ++i)
        ja |= t[i] == '\r' || t[i] == '\n' || t[i] == '\0';
    return ja;
}

class Schrijver {
public:
    // A full file is some 160 KB; more room is made when a line needs it.
    Schrijver() : ruimte_(256 * 1024), buf_(new char[ruimte_]) {}

    // A text on its own line. Line ends, NUL bytes and overlong texts would
    // make the file unreadable, so they never reach it.
    void tekst(std::string_view t)
    {
        t = t.substr(0, MaxRegel);
        char* d = Plaats(t.size() + 2);
        std::memcpy(d, t.data(), t.size());
        Afsluiten(d, t.size());
    }
    // A field of the data set: its width known here, so that copying and
    // testing it are a few instructions.
    template <std::size_t N>
    void tekst(const Tekst<N>& t)
    {
        static_assert(N <= MaxRegel);
        char* d = Plaats(N + 2);
        std::memcpy(d, t.view().data(), N);
        Afsluiten(d, N);
    }
    // The reader requires the width; a file it would refuse is never written.
    void kop(const std::string& t, std::size_t breedte) { tekst(Pas(t, breedte)); }
    void getal(double x)
    {
        char* d = Plaats(32);
        const std::size_t n = GetalNaarTekst(x, d);  // never inf or nan: those give "-1"
        d[n] = '\r';
        d[n + 1] = '\n';
        lengte_ += n + 2;
    }
    void geheel(int n) { getal(n); }
    void aantal(int n) { getal(n); }
    void leeg(int n)
    {
        while (n-- > 0)
            tekst("   ");
    }
    template <class... Int>
    void gehelen(Int... waarden)
    {
        std::string t;
        ((t += GetalNaarTekst(waarden), t += ' '), ...);
        tekst(t);
    }
    bool grens(Grens) { return true; }

    std::string klaar() { return std::string(buf_.get(), lengte_); }

private:
    // Room for n more bytes, at the end of what was written.
    char* Plaats(std::size_t n)
    {
        if (lengte_ + n > ruimte_) {
            const std::size_t meer = std::max(2 * ruimte_, lengte_ + n);
            std::unique_ptr<char[]> nieuw(new char[meer]);
            std::memcpy(nieuw.get(), buf_.get(), lengte_);
            buf_ = std::move(nieuw);
            ruimte_ = meer;
        }
        return buf_.get() + lengte_;
    }
    // The line of n bytes at d: a CR, LF or NUL in it becomes a blank, then its line end.
    void Afsluiten(char* d, std::size_t n)
    {
        if (HeeftRegeleind(d, n))
            for (std::size_t i = 0; i < n; ++i)
                if (d[i] == '\r' || d[i] == '\n' || d[i] == '\0')
                    d[i] = ' ';
        d[n] = '\r';
        d[n + 1] = '\n';
        lengte_ += n + 2;
    }

    std::size_t ruimte_;
    std::unique_ptr<char[]> buf_;
    std::size_t lengte_ = 0;
};

// ---------------------------------------------------------------- reading

class Lezer {
public:
    Lezer(AdmMain& a, Regellezer& r) : a_(a), r_(r) {}

    template <class T>
    void tekst(T& veld)
    {
        veld = r_.regel();
    }
    // Its width was checked with the header's (kopLengtes).
    void kop(std::string& veld, std::size_t) { veld = r_.regel(); }
    void getal(double& x) { x = r_.getal(); }
    void geheel(int& n) { n = r_.geheel(); }
    void aantal(int& n) { n = AantalControleren(r_.geheel()); }
    void leeg(int n) { r_.overslaan(static_cast<std::size_t>(n)); }
    template <class... Int>
    void gehelen(Int&... waarden)
    {
        const auto w = r_.gehelen(sizeof...(waarden));
        auto i = w.begin();
        ((waarden = *i++), ...);
    }
    bool grens(Grens g)
    {
        switch (g) {
        case Grens::Schermstand:
            SchermstandControleren(a_);
            break;
        case Grens::Rapportopties:
            RapportOptiesControleren(a_);
            a_.RapportOptieNieuw = a_.RapportOptie;
            break;
        }
        return !r_.einde();
    }

private:
    AdmMain& a_;
    Regellezer& r_;
};

void LeesVersie2(AdmMain& a, Regellezer& r)
{
    r.getallen = Regellezer::Getallen::Leidend;
    if (!r.kopLengtes(30, 9, 6, 6))
        r.fout(FoutVerkeerdBestand);
    Lezer lezer(a, r);
    Versie2(a, lezer);
}

}  // namespace

// ---------------------------------------------------------------- interface

std::string CijferbestandTekst(const AdmMain& a)
{
    Schrijver s;
    Versie2(a, s);
    return s.klaar();
}

void CijferbestandOpslaan(AdmMain& adm, const std::string& pad)
{
    Bestandssysteem systeem;
    CijferbestandOpslaan(adm, pad, systeem);
}

void CijferbestandOpslaan(AdmMain& adm, const std::string& pad, Bestandssysteem& systeem)
{
    SchrijfBestandVeilig(pad, CijferbestandTekst(adm), systeem);
    adm.Gewijzigd = 0;
}

void CijferbestandLaden(AdmMain& adm, const std::string& pad, Laadherstel herstel)
{
    CijferbestandInlezen(adm, pad, LeesVersie2, herstel);
}

int CijferbestandVersie(const std::string& pad)
{
    // Only the first four lines count, so a large or binary file costs nothing;
    // a folder or a pipe is never opened.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pad, ec))
        return 0;
    std::ifstream in(pad, std::ios::binary);
    if (!in)
        return 0;
    std::size_t som = 0;
    for (int n = 0; n < 4; ++n) {
        std::string regel;
        char c;
        bool einde = true;
        while (in.get(c)) {
            if (c == '\n') {
                einde = false;
                break;
            }
            if (c == '\0' || regel.size() > MaxRegel)
                return 0;
            regel += c;
        }
        if (einde && (regel.empty() || n < 3))
            return 0;  // fewer than four lines
        if (!regel.empty() && regel.back() == '\r')
            regel.pop_back();
        som += regel.size();
    }
    return som == 51 ? 2 : som == 47 ? 1 : 0;
}

void CijferbestandOpenen(AdmMain& adm, const std::string& pad, Laadherstel herstel)
{
    switch (CijferbestandVersie(pad)) {
    case 2:
        CijferbestandLaden(adm, pad, herstel);
        break;
    case 1:
        OudCijferbestandLaden(adm, pad, herstel);
        break;
    default:
        NieuwCijferbestand(adm);
        throw Foutbij(FoutVerkeerdBestand, pad);
    }
}
