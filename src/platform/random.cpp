#include "platform/random.h"

#include <bit>

namespace answerbook {

void StandardRandom::seed(float seed) { engine_.seed(std::bit_cast<std::uint32_t>(seed)); }

float StandardRandom::next() {
  // 24 random bits give every float of [0, 1) on the grid 2^-24, and never 1.
  constexpr float kScale = 1.0f / 16777216.0f;
  return static_cast<float>(engine_() >> 8) * kScale;
}

}  // namespace answerbook
