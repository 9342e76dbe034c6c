#include "app/Start.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return ProgrammaUitvoeren(Opdrachtargument(argc, argv));
}
