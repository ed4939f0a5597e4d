#pragma once

#include <cstdint>
#include <random>

namespace answerbook {

// The run's one random-number generator: seeded once at start-up, every
// draw a single-precision value uniform in [0, 1).
class Random {
 public:
  virtual ~Random() = default;
  virtual void seed(float seed) = 0;
  virtual float next() = 0;
};

class StandardRandom : public Random {
 public:
  void seed(float seed) override;
  float next() override;

 private:
  std::mt19937 engine_;
};

}  // namespace answerbook
