#pragma once

#include <string>
#include <string_view>

namespace answerbook {

// The program names its files with Windows-style paths (c:\zelmwork\...).
// On this host every drive letter is a folder under one drives folder:
// X:\a\b is <drives>/x/a/b. The drives folder is $ANSWERBOOK_DRIVES, by
// default ${XDG_DATA_HOME:-$HOME/.local/share}/answerbook/drives.
std::string defaultDrivesFolder();

// The host path of a program path. Names are converted from Windows-1252 to
// UTF-8; a path without a drive letter is on drive c. A path with a "." or
// ".." component, or a drive that is not a letter, is error 52: nothing the
// program opens may lie outside the drives folder.
std::string hostPath(std::string_view programPath, std::string_view drivesFolder);

}  // namespace answerbook
