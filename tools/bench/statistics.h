// Percentiles of a sample, by the nearest-rank rule.
#pragma once

#include <vector>

namespace ondrave::bench {

struct Spread {
  double p50, p99, max;
};

// The 50th and 99th percentile and the largest value; all 0 for an empty sample.
Spread SpreadOf(std::vector<double> values);

}  // namespace ondrave::bench
