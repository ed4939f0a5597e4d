// make bench: every figure of the program's speed and memory in one table,
// each next to what it is compared with, measured in the same run. Exits
// with 1 when a figure misses its target or could not be measured.
//
//   bench_answerbook [start-up] [commands] [circles] [memory]
//
// runs only the groups named; with no names it runs them all.

#include <QApplication>
#include <cstdio>
#include <set>
#include <string>

#include "bench_run.h"
#include "circle_ticks.h"
#include "commands.h"
#include "figures.h"
#include "machine.h"
#include "peak_memory.h"
#include "start_up.h"

using namespace answerbook::bench;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::set<std::string> groups(argv + 1, argv + argc);
  const auto wanted = [&](const char* group) { return groups.empty() || groups.count(group) > 0; };

  // Beside the benchmark, on the disk it was built on.
  const std::string scratch = qEnvironmentVariableIsEmpty("ANSWERBOOK_BENCH_DIR")
                                  ? QApplication::applicationDirPath().toStdString() + "/scratch"
                                  : qEnvironmentVariable("ANSWERBOOK_BENCH_DIR").toStdString();
  const std::string folder = makeScratchFolder(scratch);
  std::printf("machine: %s\n\n", describeMachine(folder).c_str());
  std::fflush(stdout);

  std::vector<Figure> figures;
  // First, while this process is still small and the machine quiet.
  if (wanted("start-up")) figures.push_back(startUpFigure(ANSWERBOOK_PROGRAM, MINIMAL_INPUT_BOX, folder));
  if (wanted("commands")) {
    for (Figure& f : commandFigures(folder)) figures.push_back(std::move(f));
  }
  if (wanted("circles")) {
    for (Figure& f : circleFigures()) figures.push_back(std::move(f));
  }
  if (wanted("memory")) figures.push_back(peakMemoryFigure(EXAM_RUN, MINIMAL_INPUT_BOX, folder));
  removeFolder(folder);

  return printTable(figures) ? 0 : 1;
}
