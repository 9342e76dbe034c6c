#pragma once
// A frame as the windows are described: a sunken rectangle with its caption
// standing in the top edge; controls inside are placed from its own corner.

#include <QString>
#include <QWidget>

class Kader : public QWidget {
public:
    explicit Kader(const QString& titel, QWidget* parent = nullptr);

    QString Titel() const { return titel_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString titel_;
};
