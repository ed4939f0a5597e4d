#pragma once

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "platform/fake_platform.h"
#include "window/form.h"

namespace answerbook::testing {

inline const std::string kHome = "c:\\zelmwork";
inline const std::string kLan = "i:\\bkp_000416\\My Documents\\distance students\\interactive problems\\lb1";

// The record files of loadExam()'s student on the fake clock's day.
inline const std::string kMasterFile = kHome + "\\masterFile_First_Middle_Last.txt";
inline const std::string kSendFile = kHome + "\\send_0307First_Middle_Last.txt";
inline const std::string kNotesFile = kHome + "\\notes_First_Middle_Last.txt";

// One run of the program on a faked world: the form, its platform and
// controls. load() answers the start-up boxes and runs the load handler.
struct FakeRun {
  FakeWorld world;
  std::unique_ptr<Form> form;

  FakeRun() { form = std::make_unique<Form>(world.platform(), world.controls()); }
  // A run whose controls are real ones, such as the window's widgets.
  explicit FakeRun(const Controls& controls) { form = std::make_unique<Form>(world.platform(), controls); }

  void load(std::initializer_list<std::optional<std::string>> answers) {
    for (const auto& a : answers) world.dialogs.answer(a);
    form->handle(Event::Load);
  }

  // The usual start: home user First Middle Last, initials XYZ, assignment 1.
  void loadExam() { load({"1", "First Middle Last", "XYZ", "1"}); }

  // Replaces the script after the load: the lines from index 1 on, the
  // position on `index`.
  void script(std::initializer_list<std::string> lines, long long index = 0) {
    long long i = 1;
    for (const std::string& line : lines) state().scriptLines.set(i++, line);
    for (; i <= ScriptLines::kLastIndex; ++i) state().scriptLines.set(i, "");
    state().scriptIndex = index;
  }

  void click(Event event) { form->handle(event); }

  RunState& state() { return form->state; }
  const std::string& file(const std::string& path) const { return world.files.content(path); }
  bool ended() const { return form->ended(); }
};

}  // namespace answerbook::testing
