#include "start_up.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "bench_run.h"
#include "timing.h"

extern char** environ;

namespace answerbook::bench {
namespace {

constexpr int kRuns = 15;
constexpr int kWarmUps = 2;
constexpr int kTimeoutMs = 20000;

// Starts `argv` with `env`, its output thrown away.
pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
  std::vector<char*> args, envp;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error));
  return pid;
}

void stop(pid_t pid, int signal = SIGKILL) {
  ::kill(pid, signal);
  ::waitpid(pid, nullptr, 0);
}

// This process's environment with `changes` (NAME=value) put in.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    bool changed = name == "WAYLAND_DISPLAY";
    for (const std::string& c : changes) changed = changed || c.substr(0, c.find('=')) == name;
    if (!changed) env.push_back(entry);
  }
  env.insert(env.end(), changes.begin(), changes.end());
  return env;
}

// An X server of our own (Xvfb), and a connection to it that watches the
// top-level windows being mapped.
class VirtualScreen {
 public:
  VirtualScreen() {
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("no pipe");
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    // Xvfb writes the number of the display it chose once it takes clients.
    // -noreset: a program that connects while the server resets is turned away.
    server_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                    environmentWith({}));
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c;
    while (::poll(&p, 1, kTimeoutMs) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) {
      stop(server_, SIGTERM);
      throw std::runtime_error("Xvfb did not start");
    }
    display_ = ":" + number;

    connection_ = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) {
      stop(server_, SIGTERM);
      throw std::runtime_error("cannot reach Xvfb on " + display_);
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
  }

  ~VirtualScreen() {
    xcb_disconnect(connection_);
    // Asked to end, Xvfb takes its lock file and socket with it.
    stop(server_, SIGTERM);
  }

  const std::string& display() const { return display_; }

  // Milliseconds from starting the program until it maps its first
  // top-level window; the program is killed then.
  double timeToFirstWindow(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    forgetEvents();
    const auto start = Clock::now();
    const pid_t child = spawn(argv, env);
    const bool mapped = waitForMap(child, start);
    const double ms = millisecondsSince(start);
    stop(child);
    if (!mapped) throw std::runtime_error(argv[0] + " showed no window");
    return ms;
  }

 private:
  bool waitForMap(pid_t child, Clock::time_point start) {
    pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (millisecondsSince(start) < kTimeoutMs) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const bool map = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                         !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        std::free(event);
        if (map) return true;
      }
      if (::waitpid(child, nullptr, WNOHANG) == child) return false;
      ::poll(&p, 1, 50);
    }
    return false;
  }

  // Lets the server finish with the last program and drops its events.
  void forgetEvents() {
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
  }

  pid_t server_ = -1;
  std::string display_;
  xcb_connection_t* connection_ = nullptr;
};

}  // namespace

Figure startUpFigure(const std::string& program, const std::string& minimalProgram, const std::string& scratch) {
  Figure figure{"start-up to the first input box", 0, "minimal Qt program showing one input box", 0, "ms", 1.3, {}};
  const std::string folder = makeScratchFolder(scratch);
  try {
    VirtualScreen screen;
    const std::vector<std::string> env =
        environmentWith({"DISPLAY=" + screen.display(), "QT_QPA_PLATFORM=xcb", "ANSWERBOOK_DRIVES=" + folder});
    std::vector<double> programMs, minimalMs;
    for (int i = 0; i < kWarmUps + kRuns; ++i) {
      const double p = screen.timeToFirstWindow({program}, env);
      const double m = screen.timeToFirstWindow({minimalProgram}, env);
      if (i < kWarmUps) continue;
      programMs.push_back(p);
      minimalMs.push_back(m);
    }
    figure.value = median(programMs);
    figure.baseline = median(minimalMs);
  } catch (const std::exception& e) {
    figure.failure = e.what();
  }
  removeFolder(folder);
  return figure;
}

}  // namespace answerbook::bench
