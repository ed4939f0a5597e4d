#pragma once

#include <cstdint>
#include <vector>

namespace answerbook {

// A stored picture: what a picture box shows as its background and what the
// clipboard carries. An empty picture has no pixels.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // row by row, width * height pixels

  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Picture&, const Picture&) = default;
};

}  // namespace answerbook
