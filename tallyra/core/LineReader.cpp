#include "tallyra/core/LineReader.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <unistd.h>

namespace tallyra {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

#if defined(__SSE2__)
// How many line ends 64 bytes hold (without a popcount instruction, which the baseline lacks).
int CountLineEnds(const char* p) {
  const __m128i lf = _mm_set1_epi8('\n');
  __m128i hits = _mm_setzero_si128();
  for (int i = 0; i < 4; ++i) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    hits = _mm_sub_epi8(hits, _mm_cmpeq_epi8(bytes, lf));
  }
  const __m128i sums = _mm_sad_epu8(hits, _mm_setzero_si128());
  return _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
}
#else
int CountLineEnds(const char* p) {
  int count = 0;
  for (int i = 0; i < 64; ++i) {
    count += p[i] == '\n';
  }
  return count;
}
#endif

const char* SkipLineEndsTail(const char* p, const char* end, long& remaining) {
  for (; p < end; ++p) {
    if (*p == '\n' && --remaining == 0) {
      return p + 1;
    }
  }
  return p;
}

// Moves p past the remaining-th line end before end, or to end when there are fewer, taking
// remaining down by the line ends passed. Line ends are counted 64 bytes at a time.
const char* SkipLineEndsBaseline(const char* p, const char* end, long& remaining) {
  while (end - p >= 64) {
    const int count = CountLineEnds(p);
    if (count >= remaining) {
      break;
    }
    remaining -= count;
    p += 64;
  }
  return SkipLineEndsTail(p, end, remaining);
}

#if defined(__x86_64__)
// The same with AVX2 and popcnt, for the processors that have them: skipping question entries is
// most of the work of a load.
__attribute__((target("avx2,popcnt"))) const char* SkipLineEndsAvx2(const char* p,
                                                                     const char* end,
                                                                     long& remaining) {
  const __m256i lf = _mm256_set1_epi8('\n');
  while (end - p >= 64) {
    const auto low = static_cast<std::uint32_t>(_mm256_movemask_epi8(
        _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), lf)));
    const auto high = static_cast<std::uint32_t>(_mm256_movemask_epi8(
        _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32)), lf)));
    std::uint64_t ends = static_cast<std::uint64_t>(high) << 32 | low;
    const int count = __builtin_popcountll(ends);
    if (count >= remaining) {
      while (--remaining > 0) {
        ends &= ends - 1;  // drop the lowest line end
      }
      return p + __builtin_ctzll(ends) + 1;
    }
    remaining -= count;
    p += 64;
  }
  return SkipLineEndsTail(p, end, remaining);
}
#endif

const char* SkipLineEnds(const char* p, const char* end, long& remaining) {
#if defined(__x86_64__)
  static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
  if (avx2) {
    return SkipLineEndsAvx2(p, end, remaining);
  }
#endif
  return SkipLineEndsBaseline(p, end, remaining);
}

} // namespace

LineReader::LineReader() : buffer_(kBufferSize) {}

LineReader::~LineReader() { Close(); }

bool LineReader::Open(const std::string& path) {
  Close();
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  pos_ = end_ = 0;
  bufferStart_ = 0;
  eof_ = failed_ = false;
  lastTerminated_ = true;
  return fd_ >= 0;
}

void LineReader::Close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

bool LineReader::Fill() {
  if (fd_ < 0 || eof_ || failed_) {
    return false;
  }
  bufferStart_ += end_;
  pos_ = end_ = 0;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
    if (n > 0) {
      end_ = static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) {
      eof_ = true;
      return false;
    }
    if (errno != EINTR) {
      failed_ = true;
      return false;
    }
  }
}

bool LineReader::ReadLine(std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (pos_ == end_ && !Fill()) {
      if (!any || failed_) {
        return false;
      }
      lastTerminated_ = false;
      break;
    }
    any = true;
    const char* start = buffer_.data() + pos_;
    const auto* lf = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
    if (lf != nullptr) {
      line.append(start, lf);
      pos_ += static_cast<std::size_t>(lf - start) + 1;
      lastTerminated_ = true;
      break;
    }
    line.append(start, end_ - pos_);
    pos_ = end_;
  }
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return true;
}

long LineReader::SkipLines(long count) {
  long remaining = count;
  bool midLine = false;
  while (remaining > 0) {
    if (pos_ == end_ && !Fill()) {
      if (midLine && !failed_) {
        --remaining;
        lastTerminated_ = false;
      }
      break;
    }
    const char* start = buffer_.data() + pos_;
    const char* stop = SkipLineEnds(start, buffer_.data() + end_, remaining);
    pos_ += static_cast<std::size_t>(stop - start);
    midLine = stop > start && stop[-1] != '\n';
    if (!midLine) {
      lastTerminated_ = true;
    }
  }
  return count - remaining;
}

} // namespace tallyra
