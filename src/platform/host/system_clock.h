#pragma once

#include "platform/clock.h"

namespace answerbook {

// The local time of this host.
class SystemClock : public Clock {
 public:
  std::string date() override;
  std::string time() override;
  float secondsSinceMidnight() override;
};

}  // namespace answerbook
