#include "platform/Cp1252Qt.h"

#include "core/Cp1252.h"

QString Cp1252NaarQString(std::string_view tekst)
{
    QString r;
    r.reserve(static_cast<qsizetype>(tekst.size()));
    for (unsigned char c : tekst)
        r += QChar(static_cast<char16_t>(Cp1252NaarUnicode(c)));
    return r;
}

bool InCp1252(QChar teken)
{
    // NUL has byte 0, but no text of the data set or of a file can hold it.
    return UnicodeNaarCp1252(teken.unicode(), 0) != 0;
}

std::string QStringNaarCp1252(const QString& tekst, bool* volledig)
{
    std::string r;
    r.reserve(static_cast<std::size_t>(tekst.size()));
    bool alles = true;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar q = tekst[i];
        if (InCp1252(q)) {
            r += static_cast<char>(UnicodeNaarCp1252(q.unicode()));
            continue;
        }
        r += '?';
        alles = false;
        if (q.isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate())
            ++i;  // one character, one "?"
    }
    if (volledig)
        *volledig = alles;
    return r;
}
