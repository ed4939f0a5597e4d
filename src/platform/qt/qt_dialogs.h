#pragma once

#include <QString>

#include "platform/dialogs.h"

namespace answerbook {

// The modal boxes as Qt dialogs. They carry the program's name as their title.
class QtDialogs : public Dialogs {
 public:
  std::string inputBox(const std::string& prompt) override;
  void messageBox(const std::string& text) override;
  void errorBox(const RunError& error) override;

  static QString title();
};

}  // namespace answerbook
