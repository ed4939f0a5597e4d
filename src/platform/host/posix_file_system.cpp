#include "platform/host/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/host/drive_paths.h"
#include "platform/run_error.h"

namespace answerbook {
namespace {

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool isFolder(const std::string& path) {
  struct stat st{};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

[[noreturn]] void fail(int errnoValue, const std::string& path) {
  throw RunError(errorNumberOf(errnoValue, path), path + ": " + std::strerror(errnoValue));
}

// A new directory entry reaches the disk only when its folder is synced.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

class PosixFile : public File {
 public:
  PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  std::string read(std::size_t max) override {
    std::string data(max, '\0');
    for (;;) {
      const ssize_t n = ::read(fd_, data.data(), max);
      if (n >= 0) {
        data.resize(static_cast<std::size_t>(n));
        return data;
      }
      if (errno != EINTR) fail(errno, path_);
    }
  }

  void append(std::string_view bytes) override {
    struct stat before{};
    const bool sized = ::fstat(fd_, &before) == 0;
    std::size_t written = 0;
    while (written < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
      if (n > 0) {
        written += static_cast<std::size_t>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      const int error = n < 0 ? errno : ENOSPC;
      if (written > 0 && sized) undo(before.st_size, written);
      fail(error, path_);
    }
  }

  void sync() override {
    if (::fsync(fd_) != 0) fail(errno, path_);
  }

  void close() override {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) fail(errno, path_);
  }

 private:
  // Takes back the part of an append that made it to the file, unless
  // someone else has appended since: then cutting would destroy their bytes.
  void undo(off_t sizeBefore, std::size_t written) {
    struct stat now{};
    if (::fstat(fd_, &now) == 0 && now.st_size == sizeBefore + static_cast<off_t>(written)) {
      if (::ftruncate(fd_, sizeBefore) != 0) {
        // Nothing more can be done; the error that caused this is reported.
      }
    }
  }

  int fd_;
  std::string path_;
};

}  // namespace

int errorNumberOf(int errnoValue, const std::string& hostPath) {
  switch (errnoValue) {
    case ENOENT: return isFolder(parentOf(hostPath)) ? err::kFileNotFound : err::kPathNotFound;
    case ENOTDIR: return err::kPathNotFound;
    case EACCES:
    case EPERM: return err::kPermissionDenied;
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ETXTBSY: return err::kPathFileAccessError;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return err::kDiskFull;
    case EMFILE:
    case ENFILE: return err::kTooManyFiles;
    case ENAMETOOLONG:
    case EILSEQ: return err::kBadFileNameOrNumber;
    case ENOMEM: return err::kOutOfMemory;
    default: return err::kDeviceIoError;
  }
}

PosixFileSystem::PosixFileSystem(std::string drivesFolder) : drivesFolder_(std::move(drivesFolder)) {}

std::unique_ptr<File> PosixFileSystem::open(const std::string& path, OpenMode mode) {
  const std::string host = hostPath(path, drivesFolder_);
  int flags = O_CLOEXEC;
  switch (mode) {
    case OpenMode::Read: flags |= O_RDONLY; break;
    case OpenMode::Write: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
    case OpenMode::Append: flags |= O_WRONLY | O_CREAT | O_APPEND; break;
  }
  const bool existed = ::access(host.c_str(), F_OK) == 0;
  int fd;
  do {
    fd = ::open(host.c_str(), flags, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) fail(errno, host);

  struct stat st{};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    fail(EISDIR, host);
  }
  if (!existed) syncFolder(parentOf(host));
  return std::make_unique<PosixFile>(fd, host);
}

void PosixFileSystem::createFolder(const std::string& path) {
  const std::string host = hostPath(path, drivesFolder_);
  // Every parent first, so that a fresh user gets a working home folder.
  for (std::size_t slash = host.find('/', 1); slash != std::string::npos; slash = host.find('/', slash + 1)) {
    const std::string parent = host.substr(0, slash);
    if (::mkdir(parent.c_str(), 0755) != 0 && errno != EEXIST) fail(errno, parent);
  }
  if (::mkdir(host.c_str(), 0755) != 0) fail(errno, host);
  syncFolder(parentOf(host));
}

}  // namespace answerbook
