// ondrave-bench [--smoke] [--program PATH]: measures the program on a
// throwaway Xvfb and prints a markdown table. It fails only when a step
// cannot be carried out, a clicking phase to which no click arrives among
// them; a figure that misses its target is reported, never a failure.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "measurements.h"
#include "report.h"

int main(int argc, char** argv) {
  using namespace ondrave::bench;
  bool smoke = false;
  std::string programPath = ONDRAVE_PROGRAM_PATH;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--smoke") {
      smoke = true;
    } else if (argument == "--program" && i + 1 < argc) {
      programPath = argv[++i];
    } else {
      std::fprintf(stderr, "usage: ondrave-bench [--smoke] [--program PATH]\n");
      return 2;
    }
  }
  const BenchPlan plan = smoke ? SmokePlan(programPath) : FullPlan(programPath);
  try {
    const BenchFigures figures = RunBench(plan);
    std::fputs(MarkdownTable(figures, plan).c_str(), stdout);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "ondrave-bench: %s\n", failure.what());
    return 1;
  }
  return 0;
}
