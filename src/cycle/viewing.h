#pragma once

namespace answerbook {

class Form;

// "clear box": empties the answer box.
void cmd_clear_answer_box_Click(Form& form);

// "display notes": appends the notes file's lines, run together, to workText
// and adds workText to the question box. A notes file that is missing or
// unreadable shows the general error message and changes nothing.
void cmd_display_note_file_Click(Form& form);

// "display everything": the question box shows the cumulative text.
void cmd_displayCumulativeText_Click(Form& form);

// "quit program": ends the program at once.
void cmd_quit_Click(Form& form);

}  // namespace answerbook
