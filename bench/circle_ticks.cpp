// The cost of a tick of the circle timer as the circles pile up: ticks 1 to
// 1,000 against ticks 99,001 to 100,000 of one run. Every tick draws one
// more circle into Picture1 of the real window. Each figure is the median of
// its thousand ticks, and the median of a few runs.

#include "circle_ticks.h"

#include <QApplication>
#include <functional>

#include "platform/random.h"
#include "timing.h"
#include "window/main_window.h"
#include "window/picture_box_widget.h"

namespace answerbook::bench {
namespace {

constexpr std::size_t kTicks = 100000;
constexpr std::size_t kWindow = 1000;
constexpr double kLimit = 1.2;
constexpr int kRuns = 3;

// Microseconds per tick.
using Ticks = std::vector<double>;

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
    ticks.push_back(1000 * millisecondsSince(start));
  }
  return ticks;
}

Figure figure(std::string name, const std::function<void(PictureBoxWidget&)>& after) {
  std::vector<double> early, late;
  for (int i = 0; i < kRuns; ++i) {
    const Ticks ticks = run(after);
    early.push_back(median(Ticks(ticks.begin(), ticks.begin() + kWindow)));
    late.push_back(median(Ticks(ticks.end() - kWindow, ticks.end())));
  }
  return Figure{std::move(name), median(late), "ticks 1 to 1,000", median(early), "us", kLimit, {}};
}

}  // namespace

std::vector<Figure> circleFigures() {
  const auto drawOnly = [](PictureBoxWidget&) {};
  // What the student sees: the box repainted with every circle on it.
  const auto repaint = [](PictureBoxWidget& box) { box.repaint(); };
  return {figure("circle tick 99,001 to 100,000: draw", drawOnly),
          figure("circle tick 99,001 to 100,000: draw and repaint", repaint)};
}

}  // namespace answerbook::bench
