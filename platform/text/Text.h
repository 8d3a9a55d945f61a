#pragma once
// Text helpers shared by every program. Texts inside the programs are Windows-1252 bytes held in
// std::string; UTF-8 appears only at the edges (Qt, terminal output, source files). The codec here
// is the one conversion between the two.

#include <string>
#include <string_view>

namespace platform {

// Windows-1252 bytes to UTF-8. Every byte maps: the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same value, as Windows does.
std::string Utf8FromCp1252(std::string_view cp1252);

// UTF-8 to Windows-1252 bytes. A character the code page lacks, and any malformed UTF-8 sequence,
// becomes '?'.
std::string Cp1252FromUtf8(std::string_view utf8);

// The leading decimal number of a text as the C runtime's atoi reads it: white space skipped, an
// optional sign, then digits up to the first other character; 0 when there are none. Values past
// the range of int saturate instead of overflowing.
int AtoiPrefix(std::string_view text);

// White space is what isspace() accepts in the C locale: blank, \t, \n, \v, \f, \r.
bool IsBlank(char c);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// Case mapping of the Windows-1252 code page (accented letters, œ/Œ, š/Š, ž/Ž, ÿ/Ÿ included).
char ToUpperCp1252(char c);
char ToLowerCp1252(char c);
std::string ToUpperCp1252(std::string_view text);
std::string ToLowerCp1252(std::string_view text);

// Case-insensitive comparison under the code page's case mapping: < 0, 0 or > 0, comparing the
// upper-cased bytes as unsigned values.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace platform
