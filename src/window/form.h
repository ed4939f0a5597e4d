#pragma once

#include "platform/controls.h"
#include "platform/file_slots.h"
#include "platform/platform.h"
#include "state/run_state.h"

namespace answerbook {

// The events of the main window that can have handlers.
enum class Event {
  Load,
  NextQuestionClick,
  EnterResponseClick,
  SaveAsNotesClick,
  DisplayNotesClick,
  DisplayEverythingClick,
  ClearBoxClick,
  QuitClick,
  NextPictureClick,
  PendExpClick,
  CopyPictureClick,
  TimerTick,
};

// The main window as its operations see it: the run state, the controls they
// use, the platform they reach the world through, and the file slots. The Qt
// window builds the widgets and forwards its events to handle(); every
// behaviour of the program runs inside one of these calls.
class Form {
 public:
  Form(const Platform& platform, const Controls& controls);

  // Runs the handler wired to `event`, if any, unless the program has ended.
  // A run-time error that the handler does not trap is shown in the
  // platform's error box and ends the program.
  void handle(Event event);

  // The window's close box: ends the program without a message.
  void close();

  bool ended() const { return ended_; }

  RunState state;
  Platform platform;
  Controls controls;
  FileSlots slots;

 private:
  void finish();

  bool ended_ = false;
};

}  // namespace answerbook
