#include "tallyra/core/Conversion.h"

#include "tallyra/core/LineReader.h"
#include "tallyra/core/RecordWriter.h"
#include "tallyra/core/ReplacementFile.h"
#include "tallyra/core/Version.h"
#include "platform/text/Text.h"

namespace tallyra {
namespace {

constexpr int kOldRecordLines = 6;

} // namespace

bool ConvertOldDataFile(const std::string& path) {
  LineReader in;
  if (!in.Open(path)) {
    return false;
  }
  ReplacementFile out;
  if (!out.Create(path)) {
    return false;
  }
  std::string line;
  in.ReadLine(line);  // the old version line
  std::string block;
  AppendLine(block, kProgramVersionLine);
  while (in.ReadLine(line)) {
    std::string fields[kOldRecordLines - 1];
    for (std::string& field : fields) {
      in.ReadLine(field);  // a missing line stays empty
    }
    AppendLine(block, line);
    AppendLine(block, NumberText(platform::AtoiPrefix(fields[0])));
    AppendLine(block, fields[1]);
    AppendLine(block, fields[2]);
    AppendLine(block, NumberText(platform::AtoiPrefix(fields[3])));
    AppendLine(block, fields[4]);
    for (int i = 0; i < 4; ++i) {
      AppendLine(block, "");
    }
    AppendLine(block, NumberText(0));
    for (int i = 0; i < kQuestionLines; ++i) {
      AppendLine(block, "");
    }
    if (!out.Write(block)) {
      return false;
    }
    block.clear();
  }
  if (in.Failed() || !out.Write(block)) {
    return false;
  }
  in.Close();
  return out.Commit();
}

} // namespace tallyra
