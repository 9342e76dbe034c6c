#pragma once
// Paths of the data set are native (the bytes the file system uses); the
// windows take and give them as QString through these two, and show them
// through PadTonen.

#include "core/Cp1252.h"
#include "platform/Cp1252Qt.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>


inline std::string QStringNaarPad(const QString& pad) { return QFile::encodeName(pad).toStdString(); }
inline QString PadNaarQString(const std::string& pad) { return QFile::decodeName(QByteArray::fromStdString(pad)); }

// A path as a window shows it (never to be turned back into a path): as the
// system decodes it when that gives its bytes back, else (a name copied from
// an older machine, no UTF-8) each stray byte as Windows-1252, as the open
// dialog's file table reads it.
inline QString PadTonen(const std::string& pad)
{
    const QString tekst = PadNaarQString(pad);
    return QStringNaarPad(tekst) == pad ? tekst : Cp1252NaarQString(Utf8NaarCp1252(pad));
}
