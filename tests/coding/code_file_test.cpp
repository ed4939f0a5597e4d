#include "coding/code_file.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "platform/run_error.h"

namespace answerbook {
namespace {

using testing::Fault;
using testing::FakeRun;
using testing::FileOp;
using testing::kHome;

const std::string kQuery = kHome + "\\query.txt";
const std::string kCoded = kHome + "\\queri.txt";
const std::string kFirstLine = "A first line of 25 chars.";
constexpr double kStartCodeNbr = 23;

class CodeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    run.loadExam();
    run.state().codeNbr = kStartCodeNbr;
  }

  void writeQuery(const std::string& content) { run.world.files.files[kQuery] = content; }

  // Runs the conversion and returns the number of the error that stopped it, 0 when none did.
  int convert() {
    try {
      codeFile(*run.form);
      return 0;
    } catch (const RunError& error) {
      return error.number();
    }
  }

  void expectNothingLeftOpen() {
    EXPECT_FALSE(run.form->slots.anyOpen());
    EXPECT_EQ(run.world.files.openFiles, 0);
  }

  FakeRun run;
};

TEST_F(CodeFile, ConvertsEveryLineByItsPrefix) {
  const std::pair<std::string, std::string> lines[] = {
      {"assign 3: forces", "assign 3: forces"},
      {"Assignment 7", "Assignment 7"},
      {"ASSIGN", "ASSIGN"},
      {"QUERY 1 velocity", "query velocity"},
      {"query ", "query"},
      {"query 1", "query"},
      {"Query 12", "query2"},  // the character after the blank goes too
      {"query  x", "queryx"},
      {"queryX rest", "queryX rest"},
      {"query", "query"},
      {"query\t1 x", "query\t1 x"},
      {" query 1 x", " query 1 x"},
      {"", ""},
      {"plain line, \x80 and all", "plain line, \x80 and all"},
  };
  std::string query = kFirstLine + "\r\n";
  std::string coded = kFirstLine + "\r\n";
  for (const auto& [line, expected] : lines) {
    query += line + "\r\n";
    coded += expected + "\r\n";
  }
  writeQuery(query);

  EXPECT_EQ(convert(), 0);
  EXPECT_EQ(run.file(kCoded), coded);
  EXPECT_EQ(run.file(kQuery), query) << "the query file is only read";
  EXPECT_EQ(run.state().codeNbr, 25);
  expectNothingLeftOpen();
}

TEST_F(CodeFile, TheFirstLineGivesCodeNbrAndIsConvertedLikeTheRest) {
  struct Case {
    std::string query;
    double codeNbr;
    std::string coded;
  };
  const Case cases[] = {
      {kFirstLine + "\r\nsecond\r\n", 25, kFirstLine + "\r\nsecond\r\n"},
      {"\r\nsecond\r\n", 0, "\r\nsecond\r\n"},
      {"\r\n", 0, "\r\n"},
      {"\r\n\r\n\r\n", 0, "\r\n\r\n\r\n"},
      {"QUERY 1 velocity\r\nlast line without its end", 16, "query velocity\r\nlast line without its end\r\n"},
      {"query 1 x", 9, "query x\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    run.state().codeNbr = kStartCodeNbr;
    writeQuery(c.query);
    EXPECT_EQ(convert(), 0);
    EXPECT_EQ(run.state().codeNbr, c.codeNbr);
    EXPECT_EQ(run.file(kCoded), c.coded);
    expectNothingLeftOpen();
  }
}

TEST_F(CodeFile, ReplacesTheCodedFileNamedWithTheQuerySuffix) {
  run.world.files.files[kCoded] = "an older and much longer coded query file\r\n";
  writeQuery("query 1 a\r\n");
  EXPECT_EQ(convert(), 0);
  EXPECT_EQ(run.file(kCoded), "query a\r\n");

  run.state().querySuffix = "7";
  run.world.files.files[kHome + "\\query7.txt"] = "query 1 b\r\n";
  EXPECT_EQ(convert(), 0);
  EXPECT_EQ(run.file(kHome + "\\queri7.txt"), "query b\r\n");
  EXPECT_EQ(run.file(kCoded), "query a\r\n");
}

TEST_F(CodeFile, AMissingOrEmptyQueryFileStopsItBeforeAnythingChanges) {
  const std::pair<std::optional<std::string>, int> cases[] = {
      {std::nullopt, err::kFileNotFound},
      {"", err::kInputPastEndOfFile},
  };
  for (const auto& [query, error] : cases) {
    SCOPED_TRACE(error);
    run.world.files.files.erase(kQuery);
    if (query) writeQuery(*query);
    EXPECT_EQ(convert(), error);
    EXPECT_EQ(run.state().codeNbr, kStartCodeNbr);
    EXPECT_FALSE(run.world.files.exists(kCoded));
    expectNothingLeftOpen();
  }
}

TEST_F(CodeFile, AFailureAfterTheFirstLineClosesItsSlotsSoThatRecordingStillWorks) {
  const Fault faults[] = {
      {FileOp::Open, "queri", err::kPermissionDenied},        // the coded file cannot be made
      {FileOp::Open, "query", err::kPathFileAccessError, 1},  // the query file is gone the second time
      {FileOp::Read, "query", err::kDeviceIoError, 1},        // reading it the second time
      {FileOp::Write, "queri", err::kDiskFull, 1},            // on its second line
      {FileOp::Close, "queri", err::kDeviceIoError},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.error);
    FakeRun fresh;
    fresh.loadExam();
    fresh.world.files.files[kQuery] = kFirstLine + "\r\nquery 1 a\r\nthird\r\n";
    fresh.world.files.inject(fault);

    int stopped = 0;
    try {
      codeFile(*fresh.form);
    } catch (const RunError& error) {
      stopped = error.number();
    }
    EXPECT_EQ(stopped, fault.error);
    EXPECT_EQ(fresh.state().codeNbr, 25) << "set before the failure";
    EXPECT_FALSE(fresh.form->slots.anyOpen());
    EXPECT_EQ(fresh.world.files.openFiles, 0);

    // What "Enter Response" does first.
    fresh.form->slots.open(1, fresh.state().masterFilePath, OpenMode::Append);
    fresh.form->slots.open(2, fresh.state().sendFilePath, OpenMode::Append);
    fresh.form->slots.closeAll();
  }
}

}  // namespace
}  // namespace answerbook
