#include "tools/kavelreg/Command.h"

#include <iostream>

int main(int argc, char** argv) {
  return kavelreg::RunCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}
