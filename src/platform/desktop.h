#pragma once

#include "platform/picture.h"

namespace answerbook {

// The remaining facilities of the desktop: the system clipboard, the
// system's default beep, and the end of the process.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void putClipboardPicture(const Picture& picture) = 0;
  virtual Picture clipboardPicture() = 0;
  virtual void beep() = 0;
  // Called once, after every file slot was closed: the window disappears and
  // the process exits with status 0 as soon as control returns to it.
  virtual void endProcess() = 0;
};

}  // namespace answerbook
