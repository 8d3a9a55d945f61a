#pragma once
// One result of the data file, as Mentiva appends it: an 11-line header, then
// LastQuestionIndex + 1 question entries of 16 lines each. Texts are Windows-1252 bytes kept
// exactly as read; numbers are held as int so that no value read from a file can overflow.

#include <array>
#include <string>
#include <vector>

namespace tallyra {

inline constexpr int kHeaderLines = 11;
inline constexpr int kQuestionLines = 16;
inline constexpr int kAnswerSlots = 5;
inline constexpr int kMaxQuestionIndex = 400;  // room for 401 entries, indexes 0 to 400

struct QuestionEntry {
  std::string Theme;
  std::string QuestionTitle;  // plain or RTF
  std::string QuestionText;   // plain or RTF
  std::array<std::string, kAnswerSlots> ExpectedAnswers;
  std::array<std::string, kAnswerSlots> GivenAnswers;
  int QuestionScore = 0;  // 0: not answered correctly
  std::string StartedAt;
  std::string EndedAt;
};

struct ResultRecord {
  std::string StudentName;
  int QuizType = 0;
  std::string QuizName;
  std::string AuxText;
  int ScorePercent = 0;
  std::string TakenAt;  // date, one blank, time
  int TimeLimited = 0;
  int TimeLimitSeconds = 0;
  int RandomOrder = 0;
  int ReverseDirection = 0;
  int LastQuestionIndex = 0;
  // Filled only when the entries are read, not skipped.
  std::vector<QuestionEntry> Questions;
};

// How many question entries follow the header: LastQuestionIndex + 1, none when it is negative.
inline long QuestionCountOf(const ResultRecord& record) {
  return record.LastQuestionIndex < 0 ? 0 : static_cast<long>(record.LastQuestionIndex) + 1;
}

inline bool QuestionIndexInRange(const ResultRecord& record) {
  return record.LastQuestionIndex >= 0 && record.LastQuestionIndex <= kMaxQuestionIndex;
}

} // namespace tallyra
