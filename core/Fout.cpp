#include "core/Fout.h"

#include <cerrno>
#include <cstring>
#include <new>

const char* Fouttekst(int code)
{
    switch (code) {
    case FoutOngeldigArgument: return "Ongeldige procedureaanroep of ongeldig argument";
    case FoutOverloop: return "Overloop";
    case FoutGeenGeheugen: return "Onvoldoende geheugen";
    case FoutBuitenBereik: return "Subscript valt buiten het bereik";
    case FoutDelingDoorNul: return "Deling door nul";
    case FoutTypeOngeldig: return "Type komt niet overeen";
    case FoutBestandNietGevonden: return "Bestand niet gevonden";
    case FoutVerkeerdBestand: return "Onjuiste bestandsmodus";
    case FoutVoorbijEinde: return "Invoer voorbij het einde van het bestand";
    case FoutMapBezet: return "Een ander programma slaat op dit moment op in deze map; probeer het zo opnieuw";
    case FoutRechten:
        return "Opslaan zou veranderen wie dit bestand mag lezen of schrijven; sla het onder een andere naam op";
    case FoutToegang: return "Fout bij toegang tot pad/bestand";
    case FoutPadNietGevonden: return "Pad niet gevonden";
    default: return "Door de toepassing of een object gedefinieerde fout";
    }
}

namespace {

// The errors opening, reading, writing, renaming and listing files can give.
const char* Systeemtabel(int fout)
{
    switch (fout) {
    case EPERM: return "Bewerking niet toegestaan";
    case ENOENT: return "Bestand of map bestaat niet";
    case EINTR: return "Onderbroken systeemaanroep";
    case EIO: return "Invoer-/uitvoerfout";
    case ENXIO: return "Apparaat of adres bestaat niet";
    case EBADF: return "Ongeldige bestandsdescriptor";
    case EAGAIN: return "Bron is tijdelijk niet beschikbaar";
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK: return "Bron is tijdelijk niet beschikbaar";
#endif
    case ENOMEM: return "Onvoldoende geheugen";
    case EACCES: return "Toegang geweigerd";
    case EFAULT: return "Ongeldig adres";
    case EBUSY: return "Apparaat of bron is bezet";
    case EEXIST: return "Bestand bestaat al";
    case EXDEV: return "Ongeldige koppeling tussen apparaten";
    case ENODEV: return "Apparaat bestaat niet";
    case ENOTDIR: return "Is geen map";
    case EISDIR: return "Is een map";
    case EINVAL: return "Ongeldig argument";
    case ENFILE: return "Te veel open bestanden in het systeem";
    case EMFILE: return "Te veel open bestanden";
    case ETXTBSY: return "Programmabestand is in gebruik";
    case EFBIG: return "Bestand is te groot";
    case ENOSPC: return "Geen ruimte meer op het apparaat";
    case ESPIPE: return "Positioneren is hier niet mogelijk";
    case EROFS: return "Bestandssysteem is alleen-lezen";
    case EMLINK: return "Te veel koppelingen";
    case EPIPE: return "Verbroken pijp";
    case ENAMETOOLONG: return "Bestandsnaam is te lang";
    case ENOLCK: return "Geen vergrendelingen beschikbaar";
    case ENOSYS: return "Functie is niet beschikbaar";
    case ENOTEMPTY: return "Map is niet leeg";
    case ELOOP: return "Te veel niveaus van symbolische koppelingen";
    case EOVERFLOW: return "Waarde is te groot voor het gegevenstype";
    case EILSEQ: return "Ongeldig of onvolledig teken";
    case ENOTSUP: return "Bewerking wordt niet ondersteund";
#if EOPNOTSUPP != ENOTSUP
    case EOPNOTSUPP: return "Bewerking wordt niet ondersteund";
#endif
    case ENOTCONN: return "Eindpunt is niet verbonden";
    case ETIMEDOUT: return "Wachttijd voor de verbinding is verstreken";
    case ESTALE: return "Verouderde bestandsverwijzing";
    case EDQUOT: return "Schijfquotum overschreden";
    case ECANCELED: return "Bewerking geannuleerd";
#ifdef ENOMEDIUM
    case ENOMEDIUM: return "Geen medium gevonden";
#endif
#ifdef EMEDIUMTYPE
    case EMEDIUMTYPE: return "Verkeerd soort medium";
#endif
    default: return nullptr;
    }
}

}  // namespace

std::string Systeemfouttekst(int fout)
{
    if (const char* t = Systeemtabel(fout))
        return t;
    return std::strerror(fout);
}

Bestandsfout Foutbij(int code, const std::string& pad) { return Bestandsfout(code, Fouttekst(code) + (": " + pad)); }

std::out_of_range Bereikfout(const std::string& wat)
{
    return std::out_of_range(Fouttekst(FoutBuitenBereik) + (": " + wat));
}

std::string Uitzonderingstekst(const std::exception& fout)
{
    if (dynamic_cast<const std::bad_alloc*>(&fout))
        return Fouttekst(FoutGeenGeheugen);
    return fout.what();
}
