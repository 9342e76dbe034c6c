#pragma once
// Window tests of the view family: the real view windows loaded by a view
// manager over a temporary start folder, every modal window answered by
// the test environment, and helpers that answer the save prompt and the
// open dialog.

#include "app/Vensters.h"
#include "frame/frmBestandLaden.h"
#include "frame/Weergaven.h"
#include "frame/Weergavevenster.h"
#include "platform/Paden.h"

#include "VensterTest.h"
#include "Werkmap.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <memory>

namespace VensterTest {

// Chooses a menu item as the user does: its top-level menu opens (the
// commit), closes, and the item runs.
inline void Kies(QAction* item)
{
    ASSERT_NE(item, nullptr);
    for (QObject* o : item->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(o)) {
            KiesMenu(*menu, *item);
            return;
        }
    }
    ADD_FAILURE() << "item in no menu: " << item->text().toStdString();
}

inline TestOmgeving::Script Knop(const char* tekst)
{
    return [tekst](QDialog& d) { KlikKnop(d, QString::fromUtf8(tekst)); };
}

// Answers the open dialog: the file's row (its name without ".vlk", as the
// table shows it) is chosen and opened; "&Annuleren" when `daarna` says so
// after a failure.
inline TestOmgeving::Script Open(const std::string& pad, bool daarnaAnnuleren = false)
{
    const QString stam = PadTonen(std::filesystem::path(pad).stem().string());
    return [stam, daarnaAnnuleren](QDialog& d) {
        auto* dlg = dynamic_cast<frmBestandLaden*>(&d);
        ASSERT_NE(dlg, nullptr) << d.windowTitle().toStdString();
        QListWidget& lijst = *dlg->lstBestandenLijst;
        int rij = -1;
        for (int k = 0; k < lijst.count(); ++k)
            if (lijst.item(k)->text().section(QLatin1Char(' '), 0, 0) == stam)
                rij = k;
        ASSERT_GE(rij, 0) << stam.toStdString();
        lijst.setCurrentRow(rij);
        KlikKnop(d, QStringLiteral("&Openen"));
        if (daarnaAnnuleren)
            KlikKnop(d, QStringLiteral("&Annuleren"));
    };
}

class Familieproef : public ::testing::Test {
public:
    void SetUp() override
    {
        map.Start(adm);
        weergaven.Einde = [this] { ++einde; };
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The first window, shown and active, with Scherm naming its view.
    template <class T>
    T& Start(int scherm)
    {
        adm.Scherm = scherm;
        Weergavevenster* v = weergaven.Laden(scherm);
        EXPECT_TRUE(Activeer(*v));
        auto* t = dynamic_cast<T*>(v);
        EXPECT_NE(t, nullptr);
        return *t;
    }

    // The one window loaded, of the kind expected.
    template <class T>
    T* Enige()
    {
        Verwerk();
        if (weergaven.Vensters().size() != 1)
            return nullptr;
        return dynamic_cast<T*>(weergaven.Vensters().front());
    }

    // A file of the class, saved from a data set of its own.
    std::string Bewaard(const std::string& naam, int scherm, const char* achternaam = "Visser")
    {
        auto ander = std::make_unique<AdmMain>();
        VulProef(*ander, achternaam);
        ander->Scherm = scherm;
        CijferbestandOpslaan(*ander, map / naam);
        return map / naam;
    }

    Werkmap map;
    std::unique_ptr<AdmMain> admp = std::make_unique<AdmMain>();
    AdmMain& adm = *admp;
    TestOmgeving omgeving;
    Weergaven weergaven{[this](int scherm) { return MaakVenster(adm, omgeving, scherm); }};
    int einde = 0;
};

}  // namespace VensterTest
