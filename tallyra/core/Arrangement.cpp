#include "tallyra/core/Arrangement.h"

#include "platform/text/Text.h"

#include <algorithm>
#include <array>
#include <climits>

namespace tallyra {
namespace {

using F = Field;

constexpr std::array<Arrangement, kSortOrderCount> kArrangements{{
    {F::Name, F::Quiz, F::TakenAt, F::Score, true},
    {F::Name, F::Score, F::TakenAt, F::Quiz, false},
    {F::Name, F::DateOnly, F::Quiz, F::Score, true},
    {F::Quiz, F::Name, F::TakenAt, F::Score, true},
    {F::Quiz, F::Score, F::TakenAt, F::Name, false},
    {F::Quiz, F::DateOnly, F::Name, F::Score, true},
    {F::Score, F::Name, F::TakenAt, F::Quiz, false},
    {F::Score, F::Quiz, F::TakenAt, F::Name, false},
    {F::Score, F::DateOnly, F::Name, F::Quiz, false},
    {F::DateOnly, F::Name, F::Quiz, F::Score, true},
    {F::DateOnly, F::Quiz, F::Name, F::Score, true},
    {F::DateOnly, F::Score, F::Name, F::Quiz, false},
}};

} // namespace

const Arrangement* ArrangementOf(int sortOrder) {
  if (sortOrder < 0 || sortOrder >= kSortOrderCount) {
    return nullptr;
  }
  return &kArrangements[static_cast<std::size_t>(sortOrder)];
}

std::string DisplayScore(int scorePercent, ScoreUnit unit) {
  return std::to_string(unit == ScoreUnit::Percent ? scorePercent : scorePercent / 5);
}

int PercentOf(std::string_view text, ScoreUnit unit) {
  const long long number = platform::AtoiPrefix(text);
  const long long percent = unit == ScoreUnit::Percent ? number : number * 5;
  return static_cast<int>(std::clamp<long long>(percent, INT_MIN, INT_MAX));
}

std::string_view DateOnly(std::string_view takenAt) {
  return takenAt.substr(0, takenAt.find(' '));
}

std::string_view FieldValue(const ResultRecord& record, Field field, ScoreUnit unit,
                            std::string& scratch) {
  switch (field) {
  case Field::Name:
    return record.StudentName;
  case Field::Quiz:
    return record.QuizName;
  case Field::Score:
    scratch = DisplayScore(record.ScorePercent, unit);
    return scratch;
  case Field::TakenAt:
    return record.TakenAt;
  case Field::DateOnly:
    return DateOnly(record.TakenAt);
  }
  return {};
}

std::string ColumnHeader(Field field, ScoreUnit unit) {
  if (field == Field::Score) {
    return unit == ScoreUnit::Percent ? "Note  %" : "Note /20";
  }
  return ExportName(field);
}

std::string ExportName(Field field) {
  switch (field) {
  case Field::Name:
    return "Nom";
  case Field::Quiz:
    return "Questionnaire";
  case Field::Score:
    return "Note";
  case Field::TakenAt:
  case Field::DateOnly:
    return "Date";
  }
  return {};
}

RowColour ColourOfPercent(int percent) {
  if (percent >= 80) {
    return RowColour::Green;
  }
  return percent > 50 ? RowColour::Orange : RowColour::Red;
}

Rgb RgbOf(RowColour colour) {
  switch (colour) {
  case RowColour::Green:
    return {0, 128, 0};
  case RowColour::Orange:
    return {192, 140, 0};
  case RowColour::Red:
    return {192, 0, 0};
  case RowColour::None:
    break;
  }
  return {0, 0, 0};
}

} // namespace tallyra
