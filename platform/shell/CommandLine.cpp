#include "platform/shell/Shell.h"

namespace platform {

// Follows CommandLineToArgvW for everything after the program name, including its handling of
// quote runs (qcount below counts quotes modulo 3, as the system does).
std::vector<std::string> SplitCommandLine(std::string_view params) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  std::vector<std::string> args;
  size_t i = 0;
  while (i < params.size() && isBlank(params[i])) ++i;
  if (i == params.size()) return args;

  std::string current;
  int quotes = 0;       // 1 while inside a quoted part
  size_t backslashes = 0;
  while (i < params.size()) {
    const char c = params[i];
    if (isBlank(c) && quotes == 0) {
      args.push_back(std::move(current));
      current.clear();
      backslashes = 0;
      while (i < params.size() && isBlank(params[i])) ++i;
      if (i == params.size()) return args;
    } else if (c == '\\') {
      current += c;
      ++backslashes;
      ++i;
    } else if (c == '"') {
      current.resize(current.size() - backslashes / 2);
      if (backslashes % 2 == 0) {
        ++quotes;
      } else {
        current.back() = '"';
      }
      backslashes = 0;
      for (++i; i < params.size() && params[i] == '"'; ++i) {
        if (++quotes == 3) {
          current += '"';
          quotes = 0;
        }
      }
      if (quotes == 2) quotes = 0;
    } else {
      current += c;
      backslashes = 0;
      ++i;
    }
  }
  args.push_back(std::move(current));
  return args;
}

} // namespace platform
