#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/run_error.h"

namespace answerbook {

// The message for an error number 9: the script has no such assignment.
extern const std::string_view kInvalidAssignmentMessage;
// The message for every other error number; the number follows directly.
extern const std::string_view kGeneralErrorMessage;

// The general error message for an error number.
std::string generalErrorMessage(int errorNumber);

// What an error trap shows for an error number: the invalid-assignment
// message for 9, the general error message for any other.
std::string trapMessage(int errorNumber);

// Runs `body` under an error trap: a run-time error stops the body and shows
// the trap's message in a message box. Returns the number of the error
// trapped, or 0 when the body ran to its end. Ending the program passes
// through.
template <typename Body>
int runTrapped(Dialogs& dialogs, Body&& body) {
  try {
    body();
    return 0;
  } catch (const RunError& error) {
    dialogs.messageBox(trapMessage(error.number()));
    return error.number();
  }
}

}  // namespace answerbook
