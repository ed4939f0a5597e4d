#include "machine.h"

#include <sys/statfs.h>
#include <sys/utsname.h>

#include <QtGlobal>
#include <cstdio>
#include <fstream>
#include <thread>

namespace answerbook::bench {
namespace {

// The value of the first "key<blanks>:value" or "key=value" line of a file.
std::string field(const char* file, const std::string& key, char separator) {
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(line.find(separator) + 1);
    value.erase(0, value.find_first_not_of(" \t\""));
    while (!value.empty() && (value.back() == '"' || value.back() == ' ')) value.pop_back();
    return value;
  }
  return "?";
}

std::string fileSystemOf(const std::string& folder) {
  struct statfs fs{};
  if (::statfs(folder.c_str(), &fs) != 0) return "?";
  switch (static_cast<unsigned long>(fs.f_type)) {
    case 0xEF53: return "ext4";
    case 0x58465342: return "xfs";
    case 0x9123683E: return "btrfs";
    case 0x01021994: return "tmpfs";
    case 0x794C7630: return "overlayfs";
    default: return "?";
  }
}

// The load average of the last minute.
std::string load() {
  std::ifstream in("/proc/loadavg");
  std::string minute;
  in >> minute;
  return minute.empty() ? "?" : minute;
}

}  // namespace

std::string describeMachine(const std::string& folder) {
  utsname system{};
  ::uname(&system);
  const double memoryGiB = std::stod(field("/proc/meminfo", "MemTotal", ':')) / 1024 / 1024;
  char text[512];
  std::snprintf(text, sizeof text, "%s, %u cores, %.0f GiB; %s, Linux %s; Qt %s; files on %s; load %s",
                field("/proc/cpuinfo", "model name", ':').c_str(), std::thread::hardware_concurrency(), memoryGiB,
                field("/etc/os-release", "PRETTY_NAME", '=').c_str(), system.release, qVersion(),
                fileSystemOf(folder).c_str(), load().c_str());
  return text;
}

}  // namespace answerbook::bench
