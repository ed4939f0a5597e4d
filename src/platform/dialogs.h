#pragma once

#include <string>

namespace answerbook {

class RunError;

// The modal boxes of the program. Texts are Windows-1252 byte strings.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A prompt, a text field, OK and Cancel: the typed text, or the empty text
  // on Cancel.
  virtual std::string inputBox(const std::string& prompt) = 0;
  // A text and an OK button only.
  virtual void messageBox(const std::string& text) = 0;
  // The report of an error that no operation trapped: the error's number,
  // its description and an OK button. The program ends after it.
  virtual void errorBox(const RunError& error) = 0;
};

}  // namespace answerbook
