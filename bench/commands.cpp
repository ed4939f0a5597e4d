#include "commands.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "bench_run.h"
#include "cycle/record_entries.h"
#include "platform/host/system_clock.h"
#include "timing.h"

namespace answerbook::bench {
namespace {

constexpr std::size_t kKiB = 1024;
constexpr std::size_t kMiB = 1024 * kKiB;

// A response as students type them: a few lines, each ended by Enter.
const std::string kResponse =
    "I copied the problem and worked it on paper; the graph is in my notebook.\r\n"
    "The slope is 3/4, so the line through (2, 5) is y = 0.75 x + 3.5.\r\n"
    "I first forgot to divide by the change in x and corrected it when the units did not match.\r\n";

// Texts of at least `size` bytes made of `unit` again and again, cut to the size.
std::string repeated(const std::string& unit, std::size_t size) {
  std::string text;
  text.reserve(size + unit.size());
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

// A run of its own, loaded, in a folder of its own, and with a script long
// enough that the clicks of a benchmark never run out of lines: the exam's
// instruction line, over and over.
struct LoadedRun {
  LoadedRun(const std::string& scratch, const std::string& student)
      : folder(makeScratchFolder(scratch)), run(std::make_unique<BenchRun>(folder, student)) {
    run->load();
    const std::string line = examLine();
    for (long long i = 1; i <= ScriptLines::kLastIndex; ++i) run->form.state.scriptLines.set(i, line);
    run->form.state.scriptIndex = 0;
  }
  ~LoadedRun() {
    run.reset();
    removeFolder(folder);
  }

  // The exam's first instruction: one long line that ends in two blanks.
  std::string examLine() const { return run->form.state.scriptLines.at(3); }

  // Puts text in the question box as the program's own commands do.
  void showInQuestionBox(const std::string& text) {
    run->form.controls.txt_question.setText(text);
    QApplication::processEvents();
  }

  void checkNoMessages() const {
    if (!run->dialogs.messages.empty()) throw std::runtime_error("a message box came up: " + run->dialogs.messages[0]);
  }

  std::string folder;
  std::unique_ptr<BenchRun> run;
};

// Times `click` on two runs turn and turn about, after `prepare` has set
// each one up outside the timing; the medians of the two sides.
template <class Prepare>
std::pair<double, double> sideBySide(LoadedRun& a, LoadedRun& b, const char* button, int repeats, Prepare prepare) {
  std::vector<double> timesA, timesB;
  for (int i = 0; i < repeats; ++i) {
    for (LoadedRun* side : {&a, &b}) {
      prepare(*side);
      const double ms = timeMs([&] { side->run->click(button); });
      (side == &a ? timesA : timesB).push_back(ms);
    }
  }
  a.checkNoMessages();
  b.checkNoMessages();
  return {median(timesA), median(timesB)};
}

Figure nextQuestion(const std::string& scratch, const std::string& name, bool lineBreaks) {
  LoadedRun full(scratch, "Full Box"), empty(scratch, "Empty Box");
  const std::string unit = lineBreaks ? kResponse : full.examLine();
  full.showInQuestionBox(repeated(unit, kMiB));
  // The full box keeps its text and grows by a line a click, as it does for
  // a student; the empty one is emptied before each click.
  const auto [fullMs, emptyMs] = sideBySide(full, empty, "cmdNextQuestion", 15, [&](LoadedRun& side) {
    if (&side == &empty) empty.showInQuestionBox("");
  });
  return Figure{name, fullMs, "the same click, empty box", emptyMs, "ms", 2, {}};
}

// "display everything" shows the cumulative text, newest first: each
// response behind its tag, then the line it answered behind the question tag.
Figure displayEverything(const std::string& scratch) {
  LoadedRun large(scratch, "Large Text"), small(scratch, "Small Text");
  const RunState& s = large.run->form.state;
  const std::string unit = s.answerTag + kResponse + s.questionTag + large.examLine();
  large.run->form.state.cumulativeText = repeated(unit, kMiB);
  small.run->form.state.cumulativeText = repeated(unit, kMiB / 10);
  const auto [largeMs, smallMs] = sideBySide(large, small, "cmd_displayCumulativeText", 9,
                                             [](LoadedRun& side) { side.showInQuestionBox(""); });
  return Figure{"display everything, 1 MiB of cumulative text", largeMs, "100 KiB of cumulative text", smallMs,
                "ms", 12, {}};
}

// A notes file of `size` bytes made of notes entries as the program writes them.
void writeNotesFile(LoadedRun& side, std::size_t size) {
  SystemClock clock;
  const std::string question = side.examLine();
  const std::string text = std::string(kNotesPrefix) + kResponse;
  const std::string entry = notesEntry({question, text}, clock);
  std::ofstream out(side.run->hostPath(side.run->form.state.notesFilePath), std::ios::binary);
  const std::string content = repeated(entry, size);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write the notes file");
}

Figure displayNotes(const std::string& scratch) {
  LoadedRun large(scratch, "Large Notes"), small(scratch, "Small Notes");
  writeNotesFile(large, 10 * kMiB);
  writeNotesFile(small, kMiB);
  const auto [largeMs, smallMs] = sideBySide(large, small, "cmd_display_note_file", 5, [](LoadedRun& side) {
    side.run->form.state.workText.clear();
    side.showInQuestionBox("");
  });
  return Figure{"display notes, 10 MiB notes file", largeMs, "1 MiB notes file", smallMs, "ms", 12, {}};
}

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What the disk asks for at least: open, append, flush and close, per file.
void appendAndSync(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::fsync(fd) != 0) {
    throw std::runtime_error("cannot append to " + path);
  }
  ::close(fd);
}

Figure enterResponse(const std::string& scratch) {
  LoadedRun side(scratch, "Enter Response");
  BenchRun& run = *side.run;
  const RunState& s = run.form.state;
  const std::string master = run.hostPath(s.masterFilePath);
  const std::string send = run.hostPath(s.sendFilePath);
  const std::string bareMaster = side.folder + "/bare_master.txt";
  const std::string bareSend = side.folder + "/bare_send.txt";
  run.click("cmdNextQuestion");

  std::vector<double> clicks, bare;
  for (int i = 0; i < 21; ++i) {
    run.type(kResponse);
    const std::size_t masterBefore = std::filesystem::file_size(master);
    const std::size_t sendBefore = std::filesystem::file_size(send);
    clicks.push_back(timeMs([&] { run.click("cmd_enter_response"); }));
    const std::string masterEntry = contentOf(master).substr(masterBefore);
    const std::string sendEntry = contentOf(send).substr(sendBefore);
    bare.push_back(timeMs([&] {
      appendAndSync(bareMaster, masterEntry);
      appendAndSync(bareSend, sendEntry);
    }));
  }
  side.checkNoMessages();
  return Figure{"Enter Response, entry on disk in both files", median(clicks),
                "open, append, fsync, close of the same bytes", median(bare), "ms", 0, {}};
}

}  // namespace

std::vector<Figure> commandFigures(const std::string& scratch) {
  return {
      nextQuestion(scratch, "Next Question, 1 MiB in the box as one paragraph", false),
      nextQuestion(scratch, "Next Question, 1 MiB in the box in lines", true),
      displayEverything(scratch),
      displayNotes(scratch),
      enterResponse(scratch),
  };
}

}  // namespace answerbook::bench
