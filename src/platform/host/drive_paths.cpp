#include "platform/host/drive_paths.h"

#include <cstdlib>

#include "platform/codepage.h"
#include "platform/run_error.h"

namespace answerbook {

std::string defaultDrivesFolder() {
  if (const char* drives = std::getenv("ANSWERBOOK_DRIVES"); drives != nullptr && *drives != '\0') {
    return drives;
  }
  std::string data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
    data = xdg;
  } else {
    const char* home = std::getenv("HOME");
    data = std::string(home != nullptr ? home : ".") + "/.local/share";
  }
  return data + "/answerbook/drives";
}

std::string hostPath(std::string_view programPath, std::string_view drivesFolder) {
  std::string_view rest = programPath;
  char drive = 'c';
  if (rest.size() >= 2 && rest[1] == ':') {
    const char letter = rest[0];
    if (letter >= 'A' && letter <= 'Z') {
      drive = static_cast<char>(letter - 'A' + 'a');
    } else if (letter >= 'a' && letter <= 'z') {
      drive = letter;
    } else {
      throw RunError(err::kBadFileNameOrNumber);
    }
    rest.remove_prefix(2);
  }

  std::string path(drivesFolder);
  path += '/';
  path += drive;
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = rest.size();
    const std::string_view part = rest.substr(start, end - start);
    if (part == "." || part == "..") throw RunError(err::kBadFileNameOrNumber);
    if (!part.empty()) {
      path += '/';
      path += cp1252ToUtf8(part);
    }
    start = end + 1;
  }
  return path;
}

}  // namespace answerbook
