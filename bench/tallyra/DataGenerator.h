#pragma once
// Realistic results data files for measurements: students and questionnaires with accented
// names, 20 question entries per result with themes, titles, texts, answers and times.

#include <string>

namespace tallyra::bench {

struct GeneratorOptions {
  int results = 1000;
  int students = 0;   // 0: one per 20 results, at least 10
  int quizzes = 0;    // 0: one per 500 results, at least 5
  int questions = 20;
  unsigned seed = 1;
};

// Writes the file (Windows-1252, CR LF); false when it cannot be written.
bool WriteResultsFile(const std::string& path, const GeneratorOptions& options);

} // namespace tallyra::bench
