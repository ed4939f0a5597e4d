#pragma once

#include "platform/desktop.h"

namespace answerbook {

// The desktop through Qt: the system clipboard, the beep, and the end of the
// event loop.
class QtDesktop : public Desktop {
 public:
  void putClipboardPicture(const Picture& picture) override;
  Picture clipboardPicture() override;
  void beep() override;
  void endProcess() override;
};

}  // namespace answerbook
