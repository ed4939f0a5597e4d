#pragma once

namespace answerbook {

class Form;

// Converts the query file of the work folder (query<suffix>.txt) into the
// coded query file (queri<suffix>.txt), line by line: lines that begin with
// "assign" are copied, lines that begin with "query " become "query" and the
// encoded rest from the eighth character on, every other line is encoded
// whole; both prefixes in any letter case. First sets codeNbr to the length
// of the query file's first line. Errors go to the caller; the slots it
// opened are closed by then. No control calls it.
void codeFile(Form& form);

}  // namespace answerbook
