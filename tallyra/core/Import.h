#pragma once
// The two menu commands that work on whole data files: "Importer..." appends the records of
// another data file to the data file, "Exporter..." copies the data file.
//
// The data file is never written in place. The import first reads the whole source once,
// checking every record, into a nameless scratch file; then it builds the new data file beside
// the old one from the data file's complete records, the imported records, and whatever follows
// them in the data file (a record Mentiva is still writing), and renames it over the data file
// only when everything was read and written. So an import that fails part-way (unreadable or
// damaged source, disk full) leaves the data file byte for byte as it was.
//
// Mentiva appends without any lock. What it adds while the new file is built is copied from the
// data file's end until its length stops changing, once more under an exclusive flock just before
// the rename, and once more from the old file right after it; a data file replaced, shrunk or
// created behind the import makes it start over. A writer that wants no window at all takes the
// same flock, checks that the file it holds is still the one at the path (reopening it if not),
// appends and unlocks.

#include <string>

namespace tallyra {

enum class ImportResult {
  Ok,
  NoDataFile,        // no data file path: nothing appended (an old source is still converted)
  SourceUnreadable,  // the chosen file cannot be opened or read
  SourceTooNew,      // "Version du fichier de données incorrecte ou fichier endommagé !"
  SourceDamaged,     // a record cut short (its last line end included) or with
                     // LastQuestionIndex outside 0..400
  DataTooNew,        // the data file itself was written by a newer program
  WriteFailed,       // the new data file could not be written (disk full, no permission)
};

// Appends the records of sourcePath to the data file at dataPath; an old-format source is first
// converted on disk. imported, when given, receives the number of records appended.
ImportResult ImportDataFile(const std::string& dataPath, const std::string& sourcePath,
                            int* imported = nullptr);

enum class CopyResult { Ok, NoDataFile, WriteFailed };

// Copies the data file to target, replacing target atomically.
CopyResult CopyDataFile(const std::string& dataPath, const std::string& target);

} // namespace tallyra
