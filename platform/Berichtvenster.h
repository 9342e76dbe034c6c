#pragma once
// The program's message box, as QtOmgeving shows it: the buttons of the
// style left to right with Dutch captions, the style's default button, Esc
// for Cancel (or for OK when it stands alone), and a letter for the button
// it marks (Letterknop, platform/Venster.h), with or without Alt. It is
// never narrower than its title needs (Berichtbreedte).

#include <QMessageBox>

class QKeyEvent;
class QPushButton;

class Berichtvenster : public QMessageBox {
    Q_OBJECT
public:
    // Style and answers as Omgeving::Bericht takes and gives them.
    Berichtvenster(const QString& tekst, int stijl, const QString& titel, QWidget* ouder = nullptr);

    // The answer of the button pressed; closed without one: Cancel where
    // there is one, else the default.
    int Antwoord() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    int stijl_;
    int n_ = 0;
    int antwoorden_[3] = {};
    QPushButton* knoppen_[3] = {};
};

// The least width of a message box with this title: the title in the
// title-bar font and 150 pixels beside it for the window manager's icon and
// buttons (its title font may be larger than the program's), never under
// 240 pixels, never wider than the screen.
int Berichtbreedte(const QString& titel);
