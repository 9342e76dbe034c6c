#pragma once
// Paths as texts: native paths with "/" between the steps, the same rules
// for every file the program names.

#include <string>

// Folder and file name joined by "/": never a second "/" after a folder that
// ends in one (the root), and a name alone for an empty folder (relative to
// the current one).
std::string PadSamenvoegen(const std::string& map, const std::string& naam);

// The folder of a path: what stands before its last "/", the root "/" for a
// file in the root, "." (the current folder) for a path without "/".
std::string MapVan(const std::string& pad);

// The part of a path after its last "/" (the whole text when it holds none).
std::string Bestandsdeel(const std::string& pad);

// The current folder as a native path ("/" when it cannot be told).
std::string HuidigeMap();
