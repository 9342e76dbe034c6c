#pragma once
// A temporary folder (tests/Tijdelijkemap.h) that is the current folder (and the start folder of
// the data set) for one test, and the helpers to fill and read it.

#include "core/AdmMain.h"
#include "core/Cijferbestand.h"

#include "Tijdelijkemap.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class Werkmap {
public:
    Werkmap() : vorige_(std::filesystem::current_path())
    {
        std::filesystem::current_path(pad());
    }
    ~Werkmap()
    {
        std::error_code ec;
        std::filesystem::current_path(vorige_, ec);
    }

    std::string pad() const { return map_.pad().string(); }
    std::string operator/(const std::string& naam) const { return pad() + "/" + naam; }

    // The data set's folders point here, as after a start in this folder.
    void Start(AdmMain& adm) const
    {
        adm.StartMap = adm.LaatsteMap = adm.ReserveMap1 = adm.ReserveMap2 = pad();
        adm.Bestandsnaam = *this / "NAAMLOOS.VLK";
    }

private:
    Tijdelijkemap map_;
    std::filesystem::path vorige_;
};

inline std::string LeesBestand(const std::string& pad)
{
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool Bestaat(const std::string& pad)
{
    std::error_code ec;
    return std::filesystem::exists(pad, ec);
}

// A small class with a grade, so that a file shows whether it was written;
// with its column's statistics, so that a load keeps it as it stands.
inline void VulProef(AdmMain& adm, const char* achternaam = "Jansen")
{
    adm.Achternaam(1) = achternaam;
    adm.Roepnaam(1) = "Piet";
    adm.Cijfer(1, 1, 1) = "7.5";
    adm.KlAantal(1, 1) = 1;
    adm.KlGem(1, 1) = 7.5;
    adm.KlGemTxt(1, 1) = "7.5";
    adm.KlSpr(1, 1) = 0;
    adm.KlSprTxt(1, 1) = "0";
    adm.Klas = "3A    ";
    adm.Gewijzigd = 1;
}

// The whole data set a file holds, as its bytes.
inline std::string Inhoud(const AdmMain& adm) { return CijferbestandTekst(adm); }

inline std::string GeladenInhoud(const std::string& pad)
{
    auto adm = std::make_unique<AdmMain>();
    CijferbestandOpenen(*adm, pad);
    return Inhoud(*adm);
}

// Answers a file dialog: the full path is typed into its name box and accepted.
inline auto KiesBestand(const std::string& pad)
{
    return [pad](QDialog& d) {
        auto* f = dynamic_cast<QFileDialog*>(&d);
        ASSERT_NE(f, nullptr) << "no file dialog: " << d.windowTitle().toStdString();
        auto* naam = f->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(naam, nullptr);
        naam->setText(QString::fromStdString(pad));
        d.accept();  // QFileDialog::accept, through the public QDialog slot
    };
}
