#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace answerbook {

// The program's view of files: paths are the program's own Windows-style
// texts (c:\zelmwork\...); each implementation decides where they lead.
// Every failure is a RunError carrying the number the student will see.

enum class OpenMode { Read, Write, Append };

class File {
 public:
  virtual ~File() = default;
  // Reads up to `max` bytes; an empty result means the end of the file.
  virtual std::string read(std::size_t max) = 0;
  // Appends all of `bytes` or, when it fails, none of them: a failed record
  // entry must never leave half an entry behind.
  virtual void append(std::string_view bytes) = 0;
  // Pushes everything appended so far to stable storage.
  virtual void sync() = 0;
  // Closes the file; called at most once. A file destroyed without close()
  // is closed quietly.
  virtual void close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Read: the file must exist. Write: created empty, or emptied. Append:
  // created when missing, written after the existing content.
  virtual std::unique_ptr<File> open(const std::string& path, OpenMode mode) = 0;
  // Creates one folder, its parents included where the host allows it.
  virtual void createFolder(const std::string& path) = 0;
};

}  // namespace answerbook
