// The cost of a tick of the circle timer as the circles pile up: the mean of
// the first thousand ticks against the mean of the last thousand of a hundred
// thousand. Every tick draws one more circle into Picture1 of the real window.
// A thousand ticks take only milliseconds, so one busy moment of the machine
// can spoil a mean: each figure is the best of a few runs.

#include <QApplication>
#include <algorithm>
#include <functional>

#include "platform/random.h"
#include "tick_table.h"
#include "window/main_window.h"
#include "window/picture_box_widget.h"

namespace answerbook::bench {
namespace {

constexpr std::size_t kTicks = 100000;
constexpr std::size_t kWindow = 1000;
constexpr double kLimit = 1.2;
constexpr int kRuns = 3;

// Runs kTicks ticks in a fresh window; `after` runs inside each timed tick,
// after the circle was drawn.
Ticks run(const std::function<void(PictureBoxWidget&)>& after) {
  MainWindow window;
  window.show();
  auto& box = *static_cast<PictureBoxWidget*>(window.control("Picture1"));
  box.setScaleHeight(1000);
  box.setScaleWidth(1000);
  QApplication::processEvents();

  StandardRandom random;
  random.seed(1234.0f);
  Ticks ticks;
  ticks.reserve(kTicks);
  for (std::size_t i = 0; i < kTicks; ++i) {
    const float radius = random.next() * 500.0f;
    const auto start = Clock::now();
    box.circle(500, 500, radius);
    after(box);
    const auto end = Clock::now();
    ticks.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  return ticks;
}

Figure figure(std::string name, const std::function<void(PictureBoxWidget&)>& after) {
  Figure f{std::move(name), 0, 0, kLimit};
  for (int i = 0; i < kRuns; ++i) {
    const Ticks ticks = run(after);
    const double early = meanOf(ticks, 1, kWindow);
    const double late = meanOf(ticks, kTicks - kWindow + 1, kTicks);
    f.early = i == 0 ? early : std::min(f.early, early);
    f.late = i == 0 ? late : std::min(f.late, late);
  }
  return f;
}

}  // namespace
}  // namespace answerbook::bench

int main(int argc, char** argv) {
  using namespace answerbook::bench;
  using answerbook::PictureBoxWidget;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  const auto drawOnly = [](PictureBoxWidget&) {};
  // What the student sees: the box repainted with every circle on it.
  const auto repaint = [](PictureBoxWidget& box) { box.repaint(); };
  const bool flat = printTable("1-1,000", "99,001-100,000",
                               {figure("circle tick: draw into the lasting image", drawOnly),
                                figure("circle tick: draw and repaint the box", repaint)});
  return flat ? 0 : 1;
}
