#pragma once

#include <string>

namespace answerbook {

class Clock {
 public:
  virtual ~Clock() = default;
  // The current date as mm-dd-yyyy.
  virtual std::string date() = 0;
  // The current time as hh:mm:ss on a 24-hour clock.
  virtual std::string time() = 0;
  // Seconds since midnight, for seeding the random generator.
  virtual float secondsSinceMidnight() = 0;
};

}  // namespace answerbook
