#pragma once

namespace answerbook {

// Thrown to end the program at once: it unwinds every operation between the
// point that ends the run and the window's event dispatch, which then closes
// the file slots and ends the process. It is deliberately not a RunError, so
// no error trap can catch it.
struct ProgramEnd {};

[[noreturn]] inline void endProgram() { throw ProgramEnd{}; }

}  // namespace answerbook
