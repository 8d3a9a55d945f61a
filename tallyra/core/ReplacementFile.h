#pragma once
// A new version of a file, written beside it under a unique name and renamed over it only once
// complete and on disk, so the file is always either wholly old or wholly new. Until Commit the
// target is untouched; a ReplacementFile dropped without Commit removes its scratch file.

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tallyra {

class ReplacementFile {
public:
  ReplacementFile() = default;
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Creates the scratch file in target's folder (O_EXCL, so never an existing file) with the
  // permissions of target when it exists. A symbolic link is followed: the file it names is
  // replaced and the link kept.
  bool Create(const std::string& target);
  const std::string& Target() const { return target_; }

  bool Write(std::string_view bytes);
  // Copies the bytes [from, to) of an open file; false when they cannot all be read.
  bool CopyRange(int fd, std::uint64_t from, std::uint64_t to);

  // Flushes, syncs, renames over the target and syncs the folder. On failure the scratch file is
  // removed and the target left as it was.
  bool Commit();
  void Discard();

private:
  bool Flush();

  int fd_ = -1;
  std::string scratch_;
  std::string target_;
  std::string pending_;
  bool failed_ = false;
};

// target with a symbolic link resolved to the file it names; target itself when it does not
// exist yet.
std::string ResolvedPath(const std::string& target);

} // namespace tallyra
