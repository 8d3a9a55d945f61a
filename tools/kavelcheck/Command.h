#pragma once
// kavelcheck: KavelRepair's requirement analysis from the command line, on the real machine.
//
//   kavelcheck [--store FILE] [KEY]     analyse every registered application, or only KEY
//   kavelcheck [--store FILE] --probes  print the machine's readings
//
// Output is UTF-8, worded as the wizard's errors and end pages. Exit 0 without error, 1 with
// errors, 2 on bad usage.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace kavelcheck {

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<unsigned()>& screenDepth);

} // namespace kavelcheck
