#include "columntools/frmOmrekenTabel.h"

#include "platform/Cp1252Qt.h"
#include "platform/Etiket.h"
#include "platform/Opmaak.h"
#include "platform/VasteBreedteInvoer.h"

#include <QFrame>
#include <QPushButton>

#include <utility>

namespace {

QFrame* Rasterlijn(QWidget& ouder, int x1, int y1, int x2, int y2)
{
    auto* l = new QFrame(&ouder);
    l->setFrameShape(x1 == x2 ? QFrame::VLine : QFrame::HLine);
    l->setFrameShadow(QFrame::Plain);
    l->setStyleSheet(QStringLiteral("color: black"));
    if (x1 == x2)
        l->setGeometry(Twips(x1), Twips(y1), 1, Twips(y2) - Twips(y1) + 1);
    else
        l->setGeometry(Twips(x1), Twips(y1), Twips(x2) - Twips(x1) + 1, 1);
    return l;
}

}  // namespace

frmOmrekenTabel::frmOmrekenTabel(AdmMain& a, Omgeving& o, std::string formule, QWidget* parent)
    : Dialoog(a, o, parent), formule_(std::move(formule))
{
    setWindowTitle(QStringLiteral("Omrekentabel"));
    setFont(VbLetter("MS Sans Serif", 8));

    for (int k = 0; k < 5; ++k) {
        auto* l = new Etiket("   Score       Cijfer", this);
        ZetNaam(*l, "Label1", k);
        ZetPlaats(*l, 180 + 1440 * k, 180, 1455, 195);
        Label1[static_cast<std::size_t>(k)] = l;
    }
    for (int i = 0; i <= AantalStappen; ++i) {
        auto* l = new Etiket(this);
        ZetNaam(*l, "lblCesuur", i);
        l->setFont(VbLetter("Courier New", 10));
        if (i < AantalStappen)
            ZetPlaats(*l, 240 + 1440 * (i / 20), 480 + 240 * (i % 20), 1335, 255);
        else
            ZetPlaats(*l, 6000, 5280, 1335, 255);
        lblCesuur[static_cast<std::size_t>(i)] = l;
    }
    Line[0] = Rasterlijn(*this, 180, 420, 7380, 420);
    Line[1] = Rasterlijn(*this, 180, 5580, 7380, 5580);
    Line[2] = Rasterlijn(*this, 180, 420, 180, 5580);
    Line[3] = Rasterlijn(*this, 7380, 420, 7380, 5580);
    for (int k = 0; k < 4; ++k)
        Line[static_cast<std::size_t>(4 + k)] = Rasterlijn(*this, 1620 + 1440 * k, 420, 1620 + 1440 * k, 5580);

    txtFocus = new Focusvak(o, a.InsertModus, this);
    ZetNaam(*txtFocus, "txtFocus");
    txtFocus->move(Twips(180), Twips(5760));
    cmdPrinten = new QPushButton(QStringLiteral("&Print"), this);
    ZetNaam(*cmdPrinten, "cmdPrinten");
    ZetPlaats(*cmdPrinten, 4800, 5760, 1215, 375);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Sluiten"), this);
    ZetNaam(*cmdAnnuleren, "cmdAnnuleren");
    ZetPlaats(*cmdAnnuleren, 6165, 5760, 1215, 375);
    setFixedSize(Twips(7560), Twips(6255));

    connect(cmdPrinten, &QPushButton::clicked, this, [this] { cmdPrinten_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });
}

void frmOmrekenTabel::Form_Activate()
{
    tabel_ = OmrekentabelMaken(formule_);
    if (tabel_.fout) {
        omgeving.Bericht(Cp1252NaarQString(Foutmeldingtekst(*tabel_.fout)), vbOKOnly | vbExclamation);
        Unload();
        return;
    }
    VulTabel();
    ZetFocus(txtFocus);
}

void frmOmrekenTabel::VulTabel()
{
    for (int i = 0; i <= AantalStappen; ++i)
        lblCesuur[static_cast<std::size_t>(i)]->ZetTekst(Tabelregel(tabel_, i));
}

void frmOmrekenTabel::Form_KeyDown(int& KeyCode, int&)
{
    EscAnnuleert(KeyCode, [this] { cmdAnnuleren_Click(); });
}

void frmOmrekenTabel::cmdPrinten_Click()
{
    const Omrekentabel& tabel = tabel_;
    LijstAfdrukken([&](const Papier& papier) { return AfdrukOmrekentabel(tabel, Vandaag(), papier); }, true);
    ZetFocus(txtFocus);
}

void frmOmrekenTabel::cmdAnnuleren_Click() { Unload(); }
