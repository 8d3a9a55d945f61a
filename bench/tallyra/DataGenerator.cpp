#include "bench/tallyra/DataGenerator.h"

#include "tallyra/core/RecordWriter.h"
#include "platform/text/Text.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace tallyra::bench {
namespace {

const char* const kFirstNames[] = {"Élodie", "Jérôme", "François", "Zoé", "Chloé", "Gaëlle",
                                   "Noël", "Hélène", "Loïc", "Cécile", "Théo", "Inès",
                                   "Maël", "Léa", "Benoît", "Agnès"};
const char* const kLastNames[] = {"Dupont", "Lefèvre", "Bœuf", "Martin", "Durand", "Moreau",
                                  "Rémy", "Girard", "Bérard", "Faure", "Mercier", "Lacroix"};
const char* const kSubjects[] = {"Code des couleurs", "Loi d'Ohm", "Géographie", "Histoire",
                                 "Conjugaison", "Calcul mental", "Anglais", "Sciences"};
const char* const kThemes[] = {"Résistances", "Électricité", "Europe", "Verbes", "Fractions",
                               "Vocabulaire", "Moyen Âge", "Énergie"};

std::string Cp(const std::string& utf8) { return platform::Cp1252FromUtf8(utf8); }

std::string Two(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

} // namespace

bool WriteResultsFile(const std::string& path, const GeneratorOptions& options) {
  const int students = options.students > 0 ? options.students : std::max(10, options.results / 20);
  const int quizzes = options.quizzes > 0 ? options.quizzes : std::max(5, options.results / 500);
  std::mt19937 random(options.seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

  std::vector<std::string> names;
  for (int i = 0; i < students; ++i) {
    std::string name = std::string(kFirstNames[i % std::size(kFirstNames)]) + " " +
                       kLastNames[(i / std::size(kFirstNames)) % std::size(kLastNames)];
    if (i >= static_cast<int>(std::size(kFirstNames) * std::size(kLastNames))) {
      name += " " + std::to_string(i);
    }
    names.push_back(Cp(name));
  }
  std::vector<std::string> quizNames;
  for (int i = 0; i < quizzes; ++i) {
    quizNames.push_back(Cp(std::string(kSubjects[i % std::size(kSubjects)]) + " – série " +
                           std::to_string(i / std::size(kSubjects) + 1)));
  }

  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) {
    return false;
  }
  std::string block;
  AppendLine(block, "1.4");
  for (int r = 0; r < options.results; ++r) {
    ResultRecord record;
    record.StudentName = names[static_cast<std::size_t>(pick(students))];
    record.QuizType = pick(6);
    record.QuizName = quizNames[static_cast<std::size_t>(pick(quizzes))];
    record.ScorePercent = pick(101);
    const int hour = 8 + pick(10);
    record.TakenAt = Two(1 + pick(28)) + "/" + Two(1 + pick(12)) + "/2004 " + Two(hour) + ":" +
                     Two(pick(60)) + ":" + Two(pick(60));
    record.TimeLimited = pick(2);
    record.TimeLimitSeconds = record.TimeLimited ? 60 * (1 + pick(20)) : 0;
    record.RandomOrder = pick(2);
    record.ReverseDirection = pick(2);
    record.LastQuestionIndex = options.questions - 1;
    for (int q = 0; q < options.questions; ++q) {
      QuestionEntry entry;
      entry.Theme = Cp(kThemes[pick(static_cast<int>(std::size(kThemes)))]);
      entry.QuestionTitle = Cp("Question n° " + std::to_string(q + 1) + " : choisissez la bonne réponse");
      entry.QuestionText = Cp("Lisez attentivement l'énoncé avant de répondre à la question posée.");
      const int answers = 1 + pick(2);
      for (int j = 0; j < answers; ++j) {
        entry.ExpectedAnswers[static_cast<std::size_t>(j)] = Cp("Réponse attendue " + std::to_string(j + 1));
        entry.GivenAnswers[static_cast<std::size_t>(j)] = Cp("Réponse donnée " + std::to_string(pick(4)));
      }
      entry.QuestionScore = pick(2);
      entry.StartedAt = Two(hour) + ":" + Two(q * 2) + ":" + Two(pick(60));
      entry.EndedAt = Two(hour) + ":" + Two(q * 2 + 1) + ":" + Two(pick(60));
      record.Questions.push_back(std::move(entry));
    }
    AppendRecord(block, record);
    if (block.size() > (1 << 20)) {
      std::fwrite(block.data(), 1, block.size(), out);
      block.clear();
    }
  }
  std::fwrite(block.data(), 1, block.size(), out);
  const bool written = !std::ferror(out);
  return std::fclose(out) == 0 && written;
}

} // namespace tallyra::bench
