#pragma once
// Paths of the data set are native (the bytes the file system uses); the
// windows take and give them as QString through these two, and show them
// through PadTonen.

#include "core/Cp1252.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>


inline std::string QStringNaarPad(const QString& pad) { return QFile::encodeName(pad).toStdString(); }
inline QString PadNaarQString(const std::string& pad) { return QFile::decodeName(QByteArray::fromStdString(pad)); }

// A path as a window shows it (never to be turned back into a path): each
// well-formed UTF-8 character as itself, each stray byte (a name copied from
// an older machine) as its Windows-1252 letter, as the open dialog's file
// table reads it. Also for a message that names a path.
inline QString PadTonen(const std::string& pad) { return QString::fromStdString(GemengdNaarUtf8(pad)); }
