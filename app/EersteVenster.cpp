#include "app/EersteVenster.h"

#include "core/Tekst.h"
#include "platform/Bestandsopdrachten.h"
#include "platform/Cp1252Qt.h"
#include "platform/Paden.h"

#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <functional>

namespace {

QAction* Item(QMenu* menu, const char* tekst, std::function<void()> doe)
{
    QAction* a = menu->addAction(QString::fromUtf8(tekst));
    QObject::connect(a, &QAction::triggered, menu, [doe = std::move(doe)] { doe(); });
    return a;
}

}  // namespace

EersteVenster::EersteVenster(AdmMain& a, Omgeving& o, QWidget* parent) : Venster(a, o, parent)
{
    setWindowTitle(QStringLiteral("Docenten-Morvaldiek Versie 7.762"));

    QMenu* bestand = Hoofdmenu(QStringLiteral("&Bestand"));
    mnuNieuwBestand = Item(bestand, "&Nieuw  Bestand", [this] {
        if (NieuwBestand(*this))
            Afdrukken();
    });
    mnuBestandLaden = Item(bestand, "Bestand  &Laden...", [this] {
        if (BestandLaden(*this) == Openuitslag::Blijft)
            Afdrukken();
    });
    bestand->addSeparator();
    mnuBestandOpslaan = Item(bestand, "Bestand  &Opslaan", [this] { BestandOpslaan(*this); });
    mnuBestandOpslaanAls = Item(bestand, "Bestand  Opslaan  &Als...", [this] { BestandOpslaanAls(*this); });
    bestand->addSeparator();
    mnuStoppen = Item(bestand, "&Stoppen", [this] { Stopprocedure(*this); });

    QMenu* lijsten = Hoofdmenu(QStringLiteral("&Lijsten"));
    mnuNamenlijst = Item(lijsten, "&Namenlijst", [this] { Schermwissel(*this, SchermNamen); });
    lijsten->addSeparator();
    mnuTrimester[0] = nullptr;
    mnuTrimester[1] = Item(lijsten, "&1-e Trimester", [this] { Schermwissel(*this, 1); });
    mnuTrimester[2] = Item(lijsten, "&2-e Trimester", [this] { Schermwissel(*this, 2); });
    mnuTrimester[3] = Item(lijsten, "&3-e Trimester", [this] { Schermwissel(*this, 3); });
    lijsten->addSeparator();
    mnuRapportenlijst = Item(lijsten, "&Rapportenlijst", [this] { Schermwissel(*this, SchermRapporten); });
    mnuJaaroverzicht = Item(lijsten, "&Jaaroverzicht", [this] { Schermwissel(*this, SchermJaaroverzicht); });

    auto* indeling = new QVBoxLayout(&Vlak());
    TrimLabel = new QLabel(&Vlak());
    QFont titel = TrimLabel->font();
    titel.setBold(true);
    titel.setPointSize(titel.pointSize() + 2);
    TrimLabel->setFont(titel);
    lblBestand = new QLabel(&Vlak());
    lblSchool = new QLabel(&Vlak());
    for (QLabel* l : {TrimLabel, lblBestand, lblSchool}) {
        l->setTextFormat(Qt::PlainText);
        indeling->addWidget(l);
    }
    indeling->addStretch();
    resize(640, 200);
}

void EersteVenster::Afdrukken()
{
    TrimLabel->setText(QStringLiteral("Namenlijst"));
    mnuNamenlijst->setEnabled(false);
    lblBestand->setText(PadNaarQString(adm.Bestandsnaam));
    lblSchool->setText(Cp1252NaarQString(Trim(adm.School.view())));
}

void EersteVenster::Form_Activate() { Afdrukken(); }

void EersteVenster::Form_Unload(int& Cancel)
{
    // A switch or a prompted quit has set another view code first.
    if (adm.Scherm == SchermNamen)
        Sluitprocedure(*this, Cancel);
}
