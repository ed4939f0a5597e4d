#pragma once

#include <stdexcept>
#include <string>

namespace answerbook {

// Run-time error numbers. The program reports errors by number: students are
// asked to pass the number on to the instructor, so a number, once given a
// meaning, keeps it.
namespace err {
inline constexpr int kInvalidArgument = 5;     // a character code outside 0..255
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;  // an index outside an array's bounds
inline constexpr int kTypeMismatch = 13;       // a text where a number is needed
inline constexpr int kBadFileNameOrNumber = 52;  // no such slot, or a name the host cannot hold
inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileMode = 54;        // e.g. reading a slot opened for writing
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kDeviceIoError = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEndOfFile = 62;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccessError = 75;  // read-only file system, a folder where a file is expected
inline constexpr int kPathNotFound = 76;
inline constexpr int kUnexpected = 51;         // anything the program did not foresee
}  // namespace err

// The short description that the program's own error box shows next to the
// number; every number above has one.
std::string errorDescription(int number);

// A numbered run-time error. Operations throw it; the four operations with an
// error trap catch it and show one of the two shared messages, and any other
// handler lets it reach the window, which reports it and ends the program.
class RunError : public std::runtime_error {
 public:
  explicit RunError(int number);
  RunError(int number, const std::string& detail);
  int number() const { return number_; }

 private:
  int number_;
};

}  // namespace answerbook
