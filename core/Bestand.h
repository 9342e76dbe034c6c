#pragma once
// Whole-file reading and writing shared by every file format.

#include <cstddef>
#include <string>
#include <vector>

// Writes the bytes into a temporary file in the target's folder and renames
// it over the target, so a failed write leaves the old file as it was.
// Raises Bestandsfout with the system's description.
void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud);

// The lines of a text file, each without its CR LF (or LF). A missing or
// unreadable file raises Bestandsfout; so does a line longer than maxRegel
// or a NUL byte, so that a binary file is never taken for text.
std::vector<std::string> LeesRegels(const std::string& pad, std::size_t maxRegel = 4096);

// The same, line by line into `regels`: when it raises, the lines before the
// failure are there.
void LeesRegels(const std::string& pad, std::vector<std::string>& regels, std::size_t maxRegel = 4096);
