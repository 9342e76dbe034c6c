#pragma once
// The start-up logo: the program's name, version and maker line over the
// logo picture. A key press or a click on the picture closes it; how long it
// stays is up to whoever shows it.

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <future>

class frmHarvemoLogo : public QWidget {
    Q_OBJECT
public:
    explicit frmHarvemoLogo(QWidget* ouder = nullptr);
    ~frmHarvemoLogo() override;

    // Shows the window without waiting for it, lets it be painted, then waits
    // `wachttijdMs` milliseconds through Wachten (none for 0).
    //
    // The picture is drawn in the background from construction on, so that
    // it does not hold up the window's first paint; until it takes its place
    // (at the next event processing after it is ready), that place shows the
    // picture's background colour.
    void ToonEnWacht(int wachttijdMs);

    // The wait: the event loop keeps running for that long. Tests replace it.
    std::function<void(int ms)> Wachten;

    // Puts the picture in place, waiting for it when it is not ready yet:
    // before a wait that lets no events through.
    void BeeldAfwachten();

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
    std::future<QImage> beeld_;
};

// The logo picture, 480 x 280 pixels, drawn here rather than loaded; LogoBeeld
// may be called from any thread.
QImage LogoBeeld();
QPixmap LogoAfbeelding();

// The maker's line of the logo and the about box.
QString Makersregel();
