#include "platform/Klembord.h"

#include "platform/Cp1252Qt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool KlembordBevatTekst()
{
    const QClipboard* klembord = QGuiApplication::clipboard();
    const QMimeData* inhoud = klembord ? klembord->mimeData() : nullptr;
    if (!inhoud)
        return false;
    return inhoud->hasText() || inhoud->hasFormat(QStringLiteral("text/rtf")) ||
           inhoud->hasFormat(QStringLiteral("text/richtext")) || inhoud->hasFormat(QStringLiteral("application/rtf"));
}

std::string KlembordTekst()
{
    const QClipboard* klembord = QGuiApplication::clipboard();
    return klembord ? QStringNaarCp1252(klembord->text()) : std::string();
}
