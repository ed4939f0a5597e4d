#include "platform/file_slots.h"

#include <exception>

#include "platform/run_error.h"

namespace answerbook {
namespace {
constexpr std::size_t kReadChunk = 64 * 1024;
}

FileSlots::FileSlots(FileSystem& files) : files_(files) {}

FileSlots::~FileSlots() { abandonAll(); }

FileSlots::Slot& FileSlots::slotAt(int slot) {
  if (slot < 1 || slot > kCount) throw RunError(err::kBadFileNameOrNumber);
  return slots_[static_cast<std::size_t>(slot - 1)];
}

FileSlots::Slot& FileSlots::openSlot(int slot) {
  Slot& s = slotAt(slot);
  if (!s.file) throw RunError(err::kBadFileNameOrNumber);
  return s;
}

FileSlots::Slot& FileSlots::readableSlot(int slot) {
  Slot& s = openSlot(slot);
  if (s.mode != OpenMode::Read) throw RunError(err::kBadFileMode);
  return s;
}

FileSlots::Slot& FileSlots::writableSlot(int slot) {
  Slot& s = openSlot(slot);
  if (s.mode == OpenMode::Read) throw RunError(err::kBadFileMode);
  return s;
}

void FileSlots::open(int slot, const std::string& path, OpenMode mode) {
  Slot& s = slotAt(slot);
  if (s.file) throw RunError(err::kFileAlreadyOpen);
  s = Slot{};
  s.file = files_.open(path, mode);
  s.mode = mode;
}

bool FileSlots::isOpen(int slot) const {
  return slot >= 1 && slot <= kCount && slots_[static_cast<std::size_t>(slot - 1)].file != nullptr;
}

bool FileSlots::anyOpen() const {
  for (const Slot& s : slots_) {
    if (s.file) return true;
  }
  return false;
}

bool FileSlots::fill(Slot& s) {
  if (s.drained) return false;
  s.buffer.erase(0, s.pos);
  s.pos = 0;
  std::string chunk = s.file->read(kReadChunk);
  if (chunk.empty()) {
    s.drained = true;
    return false;
  }
  s.buffer += chunk;
  return true;
}

bool FileSlots::atEnd(int slot) {
  Slot& s = readableSlot(slot);
  return s.pos == s.buffer.size() && !fill(s);
}

std::string FileSlots::readLine(int slot) {
  Slot& s = readableSlot(slot);
  if (s.pos == s.buffer.size() && !fill(s)) throw RunError(err::kInputPastEndOfFile);
  std::string line;
  for (;;) {
    if (s.pos == s.buffer.size() && !fill(s)) return line;
    const std::size_t cr = s.buffer.find('\r', s.pos);
    if (cr == std::string::npos) {
      line.append(s.buffer, s.pos, std::string::npos);
      s.pos = s.buffer.size();
      continue;
    }
    line.append(s.buffer, s.pos, cr - s.pos);
    s.pos = cr + 1;
    if (s.pos == s.buffer.size()) fill(s);
    if (s.pos < s.buffer.size() && s.buffer[s.pos] == '\n') ++s.pos;
    return line;
  }
}

void FileSlots::write(int slot, std::string_view bytes) { writableSlot(slot).file->append(bytes); }

void FileSlots::flush(int slot) { writableSlot(slot).file->sync(); }

void FileSlots::close(int slot) {
  Slot& s = slotAt(slot);
  std::unique_ptr<File> file = std::move(s.file);
  s = Slot{};
  if (file) file->close();
}

void FileSlots::closeAll() {
  std::exception_ptr first;
  for (int slot = 1; slot <= kCount; ++slot) {
    try {
      close(slot);
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  if (first) std::rethrow_exception(first);
}

void FileSlots::abandonAll() noexcept {
  for (Slot& s : slots_) s = Slot{};
}

}  // namespace answerbook
