// The probe's record of its checks: one line per check, and the closing
// count that the test runner reads.
#pragma once

#include <string>
#include <string_view>

namespace probe {

class Checks {
 public:
  // Records one check; `detail` says what was seen when it failed.
  bool Expect(bool ok, std::string_view name, std::string_view detail = {});
  int Failed() const { return failed_; }
  void PrintSummary() const;

 private:
  int passed_ = 0;
  int failed_ = 0;
};

// printf-style formatting for details.
std::string Format(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

}  // namespace probe
