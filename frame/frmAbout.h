#pragma once
// The about box every view's "&Info" shows modally.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* ouder = nullptr);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* Label1;
    QFrame* Line1[2];
    QPushButton* cmdOK;
};
