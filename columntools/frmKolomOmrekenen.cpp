#include "columntools/frmKolomOmrekenen.h"

#include "columntools/Omrekenen.h"
#include "columntools/frmOmrekenTabel.h"
#include "core/Tekst.h"
#include "platform/Cp1252Qt.h"
#include "platform/Etiket.h"
#include "platform/Opmaak.h"
#include "platform/VasteBreedteInvoer.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace {

// A less-than sign above two bars, 4 by 11 pixels on a transparent ground.
QPixmap KleinerOfGelijk()
{
    QPixmap beeld(4, 11);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setPen(Qt::black);
    p.drawLine(3, 0, 0, 3);
    p.drawLine(0, 3, 3, 6);
    p.drawLine(0, 8, 3, 8);
    p.drawLine(0, 10, 3, 10);
    return beeld;
}

}  // namespace

frmKolomOmrekenen::frmKolomOmrekenen(AdmMain& a, Omgeving& o, QWidget* parent)
    : Kolomkeuzevenster(a, o, parent, QStringLiteral("Kolom omrekenen"))
{
    voorinstellenBijActiveren_ = false;
    Keuze = TweeKeuzes({QStringLiteral("van"), QStringLiteral("van kolom :")},
                       {QStringLiteral("naar"), QStringLiteral("naar kolom :")});

    Label3 = new Etiket("Omrekenformule...:", this);
    ZetPlaats(*Label3, 120, 2835, 1455, 255);
    txtOmrekenen = new VasteBreedteInvoer(o, a.InsertModus,
                                          {0, Typegrens::Geen, Loslaten::Niets, Overschrijven::Nooit}, this);
    ZetNaam(*txtOmrekenen, "txtOmrekenen");
    txtOmrekenen->setFont(VbLetter("Courier", 10));
    txtOmrekenen->setText(QStringLiteral("1*c"));
    ZetPlaats(*txtOmrekenen, 1575, 2790, 2940, 315);

    const char* hint = "Gebruik in de omrekenformule de letter c voor het om te rekenen cijfer, 0   c   10";
    Label4 = new Etiket(hint, this);
    const QFontMetrics maat(Label4->font());
    const QString tekst = QString::fromUtf8(hint);
    const int hintbreedte = maat.horizontalAdvance(tekst) * 15 + 60;
    ZetPlaats(*Label4, 120, 3225, hintbreedte, 255);
    minimumbreedte_ = 120 + hintbreedte + 120;
    // The signs stand in the two three-blank gaps.
    qsizetype vanaf = 0;
    for (QLabel*& beeld : Image1) {
        const qsizetype gat = tekst.indexOf(QStringLiteral("   "), vanaf);
        vanaf = gat + 3;
        beeld = new QLabel(this);
        beeld->setObjectName(QStringLiteral("Image1"));
        beeld->setPixmap(KleinerOfGelijk());
        const int x = Label4->x() + maat.horizontalAdvance(tekst.left(gat)) +
                      (maat.horizontalAdvance(QStringLiteral("   ")) - 4) / 2;
        beeld->setGeometry(x, Label4->y() + (Label4->height() - 11) / 2, 4, 11);
    }

    cmdTabel = new QPushButton(QStringLiteral("&Tabel"), this);
    ZetNaam(*cmdTabel, "cmdTabel");
    cmdUitvoeren = new QPushButton(QStringLiteral("&Uitvoeren"), this);
    ZetNaam(*cmdUitvoeren, "cmdUitvoeren");
    Knoppen(3645, cmdUitvoeren, {cmdTabel, cmdUitvoeren, cmdAnnuleren}, {txtOmrekenen});

    connect(Keuze[1], &Kolomkiezer::NiveauClick, this, [this] { vanNiveau_Click(); });
    connect(Keuze[2], &Kolomkiezer::NiveauClick, this, [this] { naarNiveau_Click(); });
    connect(txtOmrekenen, &VasteBreedteInvoer::LostFocus, this, [this] { txtOmrekenen_LostFocus(); });
    connect(cmdTabel, &QPushButton::clicked, this, [this] { cmdTabel_Click(); });
    connect(cmdUitvoeren, &QPushButton::clicked, this, [this] { cmdUitvoeren_Click(); });

    // Form_Load: the presets, and the formula within one level.
    for (int i = 1; i <= 2; ++i)
        Keuze[static_cast<std::size_t>(i)]->Voorinstellen(adm);
    txtOmrekenen->ZetTekst(ZonderStaart(adm.Omrekenformule[0]));
}

int frmKolomOmrekenen::FormuleIndexNu() const
{
    return FormuleIndex(Keuze[1]->GekozenNiveau(), Keuze[2]->GekozenNiveau());
}

void frmKolomOmrekenen::ToonFormule()
{
    txtOmrekenen->ZetTekst(ZonderStaart(adm.Omrekenformule[static_cast<std::size_t>(FormuleIndexNu())]));
}

void frmKolomOmrekenen::vanNiveau_Click() { ToonFormule(); }

void frmKolomOmrekenen::naarNiveau_Click() { ToonFormule(); }

bool frmKolomOmrekenen::FormuleVastleggen()
{
    const std::string formule = txtOmrekenen->Tekst();
    if (const auto fout = FormuleControleren(formule)) {
        Piep();
        omgeving.Bericht(Cp1252NaarQString(Foutmeldingtekst(*fout)), vbOKOnly | vbExclamation);
        ToonFormule();
        ZetFocus(txtOmrekenen);
        formuleGeweigerd_ = true;
        return false;
    }
    formuleGeweigerd_ = false;
    FormuleBewaren(adm, FormuleIndexNu(), formule);
    return true;
}

bool frmKolomOmrekenen::KlikNaWeigering() { return std::exchange(formuleGeweigerd_, false); }

void frmKolomOmrekenen::Form_KeyDown(int& KeyCode, int& Shift)
{
    formuleGeweigerd_ = false;
    Kolomkeuzevenster::Form_KeyDown(KeyCode, Shift);
}

void frmKolomOmrekenen::txtOmrekenen_LostFocus() { FormuleVastleggen(); }

void frmKolomOmrekenen::cmdTabel_Click()
{
    if (KlikNaWeigering() || !FormuleVastleggen())
        return;
    frmOmrekenTabel tabel(adm, omgeving, txtOmrekenen->Tekst(), this);
    Modaal(tabel);
}

void frmKolomOmrekenen::cmdUitvoeren_Click()
{
    if (KlikNaWeigering())
        return;
    KolommenVastleggen();
    if (!FormuleVastleggen())
        return;
    const Omrekenuitkomst uit = KolomOmrekenen(adm, txtOmrekenen->Tekst(), Keuze[1]->Keuze(), Keuze[2]->Keuze());
    if (uit.fout) {
        omgeving.Bericht(Cp1252NaarQString(Foutmeldingtekst(*uit.fout)), vbOKOnly | vbExclamation);
        return;
    }
    for (int i = uit.geweigerd; i > 0; --i)
        Piep();
    Unload();
}
