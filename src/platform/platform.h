#pragma once

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/random.h"

namespace answerbook {

// Everything outside the program that its operations reach, in one bundle.
// The host bundle is made of Qt and POSIX pieces; tests use a fake one.
struct Platform {
  Dialogs& dialogs;
  FileSystem& files;
  Clock& clock;
  Random& random;
  Desktop& desktop;
};

}  // namespace answerbook
