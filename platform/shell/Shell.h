#pragma once
// The shell's "open" and "print" actions. ShellActions is what the programs call; SystemShell
// starts real processes, RecordingShell (RecordingShell.h) stands in for it in tests.
//
// Results follow ShellExecute: greater than 32 is success, 32 or less a failure code.
// Paths, parameters and folders are passed to the system as they are (UTF-8 file names).

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Failure codes, the ShellExecute values the programs may meet.
enum ShellResult : int {
  kShellOutOfResources = 0,  // no process could be made
  kShellFileNotFound = 2,
  kShellPathNotFound = 3,
  kShellAccessDenied = 5,
  kShellOutOfMemory = 8,
  kShellBadFormat = 11,      // a file marked executable that the system cannot run
  kShellNoAssociation = 31,  // no program to open or print the file with
  kShellStarted = 42,        // any value above 32 is success; this is the one returned
};

inline bool ShellSucceeded(int result) { return result > 32; }

// Splits a parameter text into arguments by the rules of CommandLineToArgvW: blanks and tabs
// separate arguments outside double quotes; 2n backslashes before a quote give n backslashes and
// the quote opens or closes a quoted part; 2n+1 backslashes before a quote give n backslashes and
// a literal quote; backslashes elsewhere are literal; inside a quoted part, two quotes give a
// literal quote and end the quoted part (every third quote of a run is literal). `""` is one
// empty argument.
std::vector<std::string> SplitCommandLine(std::string_view params);

class ShellActions {
public:
  virtual ~ShellActions() = default;
  // "open": an executable file is started with params split by SplitCommandLine; anything else
  // (a document, a folder, a web address) goes to the desktop's opener and params are ignored.
  // A relative file is taken inside folder when one is given; the program starts in folder
  // (else in the caller's current folder). Does not wait for the program to end.
  virtual int Open(const std::string& file, const std::string& params = {},
                   const std::string& folder = {}) = 0;
  // "print": hands the document to the print program.
  virtual int Print(const std::string& file) = 0;
};

// Runs the real programs. Children are started through an intermediate process that exits at
// once (double fork), so the started program is adopted by init and never left a zombie of ours;
// this needs no SIGCHLD handler and so cannot disturb Qt's own (QProcess). Start failures (missing
// file, not runnable, exec error) come back through a close-on-exec pipe as failure codes.
class SystemShell : public ShellActions {
public:
  // opener: the program given documents and addresses; printer: the program given files to
  // print. Names without '/' are looked up in PATH at each call.
  explicit SystemShell(std::string opener = "xdg-open", std::string printer = "lp");
  int Open(const std::string& file, const std::string& params = {},
           const std::string& folder = {}) override;
  int Print(const std::string& file) override;

private:
  std::string opener_;
  std::string printer_;
};

} // namespace platform
