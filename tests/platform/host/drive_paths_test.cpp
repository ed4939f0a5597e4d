#include "platform/host/drive_paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/run_error.h"

namespace answerbook {
namespace {

TEST(HostPath, EachDriveLetterIsAFolderUnderTheDrivesFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"c:\\zelmwork", "/d/c/zelmwork"},
      {"C:\\zelmwork\\masterFile_A_B.txt", "/d/c/zelmwork/masterFile_A_B.txt"},
      {"i:\\bkp_000416\\My Documents\\distance students\\interactive problems\\lb1\\send_0307X.txt",
       "/d/i/bkp_000416/My Documents/distance students/interactive problems/lb1/send_0307X.txt"},
      {"c:\\a\\\\b\\", "/d/c/a/b"},
      {"c:/a/b", "/d/c/a/b"},
      {"\\a", "/d/c/a"},
      {"c:\\Ren\xE9.txt", "/d/c/Ren\xC3\xA9.txt"},
      {"c:\\..txt", "/d/c/..txt"},
  };
  for (const auto& [program, host] : cases) EXPECT_EQ(hostPath(program, "/d"), host) << program;
}

TEST(HostPath, NothingLeadsOutOfTheDrivesFolder) {
  for (const std::string bad : {"c:\\..\\x", "c:\\a\\..\\..\\..\\etc\\passwd", "c:\\.\\x", "1:\\x", "\\..\\x"}) {
    try {
      hostPath(bad, "/d");
      ADD_FAILURE() << bad;
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), err::kBadFileNameOrNumber) << bad;
    }
  }
}

TEST(DrivesFolder, ComesFromTheEnvironment) {
  ::setenv("ANSWERBOOK_DRIVES", "/tmp/drives", 1);
  EXPECT_EQ(defaultDrivesFolder(), "/tmp/drives");
  ::unsetenv("ANSWERBOOK_DRIVES");
  ::setenv("XDG_DATA_HOME", "/x/data", 1);
  EXPECT_EQ(defaultDrivesFolder(), "/x/data/answerbook/drives");
  ::unsetenv("XDG_DATA_HOME");
  ::setenv("HOME", "/home/student", 1);
  EXPECT_EQ(defaultDrivesFolder(), "/home/student/.local/share/answerbook/drives");
}

}  // namespace
}  // namespace answerbook
