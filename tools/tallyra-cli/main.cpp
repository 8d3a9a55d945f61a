// tallyra-cli: Tallyra's data-file operations from the command line, through the same core as
// the window. Output is UTF-8; the data files themselves stay Windows-1252.

#include "tallyra/core/Conversion.h"
#include "tallyra/core/Import.h"
#include "tallyra/core/RecordReader.h"
#include "tallyra/core/Results.h"
#include "tallyra/core/Version.h"
#include "platform/text/Text.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tallyra;

constexpr int kUsageError = 2;

const char kUsage[] =
    "usage: tallyra-cli tree FILE [--sort N] [--unit 0|1]\n"
    "       tallyra-cli rows FILE PARENT NODE [--sort N] [--unit 0|1]\n"
    "       tallyra-cli import DATA SOURCE\n"
    "       tallyra-cli convert FILE\n";

const char kDamaged[] = "Version du fichier de données incorrecte ou fichier endommagé !";

int Usage() {
  std::fputs(kUsage, stderr);
  return kUsageError;
}

void Print(std::string_view cp1252) {
  const std::string text = platform::Utf8FromCp1252(cp1252);
  std::fwrite(text.data(), 1, text.size(), stdout);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "tallyra-cli: %s\n", message.c_str());
  return 1;
}

bool ParseInt(std::string_view text, int low, int high, int& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && out >= low && out <= high;
}

struct ViewOptions {
  int sortOrder = 0;
  ScoreUnit unit = ScoreUnit::OutOf20;
};

// Reads --sort and --unit from args; false on anything else.
bool ParseViewOptions(const std::vector<std::string_view>& args, ViewOptions& options) {
  for (std::size_t i = 0; i < args.size(); i += 2) {
    int value = 0;
    if (i + 1 >= args.size()) {
      return false;
    }
    if (args[i] == "--sort" && ParseInt(args[i + 1], 0, kSortOrderCount - 1, value)) {
      options.sortOrder = value;
    } else if (args[i] == "--unit" && ParseInt(args[i + 1], 0, 1, value)) {
      options.unit = ScoreUnitOf(value);
    } else {
      return false;
    }
  }
  return true;
}

int LoadFailure(LoadStatus status, const std::string& path) {
  switch (status) {
  case LoadStatus::Ok:
    break;
  case LoadStatus::NoDataPath:
    return Fail("Aucun fichier de données n'a été spécifié !");
  case LoadStatus::CannotOpen:
    return Fail("impossible d'ouvrir " + path);
  case LoadStatus::ConversionFailed:
    return Fail("impossible de convertir " + path);
  case LoadStatus::TooNew:
    return Fail(kDamaged);
  }
  return 0;
}

int Tree(const std::string& path, const ViewOptions& options) {
  const LoadOutcome load = LoadResults(path, options.sortOrder, options.unit);
  if (load.status != LoadStatus::Ok) {
    return LoadFailure(load.status, path);
  }
  Print(StatusBarText(load.students, load.quizzes) + "\n");
  const auto& nodes = load.tree.Nodes();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (!nodes[i].IsFirstLevel()) {
      continue;
    }
    Print(nodes[i].text + "\n");
    for (const int child : load.tree.Children(static_cast<int>(i))) {
      Print("  " + nodes[static_cast<std::size_t>(child)].text + "\n");
    }
  }
  return 0;
}

int Rows(const std::string& path, std::string_view parent, std::string_view node,
         const ViewOptions& options) {
  RecordReader probe;
  if (!probe.Open(path)) {
    return Fail("impossible d'ouvrir " + path);
  }
  const NodeRows rows = ResultRows(path, options.sortOrder, options.unit,
                                   platform::Cp1252FromUtf8(parent),
                                   platform::Cp1252FromUtf8(node));
  for (const ResultRow& row : rows.rows) {
    Print(row.column1 + "\t" + row.column2 + "\n");
  }
  return 0;
}

int Import(const std::string& data, const std::string& source) {
  int count = 0;
  switch (ImportDataFile(data, source, &count)) {
  case ImportResult::Ok:
    std::printf("%d résultat(s) importé(s).\n", count);
    return 0;
  case ImportResult::NoDataFile:
    return Fail("Aucun fichier de données n'a été spécifié !");
  case ImportResult::SourceUnreadable:
    return Fail("impossible de lire " + source);
  case ImportResult::SourceTooNew:
  case ImportResult::SourceDamaged:
  case ImportResult::DataTooNew:
    return Fail(kDamaged);
  case ImportResult::WriteFailed:
    return Fail("impossible d'écrire " + data + " (fichier inchangé)");
  }
  return 1;
}

int Convert(const std::string& path) {
  RecordReader reader;
  if (!reader.Open(path)) {
    return Fail("impossible d'ouvrir " + path);
  }
  const int version = reader.Version();
  reader.Close();
  if (IsTooNew(version)) {
    return Fail(kDamaged);
  }
  if (!IsOldFormat(version)) {
    std::puts("Le fichier est déjà au format actuel.");
    return 0;
  }
  if (!ConvertOldDataFile(path)) {
    return Fail("impossible de convertir " + path + " (fichier inchangé)");
  }
  std::puts("Fichier converti.");
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) {
    return Usage();
  }
  const std::string_view command = args[0];
  ViewOptions options;
  if (command == "tree" && args.size() >= 2 &&
      ParseViewOptions({args.begin() + 2, args.end()}, options)) {
    return Tree(std::string(args[1]), options);
  }
  if (command == "rows" && args.size() >= 4 &&
      ParseViewOptions({args.begin() + 4, args.end()}, options)) {
    return Rows(std::string(args[1]), args[2], args[3], options);
  }
  if (command == "import" && args.size() == 3) {
    return Import(std::string(args[1]), std::string(args[2]));
  }
  if (command == "convert" && args.size() == 2) {
    return Convert(std::string(args[1]));
  }
  return Usage();
}
