#include "platform/host/system_clock.h"

#include <sys/time.h>

#include <ctime>

namespace answerbook {
namespace {

std::tm localNow(long* microseconds = nullptr) {
  timeval tv{};
  ::gettimeofday(&tv, nullptr);
  if (microseconds != nullptr) *microseconds = tv.tv_usec;
  std::tm tm{};
  ::localtime_r(&tv.tv_sec, &tm);
  return tm;
}

std::string format(const char* pattern) {
  const std::tm tm = localNow();
  char buf[32];
  const std::size_t n = std::strftime(buf, sizeof buf, pattern, &tm);
  return std::string(buf, n);
}

}  // namespace

std::string SystemClock::date() { return format("%m-%d-%Y"); }

std::string SystemClock::time() { return format("%H:%M:%S"); }

float SystemClock::secondsSinceMidnight() {
  long us = 0;
  const std::tm tm = localNow(&us);
  return static_cast<float>(tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec) + static_cast<float>(us) / 1e6f;
}

}  // namespace answerbook
