#include "tests/tallyra_core/DataFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tallyra::test {

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::uint64_t FileHash(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return 0;
  }
  std::uint64_t hash = 1469598103934665603ull;
  for (char c; in.get(c);) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  return hash;
}

ResultRecord MakeRecord(const std::string& name, const std::string& quiz, int score,
                        const std::string& takenAt, int questions) {
  ResultRecord record;
  record.StudentName = name;
  record.QuizName = quiz;
  record.AuxText = "aux";
  record.ScorePercent = score;
  record.TakenAt = takenAt;
  record.LastQuestionIndex = questions - 1;
  for (int i = 0; i < questions; ++i) {
    QuestionEntry entry;
    entry.Theme = "Th\xE8me " + std::to_string(i);
    entry.QuestionTitle = "Titre";
    entry.ExpectedAnswers[0] = "oui";
    entry.GivenAnswers[0] = "non";
    entry.StartedAt = "14:30:00";
    entry.EndedAt = "14:30:10";
    record.Questions.push_back(entry);
  }
  return record;
}

std::string RecordText(const ResultRecord& record) {
  std::string text;
  AppendRecord(text, record);
  return text;
}

std::string DataText(const std::vector<ResultRecord>& records) {
  std::string text = "1.4\r\n";
  for (const ResultRecord& record : records) {
    text += RecordText(record);
  }
  return text;
}

} // namespace tallyra::test
