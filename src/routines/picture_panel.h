#pragma once

namespace answerbook {

class Form;

// "pend exp": starts the circle timer. It runs until the program ends; a
// click while it runs leaves it running, and there is only ever this one.
void cmd_pend_exp_Click(Form& form);

// A tick of the circle timer: the system beep, then one circle of random
// radius (a draw r gives r x 500 units) around the centre of Picture1.
// Nothing clears Picture1, so the circles accumulate.
void tmr_pend_exp_Timer(Form& form);

// "copy picture": the picture of Picture1 goes onto the system clipboard and
// the clipboard's picture becomes the picture of Picture2. What was drawn on
// Picture1 is not part of its picture and never travels.
void cmd_copy_picture_Click(Form& form);

}  // namespace answerbook
