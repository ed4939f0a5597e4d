#pragma once

namespace answerbook {

class Form;

// Moves the run one step through the script: consumes the next non-empty
// line, makes it the current line, puts it in front of the cumulative text,
// decides whether a response is now due, and leaves it in nextText for the
// question box. The end marker and "####.#" end the program. Errors show
// one of the two shared messages and the call returns.
void readNextQuestion(Form& form);

}  // namespace answerbook
