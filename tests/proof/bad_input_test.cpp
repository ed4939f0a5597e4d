#include <gtest/gtest.h>
#include <stdlib.h>

#include <QString>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/fake_platform.h"
#include "platform/host/posix_file_system.h"
#include "proof/record_file_check.h"
#include "window/error_trap.h"
#include "window/form.h"
#include "window/qt_text.h"

namespace answerbook::proof {
namespace {

namespace fs = std::filesystem;
using testing::FakeWorld;

// The bad answers a student can give at a prompt, as the input box hands
// them over (characters outside the code page have already become '?').
struct BadInput {
  const char* what;
  std::optional<std::string> text;  // nullopt: Cancel
};

std::vector<BadInput> badInputs() {
  return {
      {"empty", ""},
      {"Cancel", std::nullopt},
      {"blanks only", "    "},
      {"10,000 characters", std::string(10000, 'x')},
      {"path separators and ..", "..\\..\\..\\etc/passwd"},
      {"outside the code page", fromQString(QString::fromUtf8("Zo\u00eb \u4e2d\u6587 \U0001F600"))},
      {"control characters", "\t\x01\x1b[2J\x7f"},
      {"a very long name", std::string(300, '\x80')},  // every character three bytes on the disk
  };
}

// One run of the program on this host's files, in a drives folder of its own
// inside an otherwise empty temporary folder.
class HostRun {
 public:
  HostRun() {
    char pattern[] = "/tmp/answerbook-bad-input-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp");
    top_ = pattern;
    files_ = std::make_unique<PosixFileSystem>((top_ / "drives").string());
    form_ = std::make_unique<Form>(Platform{world.dialogs, *files_, world.clock, world.random, world.desktop},
                                   world.controls());
  }
  ~HostRun() { fs::remove_all(top_); }

  void load(const std::vector<std::optional<std::string>>& answers) {
    for (const auto& a : answers) world.dialogs.answer(a);
    form_->handle(Event::Load);
  }
  void click(Event event) { form_->handle(event); }
  Form& form() { return *form_; }

  fs::path work() const { return top_ / "drives" / "c" / "zelmwork"; }

  // Every file and folder the run made, relative to the temporary folder.
  std::set<std::string> made() const {
    std::set<std::string> all;
    for (const auto& entry : fs::recursive_directory_iterator(top_)) {
      all.insert(fs::relative(entry.path(), top_).string());
    }
    return all;
  }

