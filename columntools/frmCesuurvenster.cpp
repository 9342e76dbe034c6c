#include "columntools/frmCesuurvenster.h"

#include "columntools/frmCesuurTabel.h"
#include "platform/Cp1252Qt.h"
#include "platform/Draaiknop.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/Toetsen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

// The graph: a picture of 2475 x 2475 inside, the plotting square from
// (300, 345) to (2190, 2235).
constexpr double Zijde = 2475;
constexpr double Xlinks = 300, Xrechts = 2190, Yonder = 345, Yboven = 2235;
constexpr double Marker = 75;

constexpr std::uint32_t Achtergrond = 0xC0FFFF;
constexpr std::uint32_t Raster = 0xE0E0E0;
constexpr std::uint32_t Curvekleur = 0x800000;   // dark blue
constexpr std::uint32_t Cesuurkleur = 0x0000C0;  // dark red

const char* const KnopNamenFouten[] = {"UpDown_Hoogste_Cijfer", "UpDown_Cesuur", "UpDown_Laagste_Cijfer",
                                       "UpDown_Fouten_Hoogste_Cijfer", "UpDown_Fouten_Cesuur",
                                       "UpDown_Fouten_Laagste_Cijfer"};
const char* const KnopNamenScores[] = {"UpDown_Hoogste_Cijfer", "UpDown_Cesuur", "UpDown_Laagste_Cijfer",
                                       "UpDown_Score_Hoogste_Cijfer", "UpDown_Score_Cesuur",
                                       "UpDown_Score_Laagste_Cijfer"};
const char* const VakNamenFouten[] = {"txtHoogsteCijfer", "txtCesuurCijfer", "txtLaagsteCijfer",
                                      "txtMinsteFouten",  "txtCesuurFouten", "txtMeesteFouten"};
const char* const VakNamenScores[] = {"txtHoogsteCijfer", "txtCesuurCijfer", "txtLaagsteCijfer",
                                      "txtHoogsteScore",  "txtCesuurScore",  "txtLaagsteScore"};

char Decimaalteken()
{
    const QString p = QLocale().decimalPoint();
    return !p.isEmpty() && p[0] == QLatin1Char(',') ? ',' : '.';
}

}  // namespace

frmCesuurvenster::frmCesuurvenster(Cesuursoort soort, AdmMain& a, Omgeving& o, QWidget* parent)
    : Dialoog(a, o, parent), knoppen(soort)
{
    setFont(VbLetter("MS Sans Serif", 8));
    knoppen.Decimaalteken = Decimaalteken();

    // Out of sight behind the graph: created first, so the graph covers it.
    txtFocus = new QLineEdit(this);
    ZetNaam(*txtFocus, "txtFocus");
    ZetPlaats(*txtFocus, 600, 900, 300, 255);
    connect(txtFocus, &QLineEdit::textChanged, this, [this] { txtFocus_Change(); });

    MaakGrafiek();
    MaakKader();

    cmdTabel = new QPushButton(QStringLiteral("&Tabel"), this);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Sluiten"), this);
    ZetPlaats(*cmdTabel, 4380, 2820, 1215, 285);
    ZetPlaats(*cmdAnnuleren, 5775, 2820, 1215, 285);
    Standaardknop(nullptr, true);  // the window swallows Enter
    connect(cmdTabel, &QPushButton::clicked, this, [this] { cmdTabel_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });
}

