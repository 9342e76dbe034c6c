#include "platform/Vensterbestandssysteem.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>

Vensterbestandssysteem::~Vensterbestandssysteem()
{
    if (cursor_)
        QApplication::restoreOverrideCursor();
}

int Vensterbestandssysteem::usleep(useconds_t microseconden)
{
    // What is drawn stays drawn (a menu that closed, a window uncovered);
    // input waits until the save is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return Bestandssysteem::usleep(microseconden);
}

void Vensterbestandssysteem::slotwacht(bool begint)
{
    if (begint == cursor_)
        return;
    if (begint)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
    cursor_ = begint;
}
