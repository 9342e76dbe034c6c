#include "names/frmNamenBestandLaden.h"

#include "core/Fout.h"
#include "core/Openen.h"
#include "names/Namenbestand.h"
#include "names/Namenvensters.h"
#include "platform/Etiket.h"

frmNamenBestandLaden::frmNamenBestandLaden(AdmMain& a, Omgeving& o, QWidget* parent)
    : Bestandskeuzelijst(a, o, parent, {Bestandsoort::Namenbestand, 4215, false, true})
{
    setObjectName(QStringLiteral("frmNamenBestandLaden"));
    leerlingvensters = &Namenvensters;  // its own import window
    setWindowTitle(QStringLiteral("Leerling(en) importeren uit Dravonel Namenbestand\""));
    lblNamenbestanden = lblBestanden;
    ZetNaam(*lblNamenbestanden, "lblNamenbestanden");
    cmdNamenbestand = Sorteerknop("cmdNamenbestand", "Namenbestand", Bestandskolom::Naam, -1, 0);
    cmdGewijzigd = Sorteerknop("cmdGewijzigd", "Gewijzigd     ", Bestandskolom::Gewijzigd, 0, 14);
}

void frmNamenBestandLaden::Form_Activate() { Beginmap(NamenBestandLadenActiveren(adm)); }

void frmNamenBestandLaden::cmdOpenen_Click()
{
    try {
        if (!NamenbestandKiezen(adm, Map(), GekozenPad()))
            return;
    } catch (const Bestandsfout& f) {
        Openfout(Foutomschrijving(f));
        return;
    }
    ImportTonen();
}

void frmNamenBestandLaden::cmdAnnuleren_Click()
{
    adm.DialoogAntwoord = AntwoordGeannuleerd;
    Sluiten();
}
