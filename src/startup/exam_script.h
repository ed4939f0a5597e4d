#pragma once

namespace answerbook {

class Form;

// Fills the script with part 3 of the final exam: the header line, six
// instructions naming the drawn problem order, the closing line, and empty
// lines between them (indices 1 to 16 when scriptIndex is 0 on entry).
void buildExamScript(Form& form);

}  // namespace answerbook
