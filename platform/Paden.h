#pragma once
// Paths of the data set are native (the bytes the file system uses); the
// windows show and take them as QString through these two.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

inline QString PadNaarQString(const std::string& pad) { return QFile::decodeName(QByteArray::fromStdString(pad)); }

inline std::string QStringNaarPad(const QString& pad) { return QFile::encodeName(pad).toStdString(); }
