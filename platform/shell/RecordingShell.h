#pragma once
// A ShellActions for tests: records every call and answers from a queue of scripted results.

#include "platform/shell/Shell.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

class RecordingShell : public ShellActions {
public:
  struct Call {
    enum class Verb { Open, Print };
    Verb verb;
    std::string file;
    std::string params;
    std::string folder;
  };

  int Open(const std::string& file, const std::string& params = {},
           const std::string& folder = {}) override {
    calls.push_back({Call::Verb::Open, file, params, folder});
    return NextResult();
  }
  int Print(const std::string& file) override {
    calls.push_back({Call::Verb::Print, file, {}, {}});
    return NextResult();
  }

  std::vector<Call> calls;
  // Results of the next calls in order; once empty, every call succeeds.
  std::deque<int> results;

private:
  int NextResult() {
    if (results.empty()) return kShellStarted;
    const int result = results.front();
    results.pop_front();
    return result;
  }
};

} // namespace platform
