#include "tallyra/core/RecordReader.h"

#include "tallyra/core/Version.h"
#include "platform/text/Text.h"

namespace tallyra {

bool RecordReader::Open(const std::string& path) {
  version_ = 0;
  versionTerminated_ = false;
  versionEnd_ = 0;
  if (!lines_.Open(path)) {
    return false;
  }
  if (lines_.ReadLine(scratch_)) {
    version_ = VersionValue(scratch_);
    versionTerminated_ = lines_.LastLineTerminated();
  } else if (lines_.Failed()) {
    lines_.Close();
    return false;
  }
  versionEnd_ = lines_.Offset();
  return true;
}

bool RecordReader::Line(std::string& out) { return lines_.ReadLine(out); }

ReadStatus RecordReader::Shortfall() const {
  return lines_.Failed() ? ReadStatus::ReadError : ReadStatus::Truncated;
}

ReadStatus RecordReader::ReadHeader(ResultRecord& record) {
  record.Questions.clear();
  if (!Line(record.StudentName)) {
    return lines_.Failed() ? ReadStatus::ReadError : ReadStatus::End;
  }
  auto number = [&](int& field) {
    if (!Line(scratch_)) {
      return false;
    }
    field = platform::AtoiPrefix(scratch_);
    return true;
  };
  const bool complete = number(record.QuizType) && Line(record.QuizName) &&
                        Line(record.AuxText) && number(record.ScorePercent) &&
                        Line(record.TakenAt) && number(record.TimeLimited) &&
                        number(record.TimeLimitSeconds) && number(record.RandomOrder) &&
                        number(record.ReverseDirection) && number(record.LastQuestionIndex);
  if (!complete) {
    return Shortfall();
  }
  return QuestionIndexInRange(record) ? ReadStatus::Ok : ReadStatus::OutOfRange;
}

ReadStatus RecordReader::SkipQuestions(const ResultRecord& record) {
  const long lines = QuestionCountOf(record) * kQuestionLines;
  if (lines_.SkipLines(lines) != lines) {
    return Shortfall();
  }
  return QuestionIndexInRange(record) ? ReadStatus::Ok : ReadStatus::OutOfRange;
}

ReadStatus RecordReader::ReadQuestions(ResultRecord& record) {
  if (!QuestionIndexInRange(record)) {
    return SkipQuestions(record);
  }
  record.Questions.resize(static_cast<std::size_t>(QuestionCountOf(record)));
  for (QuestionEntry& entry : record.Questions) {
    bool complete = Line(entry.Theme) && Line(entry.QuestionTitle) && Line(entry.QuestionText);
    for (int j = 0; complete && j < kAnswerSlots; ++j) {
      complete = Line(entry.ExpectedAnswers[j]) && Line(entry.GivenAnswers[j]);
    }
    complete = complete && Line(scratch_);
    if (complete) {
      entry.QuestionScore = platform::AtoiPrefix(scratch_);
    }
    complete = complete && Line(entry.StartedAt) && Line(entry.EndedAt);
    if (!complete) {
      record.Questions.clear();
      return Shortfall();
    }
  }
  return ReadStatus::Ok;
}

ReadStatus RecordReader::Next(ResultRecord& record, QuestionMode mode) {
  const ReadStatus header = ReadHeader(record);
  if (header != ReadStatus::Ok && header != ReadStatus::OutOfRange) {
    return header;
  }
  return mode == QuestionMode::Read ? ReadQuestions(record) : SkipQuestions(record);
}

} // namespace tallyra
