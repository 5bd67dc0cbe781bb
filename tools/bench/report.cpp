#include "report.h"

#include <cstdarg>
#include <cstdio>
#include <optional>
#include <vector>

namespace ondrave::bench {
namespace {

constexpr long kRssLimitKb = 12 * 1024;

struct Row {
  std::string measure;
  std::string result;
  std::string target;
  std::optional<bool> met;  // nothing for a figure without a target
};

std::string Format(const char* format, ...) {
  char text[256];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  return text;
}

std::string SpreadText(const Spread& s) { return Format("%.1f / %.1f / %.1f", s.p50, s.p99, s.max); }

std::string MegabytesText(long kb) { return Format("%.1f MiB", static_cast<double>(kb) / 1024.0); }

void AddClickingRows(std::vector<Row>& rows, const char* timer, const ClickingFigures& f) {
  const double rate = static_cast<double>(f.delivered) / f.seconds;
  const double ratio = static_cast<double>(f.delivered) / static_cast<double>(f.due);
  const auto intervalsMet = [](const Spread& s) { return s.p99 <= 11.0 && s.max <= 15.0; };
  rows.push_back({Format("%s clicks per second (%.0f s at 10 ms)", timer, f.seconds), Format("%.1f", rate), "≥ 99.5",
                  rate >= 99.5});
  rows.push_back({Format("%s delivered / due", timer), Format("%zu / %zu = %.3f", f.delivered, f.due, ratio),
                  "≥ 0.995", ratio >= 0.995});
  rows.push_back({Format("%s interval p50 / p99 / max, X server timestamps (ms)", timer), SpreadText(f.serverMs),
                  "p99 ≤ 11, max ≤ 15", intervalsMet(f.serverMs)});
  rows.push_back({Format("%s interval p50 / p99 / max, bench monotonic clock at read (ms)", timer),
                  SpreadText(f.readMs), "p99 ≤ 11, max ≤ 15", intervalsMet(f.readMs)});
  rows.push_back({Format("%s CPU user+system while clicking (%% of one core)", timer),
                  Format("%.2f (scheduler: %.3f)", f.program.cpuPercent, f.program.runPercent), "≤ 1",
                  f.program.runPercent <= 1.0});
  rows.push_back({Format("%s context switches while clicking (per s; involuntary)", timer),
                  Format("%.1f; %.1f", f.program.switchesPerSecond, f.program.involuntaryPerSecond), "", std::nullopt});
  rows.push_back({Format("%s run-queue wait: program / X server (ms per s); machine busy (%% of all CPUs)", timer),
                  Format("%.2f / %.2f; %.1f", f.program.waitMsPerSecond, f.server.waitMsPerSecond, f.machineBusy), "",
                  std::nullopt});
}

std::string Verdict(const std::optional<bool>& met) {
  if (!met) return "";
  return *met ? "met" : "**missed**";
}

}  // namespace

std::string MarkdownTable(const BenchFigures& f, const BenchPlan& plan) {
  std::vector<Row> rows;
  AddClickingRows(rows, "1. 时钟1", f.continuous);
  AddClickingRows(rows, "2. 时钟3", f.fixedPoint);
  rows.push_back({Format("3. Start key to first click, p50 / max of %d tries, bench monotonic clock (ms)", f.latency.tries),
                  Format("%.1f / %.1f", f.latency.ms.p50, f.latency.ms.max), "p50 ≤ 12", f.latency.ms.p50 <= 12.0});
  rows.push_back({Format("4. CPU user+system while idle, clock shown, %.0f s (%% of one core)", f.idle.seconds),
                  Format("%.3f (scheduler: %.4f)", f.idle.cpuPercent, f.idle.runPercent), "≤ 0.05",
                  f.idle.runPercent <= 0.05});
  rows.push_back({"4. Wake-ups while idle (voluntary + involuntary context switches per s)",
                  Format("%.2f", f.idle.switchesPerSecond), "≤ 3", f.idle.switchesPerSecond <= 3.0});
  rows.push_back({"4. Machine busy meanwhile (% of all CPUs)", Format("%.1f", f.idleMachineBusy), "", std::nullopt});
  const ProcessSample& start = f.memory.afterStartUp;
  rows.push_back({"5. VmRSS / VmHWM after start-up",
                  MegabytesText(start.rssKb) + " / " + MegabytesText(start.hwmKb), "RSS ≤ 12 MiB",
                  start.rssKb <= kRssLimitKb});
  if (f.memory.minuteStart && f.memory.minuteEnd) {
    const ProcessSample& before = *f.memory.minuteStart;
    const ProcessSample& after = *f.memory.minuteEnd;
    rows.push_back({Format("5. VmRSS / VmHWM after 60 s of clicking (%zu clicks)", f.memory.minuteClicks),
                    MegabytesText(after.rssKb) + " / " + MegabytesText(after.hwmKb), "RSS ≤ 12 MiB",
                    after.rssKb <= kRssLimitKb});
    rows.push_back({"5. Growth over the clicking minute, VmRSS / VmHWM (kB)",
                    Format("%+ld / %+ld", after.rssKb - before.rssKb, after.hwmKb - before.hwmKb), "none",
                    after.rssKb <= before.rssKb && after.hwmKb <= before.hwmKb});
  }
  rows.push_back({Format("6. Start-up, exec to main window viewable, p50 / max of %d runs (ms)", f.startUp.runs),
                  Format("%.1f / %.1f", f.startUp.ms.p50, f.startUp.ms.max), "p50 ≤ 150", f.startUp.ms.p50 <= 150.0});

  std::string table = "| Measurement | Result | Target | |\n|---|---|---|---|\n";
  for (const Row& row : rows) table += "| " + row.measure + " | " + row.result + " | " + row.target + " | " + Verdict(row.met) + " |\n";
  if (!plan.memoryMinute) table += "\nSmoke run: short windows, no clicking minute; the figures are not comparable with the targets.\n";
  return table;
}

}  // namespace ondrave::bench
