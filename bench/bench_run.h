#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/host/posix_file_system.h"
#include "platform/host/system_clock.h"
#include "platform/random.h"
#include "window/form.h"
#include "window/main_window.h"

class QPlainTextEdit;

namespace answerbook::bench {

// The start-up boxes answered from a list; every message is kept, since a
// message in the middle of a measurement means it measured the wrong thing.
class ScriptedDialogs : public Dialogs {
 public:
  std::string inputBox(const std::string& prompt) override;
  void messageBox(const std::string& text) override { messages.push_back(text); }
  void errorBox(const RunError& error) override;

  std::deque<std::string> answers;
  std::vector<std::string> messages;
};

// No beep, a clipboard of its own, and an end that is only noted: the
// benchmark goes on after a window's program has ended.
class QuietDesktop : public Desktop {
 public:
  void putClipboardPicture(const Picture& picture) override { clipboard_ = picture; }
  Picture clipboardPicture() override { return clipboard_; }
  void beep() override {}
  void endProcess() override { ended = true; }

  bool ended = false;

 private:
  Picture clipboard_;
};

// One run of the real program in its real window (shown, offscreen), on
// real files under `drivesFolder`: only the boxes and the desktop are
// stand-ins. Clicks go through the window's own buttons, and a click is
// over when the window has handled the events it caused, repaints
// included.
class BenchRun {
  // Declared first: the form below holds references to them.
  std::string drives_;
  std::string studentName_;
  PosixFileSystem files_;
  SystemClock clock_;
  StandardRandom random_;

 public:
  BenchRun(const std::string& drivesFolder, const std::string& studentName);

  // Answers the start-up boxes: home user, the student, assignment 1.
  void load();
  void click(const char* button);
  QPlainTextEdit& box(const char* name);
  // What the student would type into the answer box.
  void type(const std::string& cp1252);
  // The files of the run, on this host.
  std::string hostPath(const std::string& programPath) const;

  MainWindow window;
  ScriptedDialogs dialogs;
  QuietDesktop desktop;
  Form form;
};

// A fresh folder for the files of one benchmark, on the disk the benchmark
// runs from (not a memory file system, where a flush costs nothing).
std::string makeScratchFolder(const std::string& under);
void removeFolder(const std::string& folder);

}  // namespace answerbook::bench
