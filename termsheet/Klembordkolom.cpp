#include "termsheet/Klembordkolom.h"

#include "termsheet/Cijferverwerking.h"

void SplitsInRegels(int start, int& laatste, std::string_view tekst, Klembordregels& regels)
{
    constexpr char CR = '\r', LF = '\n';
    int rij = start;
    for (std::size_t i = 0; i < tekst.size();) {
        const char c = tekst[i];
        if (c != CR && c != LF) {
            regels(rij) += c;
            ++i;
            continue;
        }
        i += c == CR && i + 1 < tekst.size() && tekst[i + 1] == LF ? 2 : 1;
        if (++rij > AantalLeerlingen)
            break;
    }
    laatste = regels(rij).empty() ? rij - 1 : rij;
}

int CijferkolomPlakken(AdmMain& adm, std::string_view tekst, int vanaf, int kolom, int trimester, int niveau)
{
    Klembordregels regels;
    int laatste = 0;
    SplitsInRegels(vanaf, laatste, tekst, regels);
    int geweigerd = 0;
    for (int r = vanaf; r <= laatste; ++r)
        if (VerwerkCijfer(adm, regels(r), r, kolom, trimester, niveau).geweigerd)
            ++geweigerd;
    return geweigerd;
}
