#include "platform/host/posix_file_system.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/file_slots.h"
#include "platform/run_error.h"

namespace answerbook {
namespace {

namespace fs = std::filesystem;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/answerbook-fs-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root = fs::path(pattern) / "drives";
    files = std::make_unique<PosixFileSystem>(root.string());
  }
  void TearDown() override { fs::remove_all(root.parent_path()); }

  std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  int errorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const RunError& e) {
      return e.number();
    }
    return 0;
  }

  fs::path root;
  std::unique_ptr<PosixFileSystem> files;
};

TEST_F(PosixFileSystemTest, CreatingTheHomeFolderMakesItsParentsAndAgainIsAnError) {
  files->createFolder("c:\\zelmwork");
  EXPECT_TRUE(fs::is_directory(root / "c" / "zelmwork"));
  EXPECT_EQ(errorOf([&] { files->createFolder("c:\\zelmwork"); }), err::kPathFileAccessError);
}

TEST_F(PosixFileSystemTest, AppendsCreateAndExtendFilesByteForByte) {
  files->createFolder("c:\\zelmwork");
  FileSlots slots(*files);
  const std::string bytes = "Student Name:  Ren\xE9\r\n\xBA\x81\r\n";
  for (int run = 0; run < 2; ++run) {
    slots.open(1, "c:\\zelmwork\\masterFile_Ren\xE9.txt", OpenMode::Append);
    slots.write(1, bytes);
    slots.flush(1);
    slots.close(1);
  }
  EXPECT_EQ(read(root / "c" / "zelmwork" / "masterFile_Ren\xC3\xA9.txt"), bytes + bytes);

  slots.open(3, "c:\\zelmwork\\masterFile_Ren\xE9.txt", OpenMode::Read);
  for (int run = 0; run < 2; ++run) {
    EXPECT_EQ(slots.readLine(3), "Student Name:  Ren\xE9");
    EXPECT_EQ(slots.readLine(3), "\xBA\x81");
  }
  EXPECT_TRUE(slots.atEnd(3));
}

TEST_F(PosixFileSystemTest, FailuresCarryTheirNumbers) {
  files->createFolder("c:\\zelmwork");
  EXPECT_EQ(errorOf([&] { files->open("i:\\missing\\lb1\\send_x.txt", OpenMode::Append); }), err::kPathNotFound);
  EXPECT_EQ(errorOf([&] { files->open("c:\\zelmwork\\notes_x.txt", OpenMode::Read); }), err::kFileNotFound);
  EXPECT_EQ(errorOf([&] { files->open("c:\\nofolder\\notes_x.txt", OpenMode::Read); }), err::kPathNotFound);
  EXPECT_EQ(errorOf([&] { files->open("c:\\zelmwork", OpenMode::Read); }), err::kPathFileAccessError);
  EXPECT_EQ(errorOf([&] { files->open("c:\\zelmwork\\" + std::string(300, 'n') + ".txt", OpenMode::Append); }),
            err::kBadFileNameOrNumber);
}

TEST_F(PosixFileSystemTest, AFailedAppendLeavesNothingOfItself) {
  files->createFolder("c:\\w");
  auto file = files->open("c:\\w\\m.txt", OpenMode::Append);
  file->append("kept\r\n");

  // Only 4 more bytes fit below the file size limit: the write starts, then fails.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit limit = old;
  limit.rlim_cur = 10;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const int error = errorOf([&] { file->append("a whole entry\r\n"); });
  ::setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_EQ(error, err::kDiskFull);
  file->close();
  EXPECT_EQ(read(root / "c" / "w" / "m.txt"), "kept\r\n");
}

}  // namespace
}  // namespace answerbook
