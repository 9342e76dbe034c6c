#pragma once
// The toolbar of the view windows: positions counted from 1, keyed buttons
// ("New", "Open", "Save", "Print", "Trim1".."Trim3", "NAM", "RAP", "JAAR",
// "NIVO1", "NIVO2", "ZOEK", "STOP"), separators and empty placeholders.
// Its buttons never take the focus, so the box being edited keeps it. A
// button's pressed state is set by the program only; a click reports the
// key and leaves the state as it was.

#include <QIcon>
#include <QString>
#include <QToolBar>

#include <vector>

class QAction;
class QToolButton;

class Werkbalk : public QToolBar {
    Q_OBJECT
public:
    explicit Werkbalk(QWidget* parent = nullptr);

    void VoegKnopToe(const QString& key, const QString& tip);
    void VoegScheidingToe();
    void VoegLeegToe();

    int Aantal() const { return static_cast<int>(posities_.size()); }
    QToolButton* Knop(const QString& key) const;
    QToolButton* KnopOp(int positie) const;  // nullptr for a separator or placeholder
    QString Key(int positie) const;

    // Value 1 (pressed) or 0.
    void ZetIngedrukt(int positie, bool ingedrukt);
    void ZetIngedrukt(const QString& key, bool ingedrukt);
    bool Ingedrukt(const QString& key) const;

signals:
    void ButtonClick(const QString& key);

private:
    struct Positie {
        QAction* actie = nullptr;
        QString key;
    };
    int Plaats(const QString& key) const;

    std::vector<Positie> posities_;
};

// The button images, drawn here (16 × 16).
QIcon Werkbalkpictogram(const QString& key);
