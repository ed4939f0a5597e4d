// The program's logic and this host's files, driven from standard input
// instead of a window: a stand-in for a student who clicks very fast. It
// answers the start-up boxes (home user, the name given, XYZ, assignment 1),
// then obeys one command a line:
//
//   response          records the next entry with "Enter Response"
//   notes             records the next entry with "Save as Notes"
//   burst COUNT EVERY records COUNT entries, every EVERY-th one a note
//   quit              clicks "quit program"
//
// Before each of its first seven entries it clicks "Next Question / Answer".
// Entry n types proof::answerText(tag, n). It prints "loaded" after the
// load, and "response TAG N" or "notes TAG N" after each click that recorded
// its entry has returned, flushed at once: a test that kills the harness
// knows which clicks were over. Anything that goes wrong is printed as
// "failed ..." and ends the harness with status 3.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/fake_platform.h"
#include "platform/host/drive_paths.h"
#include "platform/host/posix_file_system.h"
#include "platform/host/system_clock.h"
#include "platform/random.h"
#include "proof/harness_entries.h"
#include "window/form.h"

namespace answerbook::proof {
namespace {

constexpr int kExamLines = 7;

class Harness {
 public:
  Harness(const std::string& name, std::string tag)
      : tag_(std::move(tag)),
        files_(defaultDrivesFolder()),
        form_(Platform{world_.dialogs, files_, clock_, random_, world_.desktop}, world_.controls()) {
    for (const char* answer : {"1", name.c_str(), "XYZ", "1"}) world_.dialogs.answer(std::string(answer));
  }

  bool load() {
    form_.handle(Event::Load);
    if (form_.ended() || !world_.dialogs.messages.empty()) return fail("load");
    say("loaded");
    return true;
  }

  bool record(bool notes) {
    ++entries_;
    if (entries_ <= kExamLines) form_.handle(Event::NextQuestionClick);
    world_.answer.value = answerText(tag_, entries_);
    form_.handle(notes ? Event::SaveAsNotesClick : Event::EnterResponseClick);
    if (form_.ended() || !world_.dialogs.messages.empty() || !world_.answer.value.empty()) {
      return fail("entry " + std::to_string(entries_));
    }
    say(std::string(notes ? "notes " : "response ") + tag_ + " " + std::to_string(entries_));
    return true;
  }

  bool quit() {
    form_.handle(Event::QuitClick);
    return form_.ended() || fail("quit");
  }

 private:
  bool fail(const std::string& what) {
    std::string messages;
    for (const std::string& m : world_.dialogs.messages) messages += " [" + m + "]";
    say("failed " + tag_ + " " + what + ":" + messages);
    return false;
  }

  static void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
  }

  std::string tag_;
  testing::FakeWorld world_;
  PosixFileSystem files_;
  SystemClock clock_;
  StandardRandom random_;
  Form form_;
  int entries_ = 0;
};

int run(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: recording_harness NAME TAG  (files under $ANSWERBOOK_DRIVES)\n";
    return 2;
  }
  Harness harness(argv[1], argv[2]);
  if (!harness.load()) return 3;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream command(line);
    std::string verb;
    command >> verb;
    if (verb == "response" || verb == "notes") {
      if (!harness.record(verb == "notes")) return 3;
    } else if (verb == "burst") {
      int count = 0;
      int every = 0;
      command >> count >> every;
      for (int i = 1; i <= count; ++i) {
        if (!harness.record(every > 0 && i % every == 0)) return 3;
      }
      std::fputs("burst done\n", stdout);
      std::fflush(stdout);
    } else if (verb == "quit") {
      return harness.quit() ? 0 : 3;
    } else {
      std::cerr << "recording_harness: unknown command " << line << "\n";
      return 2;
    }
  }
  return 0;
}

}  // namespace
}  // namespace answerbook::proof

int main(int argc, char** argv) { return answerbook::proof::run(argc, argv); }
