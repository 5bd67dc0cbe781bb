#include <X11/Xatom.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "caught_errors.h"
#include "x11_test_support.h"

namespace ondrave::testing {
namespace {

constexpr std::chrono::milliseconds kStartTimeout{10000};
constexpr std::chrono::milliseconds kStopTimeout{5000};

std::string LogTail(const std::string& path) {
  std::ifstream log(path);
  std::stringstream text;
  text << log.rdbuf();
  const std::string all = text.str();
  return all.size() > 2000 ? all.substr(all.size() - 2000) : all;
}

// Starts `argv` with `environment`, its output appended to the log file and
// `keepOpen` the only descriptor it inherits besides 0..2. The child asks to
// be killed when the test process dies, so no server outlives a crash.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            const std::string& logPath, int keepOpen) {
  std::vector<char*> args, env;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  for (const std::string& entry : environment) env.push_back(const_cast<char*>(entry.c_str()));
  env.push_back(nullptr);
  const int log = open(logPath.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (log < 0) throw std::runtime_error("cannot open the log " + logPath + ": " + std::strerror(errno));
  const pid_t parent = getpid();

  const pid_t pid = fork();
  if (pid < 0) {
    close(log);
    throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));
  }
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    dup2(log, STDOUT_FILENO);
    dup2(log, STDERR_FILENO);
    const int devNull = open("/dev/null", O_RDONLY);
    if (devNull >= 0) dup2(devNull, STDIN_FILENO);
    if (keepOpen >= 0) fcntl(keepOpen, F_SETFD, 0);
    execvpe(args[0], args.data(), env.data());
    _exit(127);
  }
  close(log);
  return pid;
}

// This process's environment with one variable set (or none, when empty).
std::vector<std::string> CurrentEnvironmentWith(const std::string& entry = {}) {
  std::vector<std::string> environment;
  const std::string name = entry.substr(0, entry.find('=') + 1);
  for (char** variable = environ; *variable != nullptr; ++variable) {
    if (name.empty() || std::strncmp(*variable, name.c_str(), name.size()) != 0) environment.emplace_back(*variable);
  }
  if (!entry.empty()) environment.push_back(entry);
  return environment;
}

// Ends the process politely, then for certain.
void Stop(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  const bool ended = WaitUntil([&] { return waitpid(pid, nullptr, WNOHANG) != 0; }, kStopTimeout);
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  pid = -1;
}

bool HasExited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }

}  // namespace

XvfbServer::XvfbServer(XvfbOptions options) : options_(std::move(options)) {
  char logTemplate[] = "/tmp/ondrave-xvfb-XXXXXX";
  const int log = mkstemp(logTemplate);
  if (log < 0) throw std::runtime_error(std::string("cannot create a log file: ") + std::strerror(errno));
  close(log);
  logPath_ = logTemplate;
  try {
    StartServer();
    if (options_.windowManager) StartWindowManager();
  } catch (...) {
    Stop(windowManagerPid_);
    Stop(serverPid_);
    unlink(logPath_.c_str());
    throw;
  }
}

XvfbServer::~XvfbServer() {
  Stop(windowManagerPid_);
  Stop(serverPid_);
  unlink(logPath_.c_str());
}

void XvfbServer::StartServer() {
  int displayPipe[2];
  if (pipe2(displayPipe, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
  const std::string screen =
      std::to_string(options_.width) + "x" + std::to_string(options_.height) + "x" + std::to_string(options_.depth);
  std::vector<std::string> argv{"Xvfb", "-displayfd", std::to_string(displayPipe[1]), "-screen", "0", screen,
                                "-nolisten", "tcp", "-noreset"};
  argv.insert(argv.end(), options_.extraArguments.begin(), options_.extraArguments.end());
  try {
    serverPid_ = Spawn(argv, CurrentEnvironmentWith(), logPath_, displayPipe[1]);
  } catch (...) {
    close(displayPipe[0]);
    close(displayPipe[1]);
    throw;
  }
  close(displayPipe[1]);

  // The server writes its display number once it accepts connections.
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (number.empty() || number.back() != '\n') {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd ready{displayPipe[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) break;
    char chunk[16];
    const ssize_t got = read(displayPipe[0], chunk, sizeof chunk);
    if (got <= 0) break;
    number.append(chunk, static_cast<std::size_t>(got));
  }
  close(displayPipe[0]);
  if (number.empty() || number.back() != '\n') {
    throw std::runtime_error("Xvfb did not start (is the xvfb package installed?):\n" + LogTail(logPath_));
  }
  number.pop_back();
  displayName_ = ":" + number;
}

void XvfbServer::StartWindowManager() {
  windowManagerPid_ = Spawn({"openbox", "--sm-disable"}, CurrentEnvironmentWith("DISPLAY=" + displayName_),
                            logPath_, -1);
  // An EWMH window manager announces itself with a check window on the root.
  DisplayConnection display = Connect();
  const Atom check = XInternAtom(display.get(), "_NET_SUPPORTING_WM_CHECK", False);
  const bool managing = WaitUntil(
      [&] {
        if (HasExited(windowManagerPid_)) return true;
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const int status = XGetWindowProperty(display.get(), DefaultRootWindow(display.get()), check, 0, 1, False,
                                              XA_WINDOW, &type, &format, &count, &after, &data);
        if (data != nullptr) XFree(data);
        return status == Success && type == XA_WINDOW && count == 1;
      },
      kStartTimeout);
  if (!managing || HasExited(windowManagerPid_)) {
    windowManagerPid_ = -1;
    throw std::runtime_error("openbox did not start (is the openbox package installed?):\n" + LogTail(logPath_));
  }
  if (!HandlesMapRequests(display.get())) {
    throw std::runtime_error("openbox started but maps no window:\n" + LogTail(logPath_));
  }
}

bool XvfbServer::HandlesMapRequests(Display* display) {
  // The window manager announces itself before it handles map requests, and
  // a request that arrives meanwhile is lost. A window of its own that it
  // maps shows it is ready; the request is repeated until then.
  const Window root = DefaultRootWindow(display);
  const Window probe = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  auto lastRequest = std::chrono::steady_clock::time_point{};
  const bool mapped = WaitUntil(
      [&] {
        if (std::chrono::steady_clock::now() - lastRequest > std::chrono::milliseconds(200)) {
          XMapWindow(display, probe);
          lastRequest = std::chrono::steady_clock::now();
        }
        XWindowAttributes state{};
        return XGetWindowAttributes(display, probe, &state) && state.map_state == IsViewable;
      },
      kStartTimeout);

  // The probe goes again, and the window manager must have let go of it
  // (its frame destroyed) before this connection closes: the server hands
  // the connection's window ids to the next client, whose first window the
  // window manager would otherwise take for the probe.
  Window parent = None, unused = None;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, probe, &unused, &parent, &children, &count)) parent = root;
  if (children != nullptr) XFree(children);
  XDestroyWindow(display, probe);
  XSync(display, False);
  if (parent == root) return mapped;
  const bool released = WaitUntil(
      [&] {
        CaughtErrors frame(display);
        XWindowAttributes state{};
        XGetWindowAttributes(display, parent, &state);
        return frame.Caught(BadWindow);
      },
      kStartTimeout);
  return mapped && released;
}

DisplayConnection XvfbServer::Connect() const {
  Display* display = XOpenDisplay(displayName_.c_str());
  if (display == nullptr) throw std::runtime_error("cannot connect to the X server " + displayName_);
  return DisplayConnection(display);
}

}  // namespace ondrave::testing
