#pragma once
// The one place where the Windows-1252 texts of the data set meet QString.

#include <QString>

#include <string>
#include <string_view>

QString Cp1252NaarQString(std::string_view tekst);

// Characters without a Windows-1252 byte (NUL too) become "?"; `volledig` (when given)
// tells whether every character had one.
std::string QStringNaarCp1252(const QString& tekst, bool* volledig = nullptr);

// True when the character has a Windows-1252 byte a text can hold (NUL has none).
bool InCp1252(QChar teken);
