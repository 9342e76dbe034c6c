#include "frame/frmHarvemoLogo.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

QString Makersregel()
{
    return QString::fromUtf8("Morvaldiek \u2014 cijferadministratie");
}

namespace {

const QColor Achtergrondkleur(0x12, 0x3c, 0x69);

}  // namespace

QPixmap LogoAfbeelding()
{
    QPixmap beeld(480, 280);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient achtergrond(0, 0, 480, 280);
    achtergrond.setColorAt(0, Achtergrondkleur);
    achtergrond.setColorAt(1, QColor(0x1f, 0x7a, 0x8c));
    p.fillRect(beeld.rect(), achtergrond);

    // A page of a grade book: ruled rows and columns with a few marks.
    const QRectF blad(286, 38, 170, 204);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(blad.translated(6, 6), 6, 6);
    p.setBrush(QColor(0xfb, 0xf8, 0xef));
    p.drawRoundedRect(blad, 6, 6);
    p.setPen(QPen(QColor(0xa8, 0xc4, 0xd8), 1));
    for (int r = 1; r < 8; ++r)
        p.drawLine(QPointF(blad.left() + 8, blad.top() + r * 25.5), QPointF(blad.right() - 8, blad.top() + r * 25.5));
    p.setPen(QPen(QColor(0xd9, 0x6c, 0x5a), 1.5));
    p.drawLine(QPointF(blad.left() + 56, blad.top() + 8), QPointF(blad.left() + 56, blad.bottom() - 8));
    QFont cijfers(QStringLiteral("Liberation Mono"));
    cijfers.setPixelSize(13);
    p.setFont(cijfers);
    const char* marks[7][3] = {{"7.5", "8", "6.9"}, {"5.2", "6", "7.1"}, {"8.4", "9", "8"},  {"6", "5.8", "6.5"},
                               {"9.1", "8.7", "9"}, {"4.9", "6.2", "5.5"}, {"7", "7.4", "8.2"}};
    for (int r = 0; r < 7; ++r) {
        p.setPen(QColor(0x55, 0x55, 0x55));
        p.drawText(QRectF(blad.left() + 10, blad.top() + r * 25.5 + 6, 50, 20), Qt::AlignLeft,
                   QString::number(r + 1) + ".");
        for (int k = 0; k < 3; ++k) {
            const double v = QString::fromLatin1(marks[r][k]).toDouble();
            p.setPen(v < 5.5 ? QColor(0xc0, 0x20, 0x20) : QColor(0x20, 0x30, 0x50));
            p.drawText(QRectF(blad.left() + 62 + k * 34, blad.top() + r * 25.5 + 6, 30, 20), Qt::AlignRight,
                       QString::fromLatin1(marks[r][k]));
        }
    }

    // The name beside it.
    p.setPen(Qt::white);
    QFont naam;
    naam.setPixelSize(34);
    naam.setBold(true);
    p.setFont(naam);
    p.drawText(QRectF(24, 86, 250, 52), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Morvaldiek"));
    QFont onder;
    onder.setPixelSize(17);
    p.setFont(onder);
    p.setPen(QColor(0xd8, 0xec, 0xf2));
    p.drawText(QRectF(26, 140, 236, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("cijferadministratie"));
    p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 3));
    p.drawLine(QPointF(26, 176), QPointF(200, 176));
    return beeld;
}

frmHarvemoLogo::frmHarvemoLogo(QWidget* ouder)
    : QWidget(ouder, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmHarvemoLogo"));
    Wachten = [](int ms) {
        QEventLoop lus;
        QTimer::singleShot(ms, &lus, &QEventLoop::quit);
        lus.exec();
    };
    setAutoFillBackground(true);
    QPalette kleuren = palette();
    kleuren.setColor(QPalette::Window, Qt::white);
    setPalette(kleuren);

    Image1 = new QLabel(this);
    QPixmap wacht(480, 280);
    wacht.fill(Achtergrondkleur);
    Image1->setPixmap(wacht);
    Image1->setFixedSize(480, 280);
    Image1->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("DOCENTEN-MORVALDIEK"), this);
    QFont titel = Label1->font();
    titel.setPointSize(titel.pointSize() + 6);
    titel.setBold(true);
    Label1->setFont(titel);
    Label2 = new QLabel(QStringLiteral("Versie 7.762"), this);
    Label4 = new QLabel(QStringLiteral("voor Windows 95/98/ME/2K/XP/VISTA"), this);
    Label5 = new QLabel(Makersregel(), this);
    Label6 = new QLabel(this);

    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(12, 12, 12, 12);
    indeling->addWidget(Image1, 0, Qt::AlignHCenter);
    for (QLabel* l : {Label1, Label2, Label4, Label5, Label6}) {
        l->setAlignment(Qt::AlignHCenter);
        indeling->addWidget(l);
    }
    setFixedSize(sizeHint());
}

void frmHarvemoLogo::BeeldTekenen()
{
    if (getekend_)
        return;
    getekend_ = true;
    Image1->setPixmap(LogoAfbeelding());
}

void frmHarvemoLogo::ToonEnWacht(int wachttijdMs)
{
    if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(scherm->availableGeometry().center());
        move(r.topLeft());
    }
    show();
    raise();
    QCoreApplication::processEvents();
    if (wachttijdMs > 0 && Wachten) {
        // Drawn as soon as the wait lets events run.
        QTimer::singleShot(0, this, [this] { BeeldTekenen(); });
        Wachten(wachttijdMs);
    }
}

void frmHarvemoLogo::keyPressEvent(QKeyEvent*)
{
    close();
}

bool frmHarvemoLogo::eventFilter(QObject* o, QEvent* e)
{
    if (o == Image1 && e->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(o, e);
}
