#include "tallyra/core/Results.h"

#include "tallyra/core/Conversion.h"
#include "tallyra/core/RecordReader.h"
#include "tallyra/core/Version.h"
#include "platform/text/Text.h"

namespace tallyra {
namespace {

bool Shown(ReadStatus status) {
  return status == ReadStatus::Ok || status == ReadStatus::OutOfRange;
}

bool Same(std::string_view a, std::string_view b) {
  return platform::EqualsNoCase(platform::Trim(a), platform::Trim(b));
}

// The record values of one arrangement.
struct Values {
  std::string_view level1, level2, column1, column2;
  std::string scratch[4];

  void Take(const ResultRecord& record, const Arrangement& a, ScoreUnit unit) {
    level1 = FieldValue(record, a.level1, unit, scratch[0]);
    level2 = FieldValue(record, a.level2, unit, scratch[1]);
    column1 = FieldValue(record, a.column1, unit, scratch[2]);
    column2 = FieldValue(record, a.column2, unit, scratch[3]);
  }
};

ResultRow RowOf(const Values& values, const Arrangement& a, ScoreUnit unit) {
  ResultRow row{std::string(values.column1), std::string(values.column2), RowColour::None};
  if (a.graph) {
    row.colour = ColourOfPercent(PercentOf(values.column2, unit));
  }
  return row;
}

// Opens the data file with its version line read, converting an old one first.
LoadStatus OpenForLoad(const std::string& dataPath, RecordReader& reader) {
  if (dataPath.empty()) {
    return LoadStatus::NoDataPath;
  }
  if (!reader.Open(dataPath)) {
    return LoadStatus::CannotOpen;
  }
  if (IsOldFormat(reader.Version())) {
    reader.Close();
    if (!ConvertOldDataFile(dataPath)) {
      return LoadStatus::ConversionFailed;
    }
    if (!reader.Open(dataPath)) {
      return LoadStatus::CannotOpen;
    }
  }
  return IsTooNew(reader.Version()) ? LoadStatus::TooNew : LoadStatus::Ok;
}

} // namespace

LoadOutcome LoadResults(const std::string& dataPath, int sortOrder, ScoreUnit unit) {
  LoadOutcome outcome;
  RecordReader reader;
  outcome.status = OpenForLoad(dataPath, reader);
  if (outcome.status != LoadStatus::Ok) {
    return outcome;
  }
  const Arrangement* arrangement = ArrangementOf(sortOrder);
  ResultTree& tree = outcome.tree;
  // Which value numbers were met as a name and as a questionnaire: the status-bar counts.
  std::vector<char> isStudent;
  std::vector<char> isQuiz;
  auto mark = [&](std::vector<char>& seen, int id, int& count) {
    if (seen.size() <= static_cast<std::size_t>(id)) {
      seen.resize(static_cast<std::size_t>(tree.ValueCount()), 0);
    }
    count += seen[static_cast<std::size_t>(id)] == 0;
    seen[static_cast<std::size_t>(id)] = 1;
  };
  ResultRecord record;
  Values values;
  for (ReadStatus status; Shown(status = reader.Next(record, QuestionMode::Skip));) {
    const int quizId = tree.Intern(record.QuizName);
    const int nameId = tree.Intern(record.StudentName);
    mark(isQuiz, quizId, outcome.quizzes);
    mark(isStudent, nameId, outcome.students);
    if (arrangement != nullptr) {
      values.Take(record, *arrangement, unit);
      auto idOf = [&](Field field, std::string_view value) {
        return field == Field::Name ? nameId
               : field == Field::Quiz ? quizId
                                      : tree.Intern(value);
      };
      tree.AddTreePair(idOf(arrangement->level1, values.level1), values.level1,
                       idOf(arrangement->level2, values.level2), values.level2);
    }
  }
  return outcome;
}

std::string StatusBarText(int students, int quizzes) {
  return std::to_string(students) + platform::Cp1252FromUtf8(" élève(s) - ") +
         std::to_string(quizzes) + platform::Cp1252FromUtf8(" questionnaire(s) effectué(s).");
}

NodeRows ResultRows(const std::string& dataPath, int sortOrder, ScoreUnit unit,
                    std::string_view parentText, std::string_view nodeText) {
  NodeRows result;
  const Arrangement* arrangement = ArrangementOf(sortOrder);
  RecordReader reader;
  if (arrangement == nullptr || dataPath.empty() || !reader.Open(dataPath)) {
    return result;
  }
  ResultRecord record;
  Values values;
  for (ReadStatus status; Shown(status = reader.Next(record, QuestionMode::Skip));) {
    result.anyRecord = true;
    values.Take(record, *arrangement, unit);
    if (Same(values.level2, nodeText) && Same(values.level1, parentText)) {
      result.rows.push_back(RowOf(values, *arrangement, unit));
    }
  }
  result.graphEnabled = arrangement->graph && !result.rows.empty();
  return result;
}

NodeRows ResultRowsOf(const std::string& dataPath, int sortOrder, ScoreUnit unit,
                      const ResultTree& tree, int node) {
  const TreeNode& clicked = tree.Nodes().at(static_cast<std::size_t>(node));
  if (clicked.IsFirstLevel()) {
    NodeRows none;
    RecordReader reader;
    ResultRecord record;
    none.anyRecord = !dataPath.empty() && reader.Open(dataPath) &&
                     Shown(reader.Next(record, QuestionMode::Skip));
    return none;
  }
  const TreeNode& parent = tree.Nodes()[static_cast<std::size_t>(clicked.parent)];
  return ResultRows(dataPath, sortOrder, unit, parent.text, clicked.text);
}

std::vector<std::vector<ResultRow>> RowsByNode(const std::string& dataPath, int sortOrder,
                                               ScoreUnit unit, const ResultTree& tree) {
  std::vector<std::vector<ResultRow>> rows(tree.Nodes().size());
  const Arrangement* arrangement = ArrangementOf(sortOrder);
  RecordReader reader;
  if (arrangement == nullptr || dataPath.empty() || !reader.Open(dataPath)) {
    return rows;
  }
  ResultRecord record;
  Values values;
  for (ReadStatus status; Shown(status = reader.Next(record, QuestionMode::Skip));) {
    values.Take(record, *arrangement, unit);
    const int parent = tree.FindFirstLevel(values.level1);
    const int node = parent < 0 ? -1 : tree.FindSecondLevel(parent, values.level2);
    if (node >= 0) {
      rows[static_cast<std::size_t>(node)].push_back(RowOf(values, *arrangement, unit));
    }
  }
  return rows;
}

bool FindResult(const std::string& dataPath, int sortOrder, ScoreUnit unit,
                const Selection& selection, ResultRecord& out) {
  const Arrangement* arrangement = ArrangementOf(sortOrder);
  RecordReader reader;
  if (arrangement == nullptr || dataPath.empty() || !reader.Open(dataPath)) {
    return false;
  }
  Values values;
  for (ReadStatus status; Shown(status = reader.ReadHeader(out));) {
    values.Take(out, *arrangement, unit);
    if (Same(values.level1, selection.parentText) && Same(values.level2, selection.nodeText) &&
        Same(values.column1, selection.rowText) && Same(values.column2, selection.rowSecond)) {
      return Shown(reader.ReadQuestions(out));
    }
    if (!Shown(reader.SkipQuestions(out))) {
      return false;
    }
  }
  return false;
}

} // namespace tallyra
