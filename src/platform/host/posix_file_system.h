#pragma once

#include <string>

#include "platform/file_system.h"

namespace answerbook {

// Files on this host's disk, under the drives folder (see drive_paths.h).
class PosixFileSystem : public FileSystem {
 public:
  explicit PosixFileSystem(std::string drivesFolder);

  std::unique_ptr<File> open(const std::string& path, OpenMode mode) override;
  void createFolder(const std::string& path) override;

  const std::string& drivesFolder() const { return drivesFolder_; }

 private:
  std::string drivesFolder_;
};

// The run-time error number for a failed system call's errno; `path` tells
// a missing file (53) from a missing folder (76).
int errorNumberOf(int errnoValue, const std::string& hostPath);

}  // namespace answerbook
