#include "state/run_state.h"

#include "platform/run_error.h"

namespace answerbook {

const std::string& ScriptLines::at(long long index) const {
  if (index < 0 || index > kLastIndex) throw RunError(err::kSubscriptOutOfRange);
  return lines_[static_cast<std::size_t>(index)];
}

void ScriptLines::set(long long index, std::string text) {
  if (index < 0 || index > kLastIndex) throw RunError(err::kSubscriptOutOfRange);
  lines_[static_cast<std::size_t>(index)] = std::move(text);
}

}  // namespace answerbook
