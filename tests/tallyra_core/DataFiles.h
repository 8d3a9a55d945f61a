#pragma once
// Small helpers shared by the tallyra_core tests: data files built from records and read back.

#include "tallyra/core/RecordWriter.h"
#include "tallyra/core/ResultRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tallyra::test {

// Names of the files a folder holds, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
// FNV-1a of a file's bytes, or 0 when it cannot be read.
std::uint64_t FileHash(const std::string& path);

// A record with questions entries (each with a theme naming its index).
ResultRecord MakeRecord(const std::string& name, const std::string& quiz, int score,
                        const std::string& takenAt = "12/05/2004 14:30:00", int questions = 1);
// "1.4" and the records, in written form.
std::string DataText(const std::vector<ResultRecord>& records);
std::string RecordText(const ResultRecord& record);

} // namespace tallyra::test
