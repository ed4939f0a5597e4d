#pragma once

#include <string>

namespace answerbook {

class Form;

// Finds the assignment's header line in the script (or shows the
// invalid-assignment message and ends the program), creates the master record
// file and appends the run's header block to the master and send record files.
void openRecords(Form& form);

}  // namespace answerbook
