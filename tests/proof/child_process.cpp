#include "proof/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace answerbook::proof {
namespace {

void check(int result, const char* what) {
  if (result != 0) throw std::runtime_error(std::string(what) + ": " + std::strerror(result));
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment) {
  int in[2];
  int out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);

  std::vector<std::string> env = environment;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> args = argv;
  std::vector<char*> argp;
  for (std::string& a : args) argp.push_back(a.data());
  argp.push_back(nullptr);

  const int spawned = ::posix_spawn(&pid_, argp[0], &actions, nullptr, argp.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  in_ = in[1];
  out_ = out[0];
  check(spawned, "posix_spawn");
}

ChildProcess::~ChildProcess() {
  if (!ended_) {
    kill();
    wait();
  }
  if (in_ >= 0) ::close(in_);
  if (out_ >= 0) ::close(out_);
}

void ChildProcess::send(const std::string& line) {
  const std::string bytes = line + "\n";
  std::size_t done = 0;
  // A child that is gone may leave the pipe without reader: no SIGPIPE then.
  ::signal(SIGPIPE, SIG_IGN);
  while (done < bytes.size()) {
    const ssize_t n = ::write(in_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const std::size_t end = buffered_.find('\n');
    if (end != std::string::npos) {
      std::string line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd p{out_, POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    char chunk[4096];
    const ssize_t n = ::read(out_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;  // the end of the output; a torn last line is dropped
    buffered_.append(chunk, static_cast<std::size_t>(n));
  }
}

std::vector<std::string> ChildProcess::readRest(std::chrono::milliseconds timeout) {
  std::vector<std::string> lines;
  while (std::optional<std::string> line = readLine(timeout)) lines.push_back(std::move(*line));
  return lines;
}

void ChildProcess::kill() {
  if (!ended_) ::kill(pid_, SIGKILL);
}

int ChildProcess::wait() {
  if (ended_) return status_;
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  ended_ = true;
  status_ = WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
  return status_;
}

}  // namespace answerbook::proof
