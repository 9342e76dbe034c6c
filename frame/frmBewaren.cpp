#include "frame/frmBewaren.h"

#include "core/Cijferbestand.h"
#include "core/Fout.h"
#include "core/Pad.h"
#include "platform/Paden.h"
#include "platform/Toetsen.h"
#include "platform/Vensterbestandssysteem.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>

frmBewaren::frmBewaren(AdmMain& a, Omgeving& o, QWidget* parent) : Dialoog(a, o, parent)
{
    setWindowTitle(QStringLiteral("Huidig bestand  bewaren?"));

    Picture1 = new QLabel(this);
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label2 = new QLabel(QStringLiteral("Het huidige bestand is mogelijk gewijzigd."), this);
    Label1 = new QLabel(QStringLiteral("Wilt u de veranderingen opslaan in:"), this);
    lblBestandsNaam = new QLabel(this);
    lblBestandsNaam->setTextFormat(Qt::PlainText);
    QFont vet = lblBestandsNaam->font();
    vet.setBold(true);
    lblBestandsNaam->setFont(vet);

    // "&Ja" first in the tab order: it has the focus, so Enter saves.
    cmdOpslaan = new QPushButton(QStringLiteral("&Ja"), this);
    cmdNietOpslaan = new QPushButton(QStringLiteral("&Nee"), this);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    KnoppenOpLetter();
    connect(cmdOpslaan, &QPushButton::clicked, this, [this] { cmdOpslaan_Click(); });
    connect(cmdNietOpslaan, &QPushButton::clicked, this, [this] { cmdNietOpslaan_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });

    auto* teksten = new QVBoxLayout;
    teksten->addWidget(Label2);
    teksten->addSpacing(6);
    teksten->addWidget(Label1);
    teksten->addWidget(lblBestandsNaam);
    auto* boven = new QHBoxLayout;
    boven->addWidget(Picture1, 0, Qt::AlignTop);
    boven->addSpacing(12);
    boven->addLayout(teksten, 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(cmdOpslaan);
    knoppen->addWidget(cmdNietOpslaan);
    knoppen->addWidget(cmdAnnuleren);
    auto* indeling = new QVBoxLayout(this);
    indeling->addLayout(boven);
    indeling->addSpacing(12);
    indeling->addLayout(knoppen);
    setMinimumWidth(380);

    Form_Load();
}

void frmBewaren::Form_Load()
{
    lblBestandsNaam->setText(PadTonen(Bestandsdeel(adm.Bestandsnaam)));
    adm.DialoogAntwoord = AntwoordAnnuleren;
    Piep();
}

void frmBewaren::cmdOpslaan_Click()
{
    // A failed save leaves Gewijzigd and the old file as they were, and the
    // command that asked goes no further.
    try {
        Vensterbestandssysteem systeem;
        CijferbestandOpslaan(adm, adm.Bestandsnaam, systeem);
        adm.DialoogAntwoord = AntwoordGereed;
    } catch (const std::exception& fout) {
        Foutmelding(omgeving, PadTonen(Uitzonderingstekst(fout)));
        adm.DialoogAntwoord = AntwoordAnnuleren;
    }
    Unload();
}

void frmBewaren::cmdNietOpslaan_Click()
{
    adm.DialoogAntwoord = AntwoordGereed;
    Unload();
}

void frmBewaren::cmdAnnuleren_Click()
{
    adm.DialoogAntwoord = AntwoordAnnuleren;
    Unload();
}

void frmBewaren::Form_KeyDown(int& KeyCode, int&)
{
    if (KeyCode == Toetscode::Esc)
        Unload();
}
