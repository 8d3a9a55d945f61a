#pragma once
// The twelve arrangements of the results: which record value each tree level and each list
// column holds, and which ones show scores in their second column (graph allowed, rows coloured).
// Also the score texts that follow the chosen unit.

#include "tallyra/core/ResultRecord.h"

#include <string>
#include <string_view>

namespace tallyra {

enum class ScoreUnit { OutOf20 = 0, Percent = 1 };

// A stored setting value as a unit: 1 is percent, anything else a mark out of 20.
inline ScoreUnit ScoreUnitOf(int value) {
  return value == 1 ? ScoreUnit::Percent : ScoreUnit::OutOf20;
}

// The record values an arrangement can show.
enum class Field {
  Name,      // StudentName
  Quiz,      // QuizName
  Score,     // DisplayScore of ScorePercent
  TakenAt,   // TakenAt in full
  DateOnly,  // TakenAt up to its first blank
};

struct Arrangement {
  Field level1;
  Field level2;
  Field column1;
  Field column2;
  bool graph;
};

inline constexpr int kSortOrderCount = 12;

// SortOrder 0 to 11; nullptr for any other value.
const Arrangement* ArrangementOf(int sortOrder);

// With Percent the score itself; out of 20 the integer part of score / 5 (79 gives 15).
std::string DisplayScore(int scorePercent, ScoreUnit unit);
// The percentage behind a shown score: the number in text, times 5 when out of 20.
int PercentOf(std::string_view text, ScoreUnit unit);
std::string_view DateOnly(std::string_view takenAt);

// The text of a field for one record; scratch holds a computed score.
std::string_view FieldValue(const ResultRecord& record, Field field, ScoreUnit unit,
                            std::string& scratch);

// List column header: "Date", "Questionnaire", "Nom", or "Note /20" / "Note  %" for the score.
std::string ColumnHeader(Field field, ScoreUnit unit);
// The column's name in exports: "Nom", "Questionnaire", "Date" or "Note".
std::string ExportName(Field field);

struct Rgb {
  int red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kFirstLevelColour{0, 0, 128};

enum class RowColour { None, Green, Orange, Red };

// Colour of a row whose score is worth percent: 80 or more green, above 50 orange, else red.
RowColour ColourOfPercent(int percent);
Rgb RgbOf(RowColour colour);

} // namespace tallyra
