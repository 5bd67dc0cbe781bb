#include <thread>

#include "x11_test_support.h"

namespace ondrave::testing {

bool WaitUntil(const std::function<bool()>& poll, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!poll()) {
    if (std::chrono::steady_clock::now() >= deadline) return poll();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace ondrave::testing
