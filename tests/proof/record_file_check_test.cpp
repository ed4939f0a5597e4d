#include "proof/record_file_check.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/fake_run.h"

namespace answerbook::proof {
namespace {

using testing::FakeRun;
using testing::kHome;

const std::string kMaster = kHome + "\\masterFile_First_Middle_Last.txt";
const std::string kSend = kHome + "\\send_0307First_Middle_Last.txt";
const std::string kNotes = kHome + "\\notes_First_Middle_Last.txt";

// Two runs of the program, each with a response, a two-line response and a
// note: the files the checks below read.
FakeRun& twoRuns() {
  static std::array<FakeRun, 2> runs;
  static const bool done = [] {
    for (std::size_t r = 0; r < runs.size(); ++r) {
      if (r == 1) runs[1].world.files.files = runs[0].world.files.files;
      runs[r].loadExam();
      runs[r].click(Event::NextQuestionClick);
      for (const auto& [text, click] : {std::pair<std::string, Event>{"first", Event::EnterResponseClick},
                                        {"two\r\nlines", Event::EnterResponseClick},
                                        {"a note", Event::SaveAsNotesClick}}) {
        runs[r].world.answer.value = text;
        runs[r].click(click);
      }
    }
    return true;
  }();
  (void)done;
  return runs[1];
}

TEST(RecordFileCheck, ReadsWhatTheProgramWritesBlockByBlock) {
  FakeRun& run = twoRuns();
  using Kind = RecordBlock::Kind;
  for (const auto& [path, kind] : {std::pair{kMaster, RecordKind::Master}, {kSend, RecordKind::Send}}) {
    const RecordFile file = parseRecordFile(run.file(path), kind);
    ASSERT_TRUE(file.whole()) << file.error;
    ASSERT_EQ(file.blocks.size(), 8u);
    for (int r = 0; r < 2; ++r) {
      const RecordBlock* b = &file.blocks[static_cast<std::size_t>(4 * r)];
      EXPECT_EQ(b[0].kind, Kind::Header);
      EXPECT_EQ(b[0].name, "First Middle Last");
      EXPECT_EQ(b[1].kind, Kind::Response);
      EXPECT_EQ(b[1].text, "first");
      EXPECT_EQ(b[1].question, run.state().scriptLines.at(3));
      EXPECT_EQ(b[2].text, "two\r\nlines");
      EXPECT_EQ(b[3].kind, Kind::Notes);
      EXPECT_EQ(b[3].text, "a note");
    }
  }
  const RecordFile notes = parseRecordFile(run.file(kNotes), RecordKind::Notes);
  ASSERT_TRUE(notes.whole()) << notes.error;
  EXPECT_EQ(notes.blocks.size(), 2u);
}

// The check is only as good as its eye for damage: every cut of a file that
// does not fall between two blocks must be refused.
TEST(RecordFileCheck, RefusesAFileCutAnywhereInsideABlock) {
  FakeRun& run = twoRuns();
  for (const auto& [path, kind] :
       {std::pair{kMaster, RecordKind::Master}, {kSend, RecordKind::Send}, {kNotes, RecordKind::Notes}}) {
    const std::string& whole = run.file(path);
    std::size_t blocks = 0;
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
      const RecordFile part = parseRecordFile(std::string_view(whole).substr(0, cut), kind);
      if (part.whole()) {
        ++blocks;
        // A cut that reads as whole ends exactly after a closing line or a header.
        const std::string before = whole.substr(0, cut);
        const bool atEntryEnd = cut == 0 || before.ends_with(".................................................\r\n") ||
                                before.ends_with(":09\r\n");
        EXPECT_TRUE(atEntryEnd) << path << " cut at " << cut;
      }
    }
    EXPECT_EQ(blocks, parseRecordFile(whole, kind).blocks.size() + 1) << path;
  }
}

TEST(RecordFileCheck, RefusesStrayLinesAndLoneLineBreaks) {
  const std::string master = twoRuns().file(kMaster);
  const std::string spoilt[] = {
      master + "stray\r\n",
      master.substr(0, 200) + "\n" + master.substr(200),
      master.substr(0, 200) + "\r" + master.substr(200),
      "\r\n" + master,
  };
  for (const std::string& bytes : spoilt) EXPECT_FALSE(parseRecordFile(bytes, RecordKind::Master).whole());
  EXPECT_FALSE(parseRecordFile(master, RecordKind::Send).whole()) << "the send file has no number lines";
  EXPECT_FALSE(parseRecordFile(master, RecordKind::Notes).whole()) << "the notes file has no header";
}

}  // namespace
}  // namespace answerbook::proof
