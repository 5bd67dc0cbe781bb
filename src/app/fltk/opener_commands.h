// The commands tried in turn to open a link: the desktop's opener, the
// Debian default browser, then the user's $BROWSER.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace ondrave::fltk {

// One $BROWSER entry as a command line, split at blanks and run without a
// shell, so that nothing in the target is ever read as shell syntax. A "%s"
// stands for the target; an entry without one gets the target appended.
inline std::vector<std::string> BrowserCommand(const std::string& entry, const std::string& target) {
  std::istringstream in(entry);
  std::vector<std::string> argv;
  bool placed = false;
  for (std::string word; in >> word;) {
    for (std::size_t at = word.find("%s"); at != std::string::npos; at = word.find("%s", at + target.size())) {
      word.replace(at, 2, target);
      placed = true;
    }
    argv.push_back(word);
  }
  if (!argv.empty() && !placed) argv.push_back(target);
  return argv;
}

// xdg-open, then x-www-browser, then each entry of $BROWSER (a
// colon-separated list, absent when browserVariable is null); empty entries
// are skipped.
inline std::vector<std::vector<std::string>> OpenerCommands(const std::string& target, const char* browserVariable) {
  std::vector<std::vector<std::string>> commands{{"xdg-open", target}, {"x-www-browser", target}};
  if (browserVariable == nullptr) return commands;
  std::istringstream entries(browserVariable);
  for (std::string entry; std::getline(entries, entry, ':');) {
    std::vector<std::string> command = BrowserCommand(entry, target);
    if (!command.empty()) commands.push_back(std::move(command));
  }
  return commands;
}

}  // namespace ondrave::fltk
