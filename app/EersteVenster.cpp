#include "app/EersteVenster.h"

#include "core/Cp1252.h"
#include "core/Instellingen.h"
#include "termsheet/frmTrimester.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include <filesystem>

EersteVenster::EersteVenster(AdmMain& adm, QWidget* ouder)
    : QMainWindow(ouder), adm_(adm)
{
    setWindowTitle(QStringLiteral("Docenten-Morvaldiek Versie 7.762"));
    QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
    bestand->addAction(QStringLiteral("&Stoppen"), this, &QWidget::close);
    // Until the names list switches views: the term sheet of term 1.
    QMenu* lijsten = menuBar()->addMenu(QStringLiteral("&Lijsten"));
    lijsten->addAction(QStringLiteral("&1-e Trimester"), this, [this] {
        adm_.Scherm = SchermTrimester1;
        adm_.EersteKolom = 1;
        adm_.LaatsteKolom = 8;
        adm_.HuidigeKolom = 1;
        auto* trimester = new frmTrimester(adm_, omgeving_, this);
        trimester->setAttribute(Qt::WA_DeleteOnClose);
        trimester->show();
    });

    auto* midden = new QWidget(this);
    auto* indeling = new QVBoxLayout(midden);
    lblBestand = new QLabel(QString::fromStdString(adm.Bestandsnaam), midden);
    lblSchool = new QLabel(QString::fromStdString(Cp1252NaarUtf8(Trim(adm.School.view()))), midden);
    indeling->addWidget(lblBestand);
    indeling->addWidget(lblSchool);
    indeling->addStretch();
    setCentralWidget(midden);
    resize(640, 200);
}

void EersteVenster::closeEvent(QCloseEvent* e)
{
    try {
        InstellingenBewaren(adm_, adm_.StartMap);
    } catch (...) {
    }
    std::error_code ec;
    std::filesystem::current_path(adm_.StartMap, ec);
    adm_.Gewijzigd = 0;
    e->accept();
}
