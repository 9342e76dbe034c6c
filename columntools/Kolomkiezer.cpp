#include "columntools/Kolomkiezer.h"

#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Venster.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* Kader(QWidget& ouder, const QString& titel)
{
    auto* k = new QGroupBox(titel, &ouder);
    auto* indeling = new QVBoxLayout(k);
    indeling->setSpacing(0);
    // The frames are as low as the window's design gives them: the style's
    // margins above and below would squeeze the options into each other.
    QMargins rand = indeling->contentsMargins();
    rand.setTop(0);
    rand.setBottom(0);
    indeling->setContentsMargins(rand);
    return k;
}

}  // namespace

Kolomkiezer::Kolomkiezer(VensterBasis& venster, QWidget& ouder, const Kolomkiezeropmaak& opmaak)
    : QObject(&ouder), venster_(venster)
{
    TrimesterKader = Kader(ouder, opmaak.trimesterKader);
    for (int t = 1; t <= 3; ++t) {
        auto* o = new QRadioButton(QStringLiteral("%1-e Trimester").arg(t), TrimesterKader);
        ZetNaam(*o, opmaak.trimesterNaam, t);
        TrimesterKader->layout()->addWidget(o);
        Trimester[static_cast<std::size_t>(t)] = o;
        connect(o, &QRadioButton::toggled, this, [this, t](bool aan) {
            if (aan)
                emit TrimesterClick(t);
        });
    }
    NiveauKader = Kader(ouder, opmaak.niveauKader);
    for (int n = 1; n <= 2; ++n) {
        // Fixed texts, whatever the level names of the file are.
        auto* o = new QRadioButton(QStringLiteral("Niveau %1").arg(n), NiveauKader);
        ZetNaam(*o, opmaak.niveauNaam, n);
        NiveauKader->layout()->addWidget(o);
        Niveau[static_cast<std::size_t>(n)] = o;
        connect(o, &QRadioButton::toggled, this, [this, n](bool aan) {
            if (aan)
                emit NiveauClick(n);
        });
    }
    Trimester[1]->setChecked(true);
    Niveau[1]->setChecked(true);

    QWidget* kolomOuder = &ouder;
    if (opmaak.kolomKaderTonen) {
        KolomKader = new QGroupBox(opmaak.kolomKader, &ouder);
        kolomOuder = KolomKader;
    }
    lblKolom = new Etiket(kolomOuder);
    lblKolom->setText(opmaak.kolomLabel);
    ZetNaam(*lblKolom, "lblKolom", opmaak.index);
    txtKolom = new VasteBreedteInvoer(venster.omgeving, venster.adm.InsertModus,
                                      {0, Typegrens::Geen, Loslaten::Niets, Overschrijven::Nooit}, kolomOuder);
    ZetNaam(*txtKolom, "txtKolom", opmaak.index);
    txtKolom->setMaxLength(2);
    txtKolom->setText(QStringLiteral("10"));
    UpDown = new Draaiknop(Qt::Vertical, kolomOuder);
    ZetNaam(*UpDown, "UpDown", opmaak.index);
    UpDown->ZetMin(1);
    UpDown->ZetMax(KolommenPerTrimester);
    UpDown->ZetIncrement(1);
    UpDown->ZetValue(1);

    connect(UpDown, &Draaiknop::Change, this, [this] { UpDown_Change(); });
    if (opmaak.typen) {
        connect(txtKolom, &VasteBreedteInvoer::GotFocus, this, [this] { txtKolom_GotFocus(); });
        connect(txtKolom, &VasteBreedteInvoer::LostFocus, this, [this] { txtKolom_LostFocus(); });
        connect(txtKolom, &VasteBreedteInvoer::KeyDown, this,
                [this](int& k, int& s) { txtKolom_KeyDown(k, s); });
    } else {
        txtKolom->setReadOnly(true);
        txtKolom->setFocusPolicy(Qt::NoFocus);
        txtKolom->setAlignment(Qt::AlignCenter);
    }
}

int Kolomkiezer::GekozenTrimester() const
{
    for (int t = 1; t <= 3; ++t)
        if (Trimester[static_cast<std::size_t>(t)]->isChecked())
            return t;
    return 1;  // one option of the group is always selected
}

int Kolomkiezer::GekozenNiveau() const
{
    for (int n = 1; n <= 2; ++n)
        if (Niveau[static_cast<std::size_t>(n)]->isChecked())
            return n;
    return 1;
}

Kolomkeuze Kolomkiezer::Keuze() const { return {GekozenTrimester(), GekozenNiveau(), UpDown->Value()}; }

void Kolomkiezer::Voorinstellen(const AdmMain& adm) { ZetKeuze(BeginKolomkeuze(adm)); }

void Kolomkiezer::ZetKeuze(const Kolomkeuze& keuze)
{
    Trimester[static_cast<std::size_t>(keuze.trimester)]->setChecked(true);
    Niveau[static_cast<std::size_t>(keuze.niveau)]->setChecked(true);
    UpDown->ZetValue(keuze.kolom);
    txtKolom->ZetTekst(KolomTekst(UpDown->Value()));
}

void Kolomkiezer::Vastleggen(bool piepBijWeigering)
{
    const Kolomvastlegging v = KolomVastleggen(txtKolom->Tekst(), UpDown->Value());
    if (v.geweigerd && piepBijWeigering)
        venster_.Piep();
    UpDown->ZetValue(v.kolom);
    txtKolom->ZetTekst(KolomTekst(UpDown->Value()));
}

void Kolomkiezer::txtKolom_GotFocus()
{
    txtKolom->ZetSelStart(0);
    txtKolom->ZetSelLength(2);
}

void Kolomkiezer::txtKolom_LostFocus() { Vastleggen(false); }

void Kolomkiezer::txtKolom_KeyDown(int& KeyCode, int&)
{
    if (KeyCode != Toetscode::Enter)
        return;
    Vastleggen(true);
    venster_.ZetFocus(volgende_);
}

void Kolomkiezer::UpDown_Change()
{
    txtKolom->ZetTekst(KolomTekst(UpDown->Value()));
    emit Change();
}
