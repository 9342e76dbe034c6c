#pragma once
// The first window after start-up until the names list takes its place:
// shows which grade file is open and lets the program be closed.

#include "core/AdmMain.h"
#include "platform/Omgeving.h"

#include <QLabel>
#include <QMainWindow>

class EersteVenster : public QMainWindow {
    Q_OBJECT
public:
    explicit EersteVenster(AdmMain& adm, QWidget* ouder = nullptr);

    QLabel* lblBestand;
    QLabel* lblSchool;

protected:
    // The quit: the settings file into the start folder and back to that
    // folder, errors skipped.
    void closeEvent(QCloseEvent* e) override;

private:
    AdmMain& adm_;
    QtOmgeving omgeving_;
};
