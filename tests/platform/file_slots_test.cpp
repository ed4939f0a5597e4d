#include "platform/file_slots.h"

#include <gtest/gtest.h>

#include "platform/fake_platform.h"

namespace answerbook {
namespace {

using testing::Fault;
using testing::FakeFileSystem;
using testing::FileOp;

const std::string kFile = "c:\\w\\a.txt";

class FileSlotsTest : public ::testing::Test {
 protected:
  FileSlotsTest() { fs.folders.insert("c:\\w"); }

  int errorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const RunError& e) {
      return e.number();
    }
    return 0;
  }

  FakeFileSystem fs;
  FileSlots slots{fs};
};

TEST_F(FileSlotsTest, OpeningAnOpenSlotIsError55AndClosingAFreeSlotDoesNothing) {
  slots.open(1, kFile, OpenMode::Append);
  EXPECT_EQ(errorOf([&] { slots.open(1, kFile, OpenMode::Append); }), err::kFileAlreadyOpen);
  EXPECT_NO_THROW(slots.close(2));
  slots.close(1);
  EXPECT_FALSE(slots.isOpen(1));
  EXPECT_NO_THROW(slots.open(1, kFile, OpenMode::Append));
}

TEST_F(FileSlotsTest, MisusedSlotsGiveTheirErrors) {
  fs.files[kFile] = "x";
  EXPECT_EQ(errorOf([&] { slots.open(4, kFile, OpenMode::Read); }), err::kBadFileNameOrNumber);
  EXPECT_EQ(errorOf([&] { slots.write(2, "x"); }), err::kBadFileNameOrNumber);
  slots.open(1, kFile, OpenMode::Read);
  EXPECT_EQ(errorOf([&] { slots.write(1, "x"); }), err::kBadFileMode);
  slots.open(2, kFile, OpenMode::Append);
  EXPECT_EQ(errorOf([&] { slots.readLine(2); }), err::kBadFileMode);
}

TEST_F(FileSlotsTest, ReadsLinesEndedByCrOrCrLf) {
  struct Case {
    std::string content;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},         // the last line may lack its end
      {"a\rb\r", {"a", "b"}},          // CR alone ends a line
      {"a\nb\r\n", {"a\nb"}},          // LF alone does not
      {"\r\n\r\nx", {"", "", "x"}},
      {"a\r\r\nb", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    fs.files[kFile] = c.content;
    slots.open(3, kFile, OpenMode::Read);
    std::vector<std::string> lines;
    while (!slots.atEnd(3)) lines.push_back(slots.readLine(3));
    EXPECT_EQ(lines, c.lines) << "content: " << c.content;
    EXPECT_EQ(errorOf([&] { slots.readLine(3); }), err::kInputPastEndOfFile);
    slots.close(3);
  }
}

TEST_F(FileSlotsTest, ReadsLinesAcrossTheReadBuffer) {
  // A CR LF split across two reads of 64 KiB must still end one line.
  const std::string first(64 * 1024 - 1, 'a');
  fs.files[kFile] = first + "\r\n" + "b\r\n";
  slots.open(1, kFile, OpenMode::Read);
  EXPECT_EQ(slots.readLine(1), first);
  EXPECT_EQ(slots.readLine(1), "b");
  EXPECT_TRUE(slots.atEnd(1));
}

TEST_F(FileSlotsTest, WritesAppendAndFlushReachesTheDisk) {
  fs.files[kFile] = "old\r\n";
  slots.open(2, kFile, OpenMode::Append);
  slots.write(2, "new\r\n");
  slots.flush(2);
  slots.close(2);
  EXPECT_EQ(fs.content(kFile), "old\r\nnew\r\n");
  EXPECT_EQ(fs.synced[kFile], fs.content(kFile).size());

  slots.open(2, kFile, OpenMode::Write);
  slots.close(2);
  EXPECT_EQ(fs.content(kFile), "");
}

TEST_F(FileSlotsTest, AFailedCloseStillFreesTheSlotAndCloseAllClosesEveryOne) {
  slots.open(1, kFile, OpenMode::Append);
  slots.open(2, kFile, OpenMode::Append);
  slots.open(3, kFile, OpenMode::Append);
  fs.inject(Fault{FileOp::Close, "", err::kDeviceIoError, 0, 1});
  EXPECT_EQ(errorOf([&] { slots.closeAll(); }), err::kDeviceIoError);
  EXPECT_FALSE(slots.anyOpen());
  EXPECT_EQ(fs.openFiles, 0);
}

}  // namespace
}  // namespace answerbook
