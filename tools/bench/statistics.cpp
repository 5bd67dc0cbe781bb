#include "statistics.h"

#include <algorithm>
#include <cmath>

namespace ondrave::bench {
namespace {

// Nearest rank: the smallest value that at least `fraction` of the sample
// does not exceed. No interpolation, so every figure is a value measured.
double Percentile(const std::vector<double>& sorted, double fraction) {
  const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

}  // namespace

Spread SpreadOf(std::vector<double> values) {
  if (values.empty()) return {0, 0, 0};
  std::sort(values.begin(), values.end());
  return {Percentile(values, 0.50), Percentile(values, 0.99), values.back()};
}

}  // namespace ondrave::bench
