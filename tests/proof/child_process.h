#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace answerbook::proof {

// A program started by a test, with pipes to its standard input and output;
// its standard error goes where the test's goes.
class ChildProcess {
 public:
  // `environment` entries (NAME=value) are added to this process's own.
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void send(const std::string& line);
  // The next line of output without its line end; nullopt at the end of the
  // output or when none came within `timeout`.
  std::optional<std::string> readLine(std::chrono::milliseconds timeout);
  // Every line still to come, up to the end of the output.
  std::vector<std::string> readRest(std::chrono::milliseconds timeout);

  void kill();
  // The exit status, or minus the signal that ended it.
  int wait();

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  std::string buffered_;
  bool ended_ = false;
  int status_ = 0;
};

}  // namespace answerbook::proof
