#pragma once
// File-system services the programs share: the per-user folder that stands in for the Windows
// folder, scratch files with unique names, and whole-file replacement that never leaves a half
// written file behind. No Qt.
//
// Paths are the system's own bytes (UTF-8 here), passed to the kernel unchanged; converting a path
// to Windows-1252 for display is the caller's business.

#include <string>
#include <string_view>

namespace platform {

// The per-user state folder that replaces the Windows folder: $XDG_STATE_HOME/solvane, or
// ~/.local/state/solvane when that variable is unset or not absolute. Created (mode 0700, parents
// included) when missing. No trailing '/'. Empty when no such folder can be made (no home, or a
// file in the way).
std::string WindowsFolder();

// Creates a new empty file named prefix + six unique characters in folder (mkstemp) and returns
// its path. Refuses the filesystem root and an empty folder. Empty path, with a reason in *error
// when given, on failure.
std::string CreateScratchFile(std::string_view folder, std::string_view prefix,
                              std::string* error = nullptr);

// Replaces the file at path with bytes: writes a scratch file in the same folder, flushes it to
// the disk, then renames it over path. The new file keeps the permissions of the one it replaces
// (a new file gets 0666 less the umask). On failure path is left as it was, the scratch file is
// removed, and the reason goes to *error when given.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// The full path of the running program's executable (/proc/self/exe), or empty when unknown.
std::string RunningExecutablePath();

} // namespace platform
