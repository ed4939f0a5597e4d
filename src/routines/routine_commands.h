#pragma once

#include <string>
#include <string_view>

namespace answerbook {

class Form;

// A script line that names a routine: its first eight characters, lower-cased,
// are "`routine".
bool isRoutineLine(std::string_view line);

// The routine a routine line names: the line from its tenth character on
// (the ninth, normally a blank, is passed over), without blanks and hyphens,
// lower-cased.
std::string routineName(std::string_view routineLine);

// Runs a routine by its name, in any letter case: "exitprog" and every name
// the program does not know end the program; "graph1" to "graph3" do nothing.
void runRoutine(Form& form, std::string_view routine);

// "next picture": runs the routine lines among the two lines after the script
// position and moves the position over the ones it ran.
void cmd_next_picture_Click(Form& form);

}  // namespace answerbook
