#pragma once
// The start-up sequence. What needs the window system, and the mending of a
// loaded file that lives above core, come in through Opstartdiensten, so that
// the sequence runs in a test without a display.

#include "core/AdmMain.h"
#include "core/Cijferbestand.h"

#include <functional>
#include <string>

struct Schermformaat {
    int breedte = 0;  // pixels
    int hoogte = 0;
};

struct Opstartdiensten {
    // Shows the logo window, lets it be painted and waits its time.
    std::function<void()> ToonLogo;
    // Registers the grade-file type with the desktop (RegistreerCijferbestand).
    std::function<void()> RegistreerBestandstype;
    // The primary screen's size.
    std::function<Schermformaat()> Scherm;
    // A message box: text and title in Windows-1252, style as the message
    // boxes have it (48: exclamation icon and OK). Returns when it is closed.
    std::function<void(const std::string& tekst, const std::string& titel, int stijl)> Melding;
    // Opens the first window, which shows itself.
    std::function<void()> ToonEersteVenster;
    // Mends the grade file named on the command line before it is taken
    // over, as the open dialog's load does (from above core: app hands in
    // termsheet's GeladenHerstellen). None: the file as it stands.
    Laadherstel Herstel = nullptr;
};

inline constexpr const char* Opstarttitel = "Morvaldiek";  // the title of the screen warning
inline constexpr const char* Schermwaarschuwing = "\nSchermformaat onjuist.\nAanbevolen schermresolutie: 800x600 pixels";
inline constexpr int StijlUitroepteken = 48;

// Start-up: logo, file-type registration, folders, an empty data set in its
// start-up display state, the settings file (written at once when it cannot
// be read), the small-screen warning, the grade file named by `argument`
// (nothing when empty; mended by diensten.Herstel; a failed load is silent
// and leaves the data set as it was), then the first window.
void Main(AdmMain& adm, const std::string& argument, const Opstartdiensten& diensten);
