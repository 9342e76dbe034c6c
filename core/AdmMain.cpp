#include "core/AdmMain.h"

#include "core/Pad.h"

AdmMain::AdmMain()
{
    NieuwCijferbestand(*this);
}

void NieuwCijferbestand(AdmMain& a)
{
    a.Gewijzigd = 0;
    a.Bestandsnaam = PadSamenvoegen(HuidigeMap(), "NAAMLOOS.VLK");

    a.School = "";
    a.Cursus = "";
    a.Klas = std::string(6, ' ');
    a.Vak = std::string(6, ' ');
    a.Deelvak = std::string(6, ' ');
    a.NiveauNaam.vul({});
    a.Docent = std::string(30, ' ');
    a.DocentPersNr = "000000";
    a.KlasMentor = "";
    a.MentorPersNr = "000000";

    a.Achternaam.vul({});
    a.Roepnaam.vul({});
    a.Adres.vul({});
    a.Postcode.vul({});
    a.Woonplaats.vul({});
    a.Telefoon.vul({});
    a.LeerlingPersNr.vul("000000");
    a.Geslacht.vul({});
    a.Basisgroep.vul({});
    a.Kenmerk.vul({});
    a.Mentor.vul({});

    a.Cijfer.vul({});
    a.KolomSoort.vul({});
    a.KolomDatum.vul({});
    a.KolomOpmerking.vul({});
    a.KolomGewicht.vul({});
    a.GewichtWaarde.vul(GeenWaarde);
    a.KlGemTxt.vul({});
    a.KlGem.vul(GeenWaarde);
    a.KlAantal.vul(0);
    a.KlSprTxt.vul({});
    a.KlSpr.vul(GeenWaarde);

    a.TrimGewichtTekst.vul({});
    a.TrimesterWeging.vul(GeenWaarde);

    // Row 0 of the per-pupil arrays is no pupil and is left alone.
    for (int l = 1; l <= 2; ++l)
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            for (int t = 1; t <= 3; ++t) {
                a.TrGemTxt(p, t, l) = "";
                a.TrGem(p, t, l) = GeenWaarde;
                a.SomGewicht(p, t, l) = 0;
            }
            a.JrGemTxt(p, l) = "";
            a.JrGem(p, l) = GeenWaarde;
            a.SomGewichtJaar(p, l) = 0;
            a.EindGemTxt(p, l) = "";
            a.EindGem(p, l) = GeenWaarde;
        }

    a.KlTrGemTxt.vul({});
    a.KlTrSprTxt.vul({});
    a.KlTrGem.vul(GeenWaarde);
    a.KlTrSpr.vul(GeenWaarde);
    a.KlTrAantal.vul(0);
    a.KlJrGemTxt.vul({});
    a.KlJrSprTxt.vul({});
    a.KlJrGem.vul(GeenWaarde);
    a.KlJrSpr.vul(GeenWaarde);
    a.KlJrAantal.vul(0);
    a.KlEindGemTxt.vul({});
    a.KlEindSprTxt.vul({});
    a.KlEindGem.vul(GeenWaarde);
    a.KlEindSpr.vul(GeenWaarde);

    a.RapportTxt.vul({});
    a.Rapport.vul(GeenWaarde);
    a.RpGemTxt.vul({});
    a.RpSprTxt.vul({});
    a.RpGem.vul(GeenWaarde);
    a.RpSpr.vul(GeenWaarde);

    a.RapportOptie = {0, 1, 1, 1, 3, 2};
    a.RapportOptieNieuw = {0, 1, 1, 1, 3, 2};
    a.Omrekenformule[0] = Pas("1*c", 25);
    a.Omrekenformule[1] = Pas("1+0.9*c", 25);
    a.Omrekenformule[2] = Pas("0.9*c", 25);
}

bool LeegLeerling(const AdmMain& a, int p)
{
    return a.Achternaam(p).leeg() && a.Roepnaam(p).leeg();
}

bool GedruktLeerling(const AdmMain& a, int p)
{
    return a.Achternaam(p)[0] != '.' && !LeegLeerling(a, p);
}

bool SterLeerling(const AdmMain& a, int p)
{
    return a.Achternaam(p)[0] == '*';
}
