#pragma once

namespace answerbook {

class Form;

// "Enter Response": appends a response entry for the answer box's text to the
// master and send record files, then empties both boxes. An answer box that
// still shows the prompt only empties the boxes.
void cmd_enter_response_Click(Form& form);

// "Save as Notes": the same with a notes entry, which also goes to the notes
// file.
void cmd_save_as_notes_Click(Form& form);

}  // namespace answerbook
