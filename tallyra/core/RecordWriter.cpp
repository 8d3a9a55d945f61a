#include "tallyra/core/RecordWriter.h"

namespace tallyra {

std::string NumberText(int value) {
  std::string text = std::to_string(value);
  if (value >= 0) {
    text.insert(text.begin(), ' ');
  }
  return text;
}

void AppendLine(std::string& out, std::string_view line) {
  out += line;
  out += "\r\n";
}

void AppendRecord(std::string& out, const ResultRecord& record) {
  AppendLine(out, record.StudentName);
  AppendLine(out, NumberText(record.QuizType));
  AppendLine(out, record.QuizName);
  AppendLine(out, record.AuxText);
  AppendLine(out, NumberText(record.ScorePercent));
  AppendLine(out, record.TakenAt);
  AppendLine(out, NumberText(record.TimeLimited));
  AppendLine(out, NumberText(record.TimeLimitSeconds));
  AppendLine(out, NumberText(record.RandomOrder));
  AppendLine(out, NumberText(record.ReverseDirection));
  AppendLine(out, NumberText(record.LastQuestionIndex));
  for (const QuestionEntry& entry : record.Questions) {
    AppendLine(out, entry.Theme);
    AppendLine(out, entry.QuestionTitle);
    AppendLine(out, entry.QuestionText);
    for (int j = 0; j < kAnswerSlots; ++j) {
      AppendLine(out, entry.ExpectedAnswers[j]);
      AppendLine(out, entry.GivenAnswers[j]);
    }
    AppendLine(out, NumberText(entry.QuestionScore));
    AppendLine(out, entry.StartedAt);
    AppendLine(out, entry.EndedAt);
  }
}

} // namespace tallyra
