#include "frame/frmAbout.h"

#include "frame/frmHarvemoLogo.h"

#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* ouder)
    : QDialog(ouder)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);

    lblTitle = new QLabel(this);
    QFont titel = lblTitle->font();
    titel.setPointSize(titel.pointSize() + 4);
    titel.setBold(true);
    lblTitle->setFont(titel);
    lblVersion = new QLabel(this);
    lblDescription = new QLabel(this);
    lblDescription->setWordWrap(true);
    lblDisclaimer = new QLabel(this);
    lblDisclaimer->setWordWrap(true);
    Label1 = new QLabel(this);
    Label1->setPixmap(LogoAfbeelding().scaledToWidth(160, Qt::SmoothTransformation));
    for (QFrame*& lijn : Line1) {
        lijn = new QFrame(this);
        lijn->setFrameShape(QFrame::HLine);
        lijn->setFrameShadow(QFrame::Sunken);
    }
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // Form_Load
    setWindowTitle(QStringLiteral("Docenten-Morvaldiek Versie 7.762"));
    lblVersion->setText(Makersregel());
    lblTitle->setText(QStringLiteral("Docenten Morvaldiek Versie 7.762"));
    lblDescription->setText(QStringLiteral(
        "Docenten-Morvaldiek Versie 7.762 voor Windows is speciaal ontworpen voor individueel gebruik door de "
        "leraar. Het kan zowel gedraaid worden op een PC als op een netwerk. Door de mogelijkheden die het biedt "
        "is het een waardevolle aanvulling bij de gewone lerarenagenda."));
    lblDisclaimer->setText(
        QStringLiteral("Dit programma wordt geleverd zoals het is, zonder enige garantie. Controleer cijfers "
                       "en rapporten altijd voordat u ze gebruikt."));

    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(Label1, 0, Qt::AlignHCenter);
    indeling->addWidget(lblTitle);
    indeling->addWidget(lblVersion);
    indeling->addWidget(Line1[0]);
    indeling->addWidget(lblDescription);
    indeling->addWidget(Line1[1]);
    indeling->addWidget(lblDisclaimer);
    indeling->addWidget(cmdOK, 0, Qt::AlignRight);
    setFixedWidth(440);
}
