#include "window/error_trap.h"

namespace answerbook {

const std::string_view kInvalidAssignmentMessage =
    "You have probably not entered a valid assignment number.  Make sure the assignment number is a "
    "number, like 1 or 8 or 15 or 27 etc., and make sure that this assignment is supposed to be in the "
    "current kivset.  This program will end and you will need to start over.  If you are sure you have "
    "entered a valid assignment number email the instructor and specify that you have received a "
    "'subscript out of range' error";

const std::string_view kGeneralErrorMessage =
    "You have encountered an error.  If you are encountering this error repeatedly you should report the "
    "error number to the instructor and explain exactly what you were doing, keystroke by keystroke, when "
    "the error occurred.  The error is:  ";

std::string generalErrorMessage(int errorNumber) {
  return std::string(kGeneralErrorMessage) + std::to_string(errorNumber);
}

std::string trapMessage(int errorNumber) {
  if (errorNumber == err::kSubscriptOutOfRange) return std::string(kInvalidAssignmentMessage);
  return generalErrorMessage(errorNumber);
}

}  // namespace answerbook
