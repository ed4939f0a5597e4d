#pragma once

namespace answerbook {

// Runs the program: loads the main window (the start-up questions and the
// record header), shows it unless the load ended the program, and handles
// its events until the program ends. Returns the process's exit status.
int runApplication(int argc, char** argv);

}  // namespace answerbook
