#include "probe/checks.h"

#include <cstdarg>
#include <cstdio>

namespace probe {

bool Checks::Expect(bool ok, std::string_view name, std::string_view detail) {
  if (ok) {
    ++passed_;
    std::printf("ok   %.*s\n", static_cast<int>(name.size()), name.data());
  } else {
    ++failed_;
    std::printf("FAIL %.*s: %.*s\n", static_cast<int>(name.size()), name.data(), static_cast<int>(detail.size()),
                detail.data());
  }
  std::fflush(stdout);
  return ok;
}

void Checks::PrintSummary() const {
  std::printf("win32: %d passed, %d failed\n", passed_, failed_);
  std::fflush(stdout);
}

std::string Format(const char* format, ...) {
  char buffer[512];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  return buffer;
}

}  // namespace probe
