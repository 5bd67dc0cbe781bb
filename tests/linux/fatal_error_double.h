// What the tests' FatalError throws in place of ending the process.
#pragma once

#include <stdexcept>
#include <string>

#include "desktop/fatal_error.h"

namespace ondrave::testing {

struct FatalErrorRaised : std::runtime_error {
  explicit FatalErrorRaised(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace ondrave::testing
