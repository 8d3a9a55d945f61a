#pragma once
// The written form of records: texts as they are, numbers in number form, CR LF after each line.

#include "tallyra/core/ResultRecord.h"

#include <string>
#include <string_view>

namespace tallyra {

// Decimal with a leading blank when not negative: " 75", " 0", "-1".
std::string NumberText(int value);

void AppendLine(std::string& out, std::string_view line);
// The header and, when present, the entries of record.Questions.
void AppendRecord(std::string& out, const ResultRecord& record);

} // namespace tallyra
