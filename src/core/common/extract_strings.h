#pragma once

#include <QString>

namespace tessaly {

// Writes the readable runs (letters, digits, blanks) of a file to a new text file, one run
// a line, runs of more than minimum and at most maximum + 1 characters, consecutive
// repeats once. Runs do not continue across 2048-byte chunks. False, after the error box,
// when the source cannot be opened.
bool extractStrings(const QString& sourceFile, const QString& outputFile, int minimumLength, int maximumLength);

}  // namespace tessaly
