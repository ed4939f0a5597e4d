// A complete exam in the real window, on real files in a fresh folder:
// every line answered, one note saved and read back, everything displayed,
// then "quit program". Prints the process's peak memory in KiB.

#include <QApplication>
#include <cstdio>
#include <exception>

#include "bench_run.h"
#include "vm_peak.h"

using namespace answerbook;
using namespace answerbook::bench;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: exam_run <scratch folder>\n");
    return 2;
  }
  const std::string folder = makeScratchFolder(argv[1]);
  int status = 0;
  try {
    BenchRun run(folder, "Exam Student");
    run.load();
    const std::string response =
        "I copied the problem and worked it on paper; the graph is in my notebook.\r\n"
        "The answer is 3/4, and I checked it by putting it back into the equation.\r\n";
    // Every line the exam has left after its header; a click after the last
    // one would say that the script has run out.
    const RunState& s = run.form.state;
    int lines = 0;
    for (long long i = s.scriptIndex + 1; i <= ScriptLines::kLastIndex; ++i) lines += s.scriptLines.at(i).empty() ? 0 : 1;
    for (int line = 1; line <= lines; ++line) {
      run.click("cmdNextQuestion");
      run.type(response);
      run.click("cmd_enter_response");
      if (line == 1) {
        run.type("Ask about the units of the slope.");
        run.click("cmd_save_as_notes");
        run.click("cmd_display_note_file");
      }
    }
    run.click("cmd_displayCumulativeText");
    run.click("cmd_quit");
    if (!run.dialogs.messages.empty()) throw std::runtime_error("a message came up: " + run.dialogs.messages.front());
    if (!run.desktop.ended) throw std::runtime_error("quit program did not end the run");
    std::printf("%ld\n", peakResidentKiB());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "exam_run: %s\n", e.what());
    status = 1;
  }
  removeFolder(folder);
  return status;
}
