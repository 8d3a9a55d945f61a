#pragma once
// The kavelreg command line, apart from the process: arguments in, exit code and output out.

#include <ostream>
#include <string>
#include <vector>

namespace kavelreg {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// `args` are the UTF-8 arguments after the program's name; what is printed is UTF-8.
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kavelreg
