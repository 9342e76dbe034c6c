#include "platform/Opmaak.h"

#include <cstring>

QFont VbLetter(const char* naam, double punten, bool vet)
{
    QFont f;
    if (std::strncmp(naam, "Courier", 7) == 0) {
        f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    } else if (std::strcmp(naam, "MS Sans Serif") == 0) {
        f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")});
        f.setStyleHint(QFont::SansSerif);
    } else {
        f.setFamily(QString::fromUtf8(naam));
    }
    f.setPointSizeF(punten);
    f.setBold(vet);
    return f;
}
