#pragma once
// Reads the records of a current-format data file one after the other. Every record is consumed
// whole, its question entries read or skipped, so the next one always starts in step.
//
// A record whose LastQuestionIndex is negative or over 400 does not fit the format's 401 entries:
// its header is still returned (OutOfRange), max(0, LastQuestionIndex + 1) entries are consumed
// and none is kept. A file that ends inside a record gives Truncated: that is what a record looks
// like while Mentiva is still writing it, so readers leave it out rather than guess at it.

#include "tallyra/core/LineReader.h"
#include "tallyra/core/ResultRecord.h"

#include <cstdint>
#include <string>

namespace tallyra {

enum class ReadStatus {
  Ok,
  OutOfRange,  // LastQuestionIndex outside 0..400; entries consumed, not kept
  End,         // no further record
  Truncated,   // the file ends inside the record
  ReadError,
};

enum class QuestionMode { Skip, Read };

class RecordReader {
public:
  // Opens the file and reads its version line (an empty file has the empty line, version 0).
  bool Open(const std::string& path);
  void Close() { lines_.Close(); }
  int Version() const { return version_; }
  // Whether the version line ended with LF (a file holding only "1.4" does not).
  bool VersionLineTerminated() const { return versionTerminated_; }
  std::uint64_t VersionLineEnd() const { return versionEnd_; }

  // The 11 header lines. On Ok or OutOfRange the entries follow and must be consumed next.
  ReadStatus ReadHeader(ResultRecord& record);
  // Reads the entries into record.Questions (left empty when out of range).
  ReadStatus ReadQuestions(ResultRecord& record);
  ReadStatus SkipQuestions(const ResultRecord& record);
  // Header and entries at once.
  ReadStatus Next(ResultRecord& record, QuestionMode mode);

  // Bytes consumed so far: after a complete record, where the next one starts.
  std::uint64_t Offset() const { return lines_.Offset(); }
  // Whether the last line consumed ended with LF.
  bool LastLineTerminated() const { return lines_.LastLineTerminated(); }
  int Descriptor() const { return lines_.Descriptor(); }

private:
  bool Line(std::string& out);
  ReadStatus Shortfall() const;

  LineReader lines_;
  std::string scratch_;
  int version_ = 0;
  bool versionTerminated_ = false;
  std::uint64_t versionEnd_ = 0;
};

} // namespace tallyra
