#pragma once

namespace answerbook {

class Form;

// "Next Question / Answer": reads the next script line and appends it to the
// question box; a routine line is run instead of shown, and the line after
// it is shown in its place.
void cmdNextQuestion_Click(Form& form);

}  // namespace answerbook
