#include <iostream>
#include <optional>

#include "tools/kavelcheck/ChildScreenDepth.h"
#include "tools/kavelcheck/Command.h"

int main(int argc, char** argv) {
  // The screen does not change during one run: read it once, and only if a line asks.
  std::optional<unsigned> depth;
  const auto screenDepth = [&depth] {
    if (!depth) depth = kavelcheck::ChildScreenDepth();
    return *depth;
  };
  return kavelcheck::RunCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr, screenDepth);
}
