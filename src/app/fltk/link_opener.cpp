#include "app/fltk/link_opener.h"

#include "app/fltk/opener_commands.h"

#include <FL/Fl.H>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

extern char** environ;

namespace ondrave::fltk {
namespace {

// How success is judged without waiting: an opener that exits 0 has handed
// the target over (xdg-open and friends return at once). One that is still
// running after kStillRunningMeansOpened is a browser that opened the target
// in the foreground and runs as long as the user keeps it: that counts as
// opened too. Any other exit, or a command that cannot be started, sends the
// attempt on to the next command.
constexpr auto kStillRunningMeansOpened = std::chrono::seconds(3);
constexpr double kPollSeconds = 0.1;

// Starts the command with the default action for SIGPIPE (the program
// ignores it for itself); 0 when it cannot be started.
pid_t Spawn(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  posix_spawnattr_t attributes;
  if (posix_spawnattr_init(&attributes) != 0) return 0;
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  return failed ? 0 : pid;
}

}  // namespace

LinkOpener::~LinkOpener() { Fl::remove_timeout(OnPoll, this); }

void LinkOpener::Open(const std::string& target, Outcome outcome) {
  ++attempt_;
  outcome_ = std::move(outcome);
  for (Child& child : children_) child.judged = true;
  if (target.empty()) {
    Conclude(false);
    return;
  }
  commands_ = OpenerCommands(target, std::getenv("BROWSER"));
  nextCommand_ = 0;
  TryNextCommand();
}

void LinkOpener::TryNextCommand() {
  while (nextCommand_ < commands_.size()) {
    const pid_t pid = Spawn(commands_[nextCommand_++]);
    if (pid == 0) continue;
    children_.push_back({pid, attempt_, std::chrono::steady_clock::now(), false});
    if (!Fl::has_timeout(OnPoll, this)) Fl::add_timeout(kPollSeconds, OnPoll, this);
    return;
  }
  Conclude(false);
}

void LinkOpener::Conclude(bool opened) {
  if (!outcome_) return;
  Outcome outcome = std::move(outcome_);
  outcome_ = nullptr;
  outcome(opened);
}

void LinkOpener::OnPoll(void* opener) { static_cast<LinkOpener*>(opener)->Poll(); }

void LinkOpener::Poll() {
  // Every child is reaped here, also those whose outcome was settled
  // long ago, so none is left behind as a zombie.
  const auto now = std::chrono::steady_clock::now();
  std::vector<Child> children = std::move(children_);
  children_.clear();
  for (Child& child : children) {
    int status = 0;
    const pid_t done = waitpid(child.pid, &status, WNOHANG);
    const bool current = !child.judged && child.attempt == attempt_;
    if (done == 0) {
      if (current && now - child.started >= kStillRunningMeansOpened) {
        child.judged = true;
        children_.push_back(child);
        Conclude(true);
        continue;
      }
      children_.push_back(child);
      continue;
    }
    // Reaped (or, with -1, no longer ours to wait for).
    if (!current) continue;
    if (done > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
      Conclude(true);
    } else {
      TryNextCommand();
    }
  }
  if (!children_.empty() && !Fl::has_timeout(OnPoll, this)) Fl::add_timeout(kPollSeconds, OnPoll, this);
}

}  // namespace ondrave::fltk
