#pragma once
// The start-up logo: the program's name, version and maker line over the
// logo picture. A key press or a click on the picture closes it; how long it
// stays is up to whoever shows it.

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <functional>

class frmHarvemoLogo : public QWidget {
    Q_OBJECT
public:
    explicit frmHarvemoLogo(QWidget* ouder = nullptr);

    // Shows the window without waiting for it, lets it be painted, then waits
    // `wachttijdMs` milliseconds through Wachten (none for 0).
    //
    // The picture is drawn in that wait, so that it never holds up the
    // window's first paint; until then its place shows the picture's
    // background colour. Without a wait it is not drawn at all.
    void ToonEnWacht(int wachttijdMs);

    // The wait: the event loop keeps running for that long. Tests replace it.
    std::function<void(int ms)> Wachten;

    // Draws the picture into its place unless it is there already: before a
    // wait that lets no events through.
    void BeeldTekenen();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Image1;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool getekend_ = false;
};

// The logo picture, 480 x 280 pixels, drawn here rather than loaded.
QPixmap LogoAfbeelding();

// The maker's line of the logo and the about box.
QString Makersregel();
