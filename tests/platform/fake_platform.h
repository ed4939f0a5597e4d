#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/run_error.h"

namespace answerbook::testing {

// Scripted boxes: answers are taken in order (nullopt is Cancel); every
// prompt, message and error box shown is recorded.
class FakeDialogs : public Dialogs {
 public:
  std::string inputBox(const std::string& prompt) override;
  void messageBox(const std::string& text) override;
  void errorBox(const RunError& error) override;

  void answer(std::optional<std::string> text) { answers.push_back(std::move(text)); }

  std::deque<std::optional<std::string>> answers;  // an exhausted script answers Cancel
  std::vector<std::string> prompts;
  std::vector<std::string> messages;
  std::vector<int> errorBoxes;  // numbers of the untrapped errors reported
};

class FakeClock : public Clock {
 public:
  std::string date() override { return today; }
  std::string time() override { return now; }
  float secondsSinceMidnight() override { return seconds; }

  std::string today = "03-07-2004";
  std::string now = "14:05:09";
  float seconds = 50709.0f;
};

// Hands out the chosen draws in order, then `fallback`.
class FakeRandom : public Random {
 public:
  void seed(float s) override { seeds.push_back(s); }
  float next() override;

  std::deque<float> draws;
  float fallback = 0.0f;
  int failWith = 0;  // when set, every draw fails with this error number
  int taken = 0;
  std::vector<float> seeds;
};

class FakeDesktop : public Desktop {
 public:
  void putClipboardPicture(const Picture& picture) override { clipboard = picture; }
  Picture clipboardPicture() override { return clipboard; }
  void beep() override { ++beeps; }
  void endProcess() override { ++ends; }

  Picture clipboard;
  int beeps = 0;
  int ends = 0;
};

enum class FileOp { Open, Read, Write, Sync, Close, CreateFolder };

// A file operation that fails: the first `after` matching operations pass,
// then `times` of them fail (-1: every one from then on).
struct Fault {
  FileOp op;
  std::string pathPart;  // matches paths that contain it; empty matches all
  int error;
  int after = 0;
  int times = 1;
};

// Files in memory, under the program's own Windows-style paths. A file can
// only be made in a folder that exists; a failed append writes nothing.
class FakeFileSystem : public FileSystem {
 public:
  std::unique_ptr<File> open(const std::string& path, OpenMode mode) override;
  void createFolder(const std::string& path) override;

  void inject(Fault fault) { faults.push_back(fault); }
  bool exists(const std::string& path) const { return files.count(path) != 0; }
  const std::string& content(const std::string& path) const;
  // Throws the injected error when a fault matches.
  void check(FileOp op, const std::string& path);

  std::map<std::string, std::string> files;
  std::map<std::string, std::size_t> synced;  // bytes of each file known to be on disk
  std::set<std::string> folders;
  std::vector<Fault> faults;
  std::map<FileOp, int> calls;  // operations attempted, failed ones included
  // Every operation attempted, in order, with its path: lets a test fail
  // each one of a command's operations in turn.
  std::vector<std::pair<FileOp, std::string>> history;
  int openFiles = 0;
};

class FakeTextBox : public TextBox {
 public:
  std::string text() const override { return value; }
  void setText(const std::string& text) override { value = text; }
  std::string value;
};

struct Circle {
  double x, y, radius;
  friend bool operator==(const Circle&, const Circle&) = default;
};

class FakePictureBox : public PictureBox {
 public:
  void setScaleHeight(double units) override { scaleHeight = units; }
  void setScaleWidth(double units) override { scaleWidth = units; }
  void circle(double x, double y, double radius) override { circles.push_back({x, y, radius}); }
  Picture picture() const override { return stored; }
  void setPicture(const Picture& picture) override { stored = picture; }

  double scaleHeight = 0;
  double scaleWidth = 0;
  std::vector<Circle> circles;
  Picture stored;
};

class FakeTimer : public Timer {
 public:
  void setEnabled(bool enabled) override { on = enabled; }
  bool enabled() const override { return on; }
  bool on = false;
};

// The whole world of one run, faked.
struct FakeWorld {
  FakeDialogs dialogs;
  FakeFileSystem files;
  FakeClock clock;
  FakeRandom random;
  FakeDesktop desktop;
  FakeTextBox question;
  FakeTextBox answer;
  FakePictureBox picture1;
  FakePictureBox picture2;
  FakeTimer timer;

  Platform platform() { return Platform{dialogs, files, clock, random, desktop}; }
  Controls controls() { return Controls{question, answer, picture1, picture2, timer}; }
};

}  // namespace answerbook::testing
