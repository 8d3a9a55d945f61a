#pragma once
// Buffered reading of a data file line by line. Lines end with LF, optionally preceded by CR,
// which is dropped. A last line without a line end is still a line, but is reported as
// unterminated so that a writer still busy with it can be told apart from a finished record.
// Skipping counts line ends in place, without copying them, which keeps loads close to the speed
// of the disk whatever the length of the skipped texts.

#include <cstdint>
#include <string>
#include <vector>

namespace tallyra {

class LineReader {
public:
  LineReader();
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  // The open file's descriptor, for the caller that must stat or lock it.
  int Descriptor() const { return fd_; }

  // The next line without its line end; false at the end of the file or on a read error.
  bool ReadLine(std::string& line);
  // Consumes up to count lines; returns how many there were.
  long SkipLines(long count);

  bool Failed() const { return failed_; }
  // Whether the last line consumed ended with LF.
  bool LastLineTerminated() const { return lastTerminated_; }
  // Bytes consumed from the start of the file.
  std::uint64_t Offset() const { return bufferStart_ + pos_; }

private:
  bool Fill();

  int fd_ = -1;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::uint64_t bufferStart_ = 0;
  bool eof_ = false;
  bool failed_ = false;
  bool lastTerminated_ = true;
};

} // namespace tallyra
