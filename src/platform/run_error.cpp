#include "platform/run_error.h"

namespace answerbook {

std::string errorDescription(int number) {
  switch (number) {
    case err::kInvalidArgument: return "Invalid procedure call or argument";
    case err::kOutOfMemory: return "Out of memory";
    case err::kSubscriptOutOfRange: return "Subscript out of range";
    case err::kTypeMismatch: return "Type mismatch";
    case err::kUnexpected: return "Internal error";
    case err::kBadFileNameOrNumber: return "Bad file name or number";
    case err::kFileNotFound: return "File not found";
    case err::kBadFileMode: return "Bad file mode";
    case err::kFileAlreadyOpen: return "File already open";
    case err::kDeviceIoError: return "Device I/O error";
    case err::kDiskFull: return "Disk full";
    case err::kInputPastEndOfFile: return "Input past end of file";
    case err::kTooManyFiles: return "Too many files";
    case err::kPermissionDenied: return "Permission denied";
    case err::kPathFileAccessError: return "Path/File access error";
    case err::kPathNotFound: return "Path not found";
    default: return "Unknown error";
  }
}

RunError::RunError(int number) : RunError(number, errorDescription(number)) {}

RunError::RunError(int number, const std::string& detail)
    : std::runtime_error(detail), number_(number) {}

}  // namespace answerbook
