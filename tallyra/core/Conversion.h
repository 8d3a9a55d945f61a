#pragma once
// Upgrade of a data file written by an old version (6-line records without flags or questions)
// to the current format, in place.

#include <string>

namespace tallyra {

// Rewrites the file at path into the current format: the version line "1.4", then each old
// record with four empty flag lines, LastQuestionIndex 0 and one empty question entry. The new
// file is written beside the old one and renamed over it, so a failure at any point leaves the
// old file untouched. An old file that ends inside a record keeps that record's lines, the
// missing ones read as empty: nothing the file held is dropped.
// False when the file cannot be read or the new one cannot be written.
bool ConvertOldDataFile(const std::string& path);

} // namespace tallyra
