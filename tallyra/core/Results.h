#pragma once
// What the main window shows, computed from the data file: the tree and the status-bar counts of
// a load, the rows of a clicked node, and the record behind a selected row. Each call reads the
// file from its start, keeps no more than one record at a time and skips question entries unless
// it needs them, so memory does not grow with the question texts.
//
// Records cut short at the end of the file (Mentiva still writing) are left out until the next
// read; records with LastQuestionIndex outside 0..400 are shown, as their header is whole.

#include "tallyra/core/Arrangement.h"
#include "tallyra/core/ResultRecord.h"
#include "tallyra/core/ResultTree.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallyra {

enum class LoadStatus {
  Ok,
  NoDataPath,        // "Aucun fichier de données n'a été spécifié !..." (tree: root only)
  CannotOpen,        // silent; root only
  ConversionFailed,  // an old-format file that could not be rewritten: silent, root only
  TooNew,            // text 2011 "Version du fichier de données incorrecte ou fichier endommagé !"
};

struct LoadOutcome {
  LoadStatus status = LoadStatus::Ok;
  ResultTree tree;
  int students = 0;
  int quizzes = 0;
};

// LoadResults: an old-format file is converted on disk first; a too-new file is left untouched.
LoadOutcome LoadResults(const std::string& dataPath, int sortOrder, ScoreUnit unit);

// "3 élève(s) - 5 questionnaire(s) effectué(s)." in Windows-1252.
std::string StatusBarText(int students, int quizzes);

struct ResultRow {
  std::string column1;
  std::string column2;
  RowColour colour = RowColour::None;  // set in the arrangements that show scores
};

struct NodeRows {
  std::vector<ResultRow> rows;
  bool anyRecord = false;     // the headers are set only when the file held a record
  bool graphEnabled = false;  // a score arrangement that listed at least one row
};

// The rows of the second-level node nodeText under parentText, in file order: every record
// whose level values equal them, ignoring case and surrounding blanks.
NodeRows ResultRows(const std::string& dataPath, int sortOrder, ScoreUnit unit,
                    std::string_view parentText, std::string_view nodeText);

// The rows of a node of tree: a first-level node has none.
NodeRows ResultRowsOf(const std::string& dataPath, int sortOrder, ScoreUnit unit,
                      const ResultTree& tree, int node);

// The rows of every node of tree in one read of the file, indexed like tree.Nodes() (empty for
// first-level nodes): what clicking each node in turn would show, for the exports.
std::vector<std::vector<ResultRow>> RowsByNode(const std::string& dataPath, int sortOrder,
                                               ScoreUnit unit, const ResultTree& tree);

// The remembered selection of the main window that names one result.
struct Selection {
  std::string parentText;
  std::string nodeText;
  std::string rowText;
  std::string rowSecond;
};

// The first record whose four arrangement values equal the selection, ignoring case and
// surrounding blanks, with its question entries. False when none matches.
bool FindResult(const std::string& dataPath, int sortOrder, ScoreUnit unit,
                const Selection& selection, ResultRecord& out);

} // namespace tallyra
