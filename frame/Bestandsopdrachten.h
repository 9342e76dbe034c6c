#pragma once
// The file commands, the view switch and the quit that every view window
// shares (the view frame, frame/Weergavevenster.h, runs them from its menus
// and toolbar). Each takes the window that runs it: the parent of the dialogs
// it shows, the window a switch or a quit unloads. The window has committed
// its active box before (Invoervastlegging) and redraws afterwards as the
// result says; what is its own (its redraw, OudeTekst, its view code) stays
// in it. Each save they make (the grade file, the settings file) runs
// through Vensterbestandssysteem: while it waits for another program's save
// in its folder, the wait cursor shows and the windows still paint.

class Weergavevenster;

// The save prompt (Bewaarvraag): while Gewijzigd is 1, frmBewaren asks
// whether to save first. True to go on (saved, "&Nee", or nothing to ask);
// false when cancelled or when the save failed, with nothing changed.
bool Bewaarvraag(Weergavevenster& venster);

// New file: the save prompt, then an empty data set named NAAMLOOS.VLK in
// the current folder. True when done: the window redraws and renews OudeTekst.
bool NieuwBestand(Weergavevenster& venster);

enum class Openuitslag {
    Afgebroken,  // the save prompt was cancelled: nothing changed, no redraw
    Blijft,      // the window stays (the loaded file names its view, or no file was loaded): redraw
    Gewisseld,   // the loaded file names another view: its window took over, this one is unloaded
};

// Open: the save prompt, the open dialog frmBestandLaden (DialoogModus 1:
// a file is loaded all or nothing, a failure says why there), then the view
// the data set now names in Scherm. A cancelled dialog leaves the data set
// and Gewijzigd as they were, also after "&Nee".
Openuitslag BestandLaden(Weergavevenster& venster);

// Save under Bestandsnaam. A failure shows "Foutmelding:" and leaves
// Gewijzigd and the old file as they were. True when saved.
bool BestandOpslaan(Weergavevenster& venster);

// Save as (DialoogModus 2, frmCommonDialoog). True when saved; the window's
// file label then shows the new name at once.
bool BestandOpslaanAls(Weergavevenster& venster);

// Import from another grade file through frmBestandLaden: pupils
// (DialoogImportLeerlingen) or report grades into a grade column
// (DialoogImportRapporten); Gewijzigd := 1 also when it was cancelled. The
// window redraws afterwards.
void Importeren(Weergavevenster& venster, int modus);

// Quit (Stopprocedure): while Gewijzigd is 1 the save prompt (its cancel
// stops the quit: false), then Scherm := 0; then the settings file into
// StartMap, back to the start folder, Gewijzigd := 0 and the window
// unloaded. Without a prompt Scherm keeps the view's code, so the window's
// Form_Unload runs its own close handling as well.
bool Stopprocedure(Weergavevenster& venster);

// The close handling of a window's Form_Unload while its own view is current,
// after it committed its active box: the save prompt while Gewijzigd is 1
// (its cancel sets Cancel and keeps the window), then the settings file into
// StartMap and back to the start folder.
void Sluitprocedure(Weergavevenster& venster, int& Cancel);

// View switch (Schermwissel) to the window of another view: Scherm := the
// code (for a term also its column window 1-8, 17-24 or 33-40), the target
// loaded, this window unloaded (its Form_Unload then does nothing). Row
// window, current pupil and level carry over. Nothing without a view manager.
void Schermwissel(Weergavevenster& venster, int scherm);
