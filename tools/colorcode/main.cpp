// colorcode: Colorohm's colour-code model from the command line, through the same code and string
// table as the calculator window. Arguments and output are UTF-8.

#include <cstdio>
#include <string_view>

#include "tools/colorcode/Commands.h"

namespace {

using colorcode::Args;

struct Command {
  std::string_view name;
  int (*run)(const Args&);
  const char* usage;
};

const Command kCommands[] = {
    {"bands", colorcode::Bands, colorcode::kBandsUsage},
    {"value", colorcode::Value, colorcode::kValueUsage},
    {"series", colorcode::Series, colorcode::kSeriesUsage},
    {"ohm", colorcode::Ohm, colorcode::kOhmUsage},
};

void PrintAllUsages(std::FILE* out) {
  for (const Command& command : kCommands) std::fputs(command.usage, out);
}

} // namespace

int main(int argc, char** argv) {
  const Args args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    PrintAllUsages(stdout);
    return 0;
  }
  for (const Command& command : kCommands) {
    if (args.empty() || args[0] != command.name) continue;
    const Args rest(args.begin() + 1, args.end());
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
      std::fputs(command.usage, stdout);
      return 0;
    }
    return command.run(rest);
  }
  PrintAllUsages(stderr);
  return colorcode::kUsageError;
}