void frmCesuurvenster::MaakGrafiek()
{
    const bool fouten = knoppen.Soort() == Cesuursoort::Fouten;
    pct_Score_Cijfer = new Tekenvlak(this);
    ZetNaam(*pct_Score_Cijfer, "pct_Score_Cijfer");
    ZetPlaats(*pct_Score_Cijfer, 270, 300, 2505, 2505);
    pct_Score_Cijfer->ZetAchtergrond(Achtergrond);
    pct_Score_Cijfer->Scale(0, Zijde, Zijde, 0);
    Tekenvlak& g = *pct_Score_Cijfer;

    for (int i = 0; i <= 9; ++i) {
        const double x = Xlinks + 210 * i;
        const double y = Yonder + 210 * i;
        g.Lijn(x, Yonder, x, Yboven, Raster);
        g.Lijn(Xlinks, y, Xrechts, y, Raster);
        g.Lijn(x, Yonder, x, Yonder - 45);  // tick marks
        g.Lijn(Xlinks, y, Xlinks - 45, y);
    }
    g.Lijn(Xlinks, Yonder, Xrechts, Yonder);
    g.Lijn(Xlinks, Yonder, Xlinks, Yboven);

    LineCesuur = &g.Lijn(Xlinks, 1290, Xrechts, 1290, Cesuurkleur);
    LineCesuur->Stijl = Qt::DotLine;
    LineCesuur_Score = &g.Lijn(1245, Yonder, 1245, Yboven, Cesuurkleur);
    LineCesuur_Score->Stijl = Qt::DotLine;
    LineCesuurLaag = &g.Lijn(0, 0, 0, 0, Curvekleur);
    Line_Score_Cesuur = &g.Lijn(0, 0, 0, 0, Curvekleur);
    LineCesuurHoog = &g.Lijn(0, 0, 0, 0, Curvekleur);
    for (Tekenvlak::Lijnelement* l : {LineCesuurLaag, Line_Score_Cesuur, LineCesuurHoog})
        l->Dikte = 2;

    shpCesuurLaag = &g.Vorm(0, 0, Marker, Marker, Curvekleur);
    shpCesuurHoog = &g.Vorm(0, 0, Marker, Marker, Curvekleur);
    shpScore_Cesuur = &g.Vorm(1215, 1320, Marker, Marker, Cesuurkleur);

    const QFont klein = VbLetter("MS Sans Serif", 6.5);
    auto label = [&](double left, double top, double width, double height, const char* tekst, Qt::Alignment u) {
        Tekenvlak::Labelelement& l = g.Label(left, top, width, height, tekst);
        l.Letter = klein;
        l.Uitlijning = u;
        return &l;
    };
    const Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment midden = Qt::AlignHCenter | Qt::AlignTop;
    label(330, 2460, 900, 210, "cijfer", Qt::AlignLeft | Qt::AlignVCenter);
    if (fouten)
        label(330, 555, 900, 195, "fouten", Qt::AlignLeft | Qt::AlignBottom);
    else
        label(1260, 555, 900, 195, "score", Qt::AlignRight | Qt::AlignBottom);

    // The value labels: the grades left of their axis, the counts under theirs.
    lblWaarde[KnopHoogsteCijfer] = label(0, 2340, 270, 210, "10", rechts);
    lblWaarde[KnopCesuurCijfer] = label(0, 1380, 270, 210, "5.5", rechts);
    lblWaarde[KnopLaagsteCijfer] = label(0, 450, 270, 210, "1", rechts);
    const int linksAantal = fouten ? KnopAantalHoogste : KnopAantalLaagste;
    const int rechtsAantal = fouten ? KnopAantalLaagste : KnopAantalHoogste;
    lblWaarde[static_cast<std::size_t>(linksAantal)] = label(105, 300, 390, 195, "0", midden);
    lblWaarde[KnopAantalCesuur] = label(1035, 300, 390, 195, "45", midden);
    lblWaarde[static_cast<std::size_t>(rechtsAantal)] = label(1995, 300, 390, 195, "90", midden);
    for (Tekenvlak::Labelelement* l : {lblWaarde[KnopCesuurCijfer], lblWaarde[KnopAantalCesuur]})
        l->Kleur = Cesuurkleur;
}

void frmCesuurvenster::MaakKader()
{
    const bool fouten = knoppen.Soort() == Cesuursoort::Fouten;
    fraCesuur = new QGroupBox(QStringLiteral("Cesuur"), this);
    ZetPlaats(*fraCesuur, 3000, 240, fouten ? 4800 : 4650, 2340);

    const char* const rij[] = {"Hoogste Cijfer", "Cesuur", "Laagste Cijfer"};
    const int aantalLinks = fouten ? 2880 : 3330;
    for (int r = 0; r < 3; ++r) {
        const int top = 420 + 660 * r;
        auto* naam = new QLabel(QString::fromLatin1(rij[r]), fraCesuur);
        ZetPlaats(*naam, 150, top + 30, 1300, 255);
        auto* bij = new QLabel(fouten ? QStringLiteral("bij") : QStringLiteral("bij  Score"), fraCesuur);
        ZetPlaats(*bij, 2430, top + 30, 850, 255);
        if (fouten) {
            auto* na = new QLabel(QStringLiteral("Fouten"), fraCesuur);
            ZetPlaats(*na, 3870, top + 30, 800, 255);
        }
        for (int kant = 0; kant < 2; ++kant) {
            const int k = r + 3 * kant;
            auto* vak = new QLineEdit(fraCesuur);
            vak->setReadOnly(true);
            vak->setFocusPolicy(Qt::NoFocus);
            vak->setAlignment(Qt::AlignCenter);
            vak->setMaxLength(5);
            ZetNaam(*vak, (fouten ? VakNamenFouten : VakNamenScores)[k]);
            ZetPlaats(*vak, kant == 0 ? 1500 : aantalLinks, top, 555, 315);
            auto* knop = new Draaiknop(Qt::Vertical, fraCesuur);
            ZetNaam(*knop, (fouten ? KnopNamenFouten : KnopNamenScores)[k]);
            ZetPlaats(*knop, (kant == 0 ? 1500 : aantalLinks) + 555, top, 240, 315);
            const Draaiwaarde& d = knoppen.Knop(k);
            knop->ZetMin(d.Min);
            knop->ZetMax(d.Max);
            knop->ZetIncrement(d.Increment);
            knop->ZetValue(d.Value);
            connect(knop, &Draaiknop::Change, this, [this, k] { UpDown_Change(k); });
            txtWaarde[static_cast<std::size_t>(k)] = vak;
            UpDown[static_cast<std::size_t>(k)] = knop;
        }
    }
}

