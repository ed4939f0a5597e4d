#include "proof/harness_entries.h"

#include <charconv>

namespace answerbook::proof {
namespace {
constexpr std::string_view kAnswer = "answer ";
}

std::string answerText(std::string_view tag, int n) {
  std::string text = std::string(kAnswer) + std::string(tag) + " " + std::to_string(n);
  if (n % 4 == 0) text += "\r\nand its second line";
  if (n % 9 == 0) text += " " + std::string(3000, 'z');
  return text;
}

bool parseAnswerText(std::string_view text, std::string& tag, int& n) {
  if (text.substr(0, kAnswer.size()) != kAnswer) return false;
  text.remove_prefix(kAnswer.size());
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return false;
  tag = std::string(text.substr(0, blank));
  const char* first = text.data() + blank + 1;
  const auto [end, ec] = std::from_chars(first, text.data() + text.size(), n);
  return ec == std::errc() && end != first;
}

bool isQuestionOfEntry(std::string_view question, int n) {
  static constexpr std::string_view kOrdinals[] = {"first", "ssecond", "third", "fourth", "fifth", "sixth"};
  if (n >= 7) return question == "This completes part 3 of your test.";
  constexpr std::string_view kStart = "The problem order is for your test is ";
  const std::string copy = ".  Copy the " + std::string(kOrdinals[n - 1]) + " problem from part 3 of the test at ";
  return question.substr(0, kStart.size()) == kStart && question.find(copy) != std::string_view::npos;
}

}  // namespace answerbook::proof