  std::string read(const std::string& name) const {
    std::ifstream in(work() / fs::path(cp1252ToUtf8(name)), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  FakeWorld world;

 private:
  fs::path top_;
  std::unique_ptr<PosixFileSystem> files_;
  std::unique_ptr<Form> form_;
};

const std::vector<std::optional<std::string>> kGood = {"1", "Ada Lovelace", "ALB", "1"};
const std::set<std::string> kOnlyTheHomeFolder = {"drives", "drives/c", "drives/c/zelmwork"};

// The home folder and the three record files of `namePart`, nothing else.
std::set<std::string> homeFolderWith(const std::string& namePart) {
  std::set<std::string> all = kOnlyTheHomeFolder;
  for (const std::string& name : {"masterFile_" + namePart + ".txt", "send_0307" + namePart + ".txt",
                                  "notes_" + namePart + ".txt"}) {
    all.insert("drives/c/zelmwork/" + cp1252ToUtf8(name));
  }
  return all;
}

// A run that the bad answer did not stop: the header keeps the answer as
// typed, a response and a note are recorded, and every file lies in the
// work folder.
void expectAWorkingRun(HostRun& run, const std::string& namePart, const std::string& headerLine,
                       const std::string& what) {
  EXPECT_FALSE(run.form().ended()) << what;
  EXPECT_TRUE(run.world.dialogs.messages.empty()) << what;
  run.click(Event::NextQuestionClick);
  run.world.answer.value = "an answer";
  run.click(Event::EnterResponseClick);
  run.world.answer.value = "a note";
  run.click(Event::SaveAsNotesClick);
  EXPECT_TRUE(run.world.dialogs.messages.empty()) << what;
  EXPECT_EQ(run.made(), homeFolderWith(namePart)) << what;

  const std::string master = run.read("masterFile_" + namePart + ".txt");
  const RecordFile file = parseRecordFile(master, RecordKind::Master);
  ASSERT_TRUE(file.whole()) << what << ": " << file.error;
  ASSERT_EQ(file.blocks.size(), 3u) << what;
  EXPECT_NE(master.find("\r\n" + headerLine + "\r\n"), std::string::npos) << what;
  EXPECT_EQ(file.blocks[1].text, "an answer") << what;
}

// At the first prompt only a number will do: anything else is error 13, the
// run has no assignment, and the program ends before it writes a file.
TEST(BadInput, AtTheHomeOrLanPromptEndsTheProgramWithoutAFile) {
  for (const BadInput& bad : badInputs()) {
    HostRun run;
    run.load({bad.text, "Ada Lovelace", "ALB", "1"});
    EXPECT_EQ(run.world.dialogs.messages,
              (std::vector<std::string>{generalErrorMessage(13), std::string(kInvalidAssignmentMessage)}))
        << bad.what;
    EXPECT_TRUE(run.form().ended()) << bad.what;
    EXPECT_EQ(run.made(), kOnlyTheHomeFolder) << bad.what;
  }
}

// Any name is taken: the header keeps it as typed; the file names carry it
// with every blank and unsafe character made an underscore, cut to 80
// characters.
TEST(BadInput, AtTheNamePromptNamesTheFilesSafelyInsideTheWorkFolder) {
  const std::string parts[] = {
      "",                       // empty
      "",                       // Cancel answers the empty text
      "____",                   // blanks only
      std::string(80, 'x'),     // 10,000 characters
      ".._.._.._etc_passwd",    // path separators and ..
      "Zo\xEB_____",            // outside the code page
      "___[2J_",                // control characters
      std::string(80, '\x80'),  // a very long name
  };
  const std::vector<BadInput> inputs = badInputs();
  ASSERT_EQ(inputs.size(), std::size(parts));
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    HostRun run;
    run.load({"1", inputs[i].text, "ALB", "1"});
    expectAWorkingRun(run, parts[i], "Student Name:  " + inputs[i].text.value_or(""), inputs[i].what);
  }
}

TEST(BadInput, AtTheInitialsPromptIsKeptAsTyped) {
  for (const BadInput& bad : badInputs()) {
    HostRun run;
    run.load({"1", "Ada Lovelace", bad.text, "1"});
    expectAWorkingRun(run, "Ada_Lovelace", "Initials:  " + bad.text.value_or(""), bad.what);
  }
}

// No assignment but 1 is in the exam: the student is told so, and the
// program ends before it writes a file.
TEST(BadInput, AtTheAssignmentPromptEndsTheProgramWithoutAFile) {
  std::vector<BadInput> inputs = badInputs();
  inputs.push_back({"a number the exam does not hold", "2"});
  inputs.push_back({"a line break pasted after the 1", "1 "});
  for (const BadInput& bad : inputs) {
    HostRun run;
    run.load({"1", "Ada Lovelace", "ALB", bad.text});
    EXPECT_EQ(run.world.dialogs.messages, std::vector<std::string>{std::string(kInvalidAssignmentMessage)})
        << bad.what;
    EXPECT_TRUE(run.form().ended()) << bad.what;
    EXPECT_EQ(run.made(), kOnlyTheHomeFolder) << bad.what;
  }
}

// Whatever the answer box holds is recorded byte for byte as the response.
TEST(BadInput, InTheAnswerBoxIsRecordedAsTyped) {
  HostRun run;
  run.load(kGood);
  run.click(Event::NextQuestionClick);
  std::vector<std::string> recorded;
  for (const BadInput& bad : badInputs()) {
    if (!bad.text) continue;  // the answer box has no Cancel
    run.world.answer.value = *bad.text;
    run.click(Event::EnterResponseClick);
    EXPECT_EQ(run.world.answer.value, "") << bad.what;
    recorded.push_back(*bad.text);
  }
  EXPECT_TRUE(run.world.dialogs.messages.empty());
  const RecordFile send = parseRecordFile(run.read("send_0307Ada_Lovelace.txt"), RecordKind::Send);
  ASSERT_TRUE(send.whole()) << send.error;
  ASSERT_EQ(send.blocks.size(), recorded.size() + 1);
  for (std::size_t i = 0; i < recorded.size(); ++i) EXPECT_EQ(send.blocks[i + 1].text, recorded[i]) << i;
  std::set<std::string> made = homeFolderWith("Ada_Lovelace");
  made.erase("drives/c/zelmwork/notes_Ada_Lovelace.txt");
  EXPECT_EQ(run.made(), made);
}

}  // namespace
}  // namespace answerbook::proof