void frmCesuurvenster::CurveActiveren()
{
    // The picture's own fixed size, whatever an earlier drawing left.
    pct_Score_Cijfer->Scale(0, Zijde, Zijde, 0);
    knoppen.Activeren();
    Bijwerken();
}

void frmCesuurvenster::Form_Activate()
{
    CurveActiveren();
    ZetFocus(txtFocus);
}

void frmCesuurvenster::UpDown_Change(int k)
{
    if (bijwerken_)
        return;
    knoppen.ZetValue(k, UpDown[static_cast<std::size_t>(k)]->Value());
    Bijwerken();
}

void frmCesuurvenster::Bijwerken()
{
    bijwerken_ = true;
    for (int k = 0; k < AantalCesuurknoppen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Draaiwaarde& d = knoppen.Knop(k);
        UpDown[i]->ZetMin(d.Min);
        UpDown[i]->ZetMax(d.Max);
        UpDown[i]->ZetValue(d.Value);
        txtWaarde[i]->setText(QString::fromLatin1(knoppen.Tekst[i].c_str()));
        lblWaarde[i]->Caption = knoppen.Tekst[i];
    }
    bijwerken_ = false;

    LineCesuur->Y1 = LineCesuur->Y2 = knoppen.LineCesuur_Y;
    lblWaarde[KnopCesuurCijfer]->Top = knoppen.lblCesuur_Cijfer_Top;
    LineCesuur_Score->X1 = LineCesuur_Score->X2 = knoppen.LineCesuur_Score_X;
    lblWaarde[KnopAantalCesuur]->Left = knoppen.lblCesuur_Aantal_Left;
    shpScore_Cesuur->Left = knoppen.shpScore_Cesuur.Left;
    shpScore_Cesuur->Top = knoppen.shpScore_Cesuur.Top;

    const Curvegrafiek& c = knoppen.Curve;
    shpCesuurLaag->Left = c.shpCesuurLaag.Left;
    shpCesuurLaag->Top = c.shpCesuurLaag.Top;
    shpCesuurHoog->Left = c.shpCesuurHoog.Left;
    shpCesuurHoog->Top = c.shpCesuurHoog.Top;
    auto zet = [](Tekenvlak::Lijnelement& l, const Lijnstuk& s) {
        l.X1 = s.X1;
        l.Y1 = s.Y1;
        l.X2 = s.X2;
        l.Y2 = s.Y2;
    };
    zet(*LineCesuurLaag, c.LineCesuurLaag);
    zet(*Line_Score_Cesuur, c.Line_Score_Cesuur);
    zet(*LineCesuurHoog, c.LineCesuurHoog);
    pct_Score_Cijfer->update();
}

void frmCesuurvenster::Form_KeyDown(int& KeyCode, int& Shift)
{
    if (KeyCode == Toetscode::Enter || KeyCode == Toetscode::Op || KeyCode == Toetscode::Neer) {
        KeyCode = 0;
        Shift = 0;
    }
    EscAnnuleert(KeyCode, [this] { cmdAnnuleren_Click(); });
}

void frmCesuurvenster::Form_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13 || KeyAscii == 38 || KeyAscii == 40)
        KeyAscii = 0;
}

void frmCesuurvenster::cmdTabel_Click()
{
    adm.CesuurTabelBron = Tabelbron();
    frmCesuurTabel tabel(adm, omgeving, knoppen, this);
    Modaal(tabel);  // the window is activated again when the table has closed
}

void frmCesuurvenster::cmdAnnuleren_Click() { Unload(); }

void frmCesuurvenster::txtFocus_Change()
{
    if (!txtFocus->text().isEmpty())
        txtFocus->clear();
}
