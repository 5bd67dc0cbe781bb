// The bench's figures as a markdown table, each beside its target.
#pragma once

#include <string>

#include "measurements.h"

namespace ondrave::bench {

std::string MarkdownTable(const BenchFigures& figures, const BenchPlan& plan);

}  // namespace ondrave::bench
