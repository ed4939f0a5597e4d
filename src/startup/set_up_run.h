#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace answerbook {

class Form;

// The load handler: setUpRun, then openRecords, unconditionally.
void Form_Load(Form& form);

// Draws the run's random values, creates the home folder, holds the four
// start-up questions and fixes every setting of the run; ends by building the
// exam script. Errors show one of the two shared messages and end the set-up
// early, leaving the remaining settings empty.
void setUpRun(Form& form);

// The problem order selected by a draw r in [0, 1).
std::string_view problemOrderFor(float r);

// The part of the student's name that goes into file names: blanks become
// underscores, and so does every character that could lead out of the work
// folder or that a file name cannot hold. Only the first kFileNamePartLimit
// characters are used: the longest file name, "masterFile_" + part + ".txt",
// must fit the 255 bytes that file systems allow a name even when every
// character takes three bytes on the disk. A name that long is a slip of the
// keyboard, and the header block keeps it whole.
inline constexpr std::size_t kFileNamePartLimit = 80;
std::string fileNamePart(std::string_view studentName);

}  // namespace answerbook
