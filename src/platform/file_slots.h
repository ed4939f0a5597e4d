#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace answerbook {

// The three numbered file slots through which every command reaches its
// files: 1 the master record file (or the query file), 2 the send record file
// (or the coded query file), 3 the notes file. Opening a slot that is open
// already is error 55; closing a slot that is not open does nothing.
class FileSlots {
 public:
  static constexpr int kCount = 3;

  explicit FileSlots(FileSystem& files);
  ~FileSlots();
  FileSlots(const FileSlots&) = delete;
  FileSlots& operator=(const FileSlots&) = delete;

  void open(int slot, const std::string& path, OpenMode mode);
  bool isOpen(int slot) const;
  bool anyOpen() const;

  // One line without its line end; a line ends at CR or at CR LF.
  // Reading at the end of the file is error 62.
  std::string readLine(int slot);
  bool atEnd(int slot);

  // Appends the bytes in one piece (all or nothing).
  void write(int slot, std::string_view bytes);
  // Pushes the slot's file to stable storage.
  void flush(int slot);

  // The slot is free afterwards even when closing the file fails.
  void close(int slot);
  // Closes every slot; the first failure is thrown after all are closed.
  void closeAll();
  // Closes every slot and ignores failures: for leaving after an error.
  void abandonAll() noexcept;

 private:
  struct Slot {
    std::unique_ptr<File> file;
    OpenMode mode = OpenMode::Read;
    std::string buffer;  // read ahead, from `pos` on not yet consumed
    std::size_t pos = 0;
    bool drained = false;  // the file has nothing more to read
  };

  Slot& slotAt(int slot);
  Slot& openSlot(int slot);
  Slot& readableSlot(int slot);
  Slot& writableSlot(int slot);
  static bool fill(Slot& s);

  FileSystem& files_;
  std::array<Slot, kCount> slots_;
};

}  // namespace answerbook
