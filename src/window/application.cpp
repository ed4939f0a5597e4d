#include "window/application.h"

#include <QApplication>

#include "platform/host/drive_paths.h"
#include "platform/host/posix_file_system.h"
#include "platform/host/system_clock.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/random.h"
#include "window/form.h"
#include "window/main_window.h"

namespace answerbook {

int runApplication(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("answerbook"));
  // Lets the desktop match the window with the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("answerbook"));
  // Closing the main window ends the program through the form, not through
  // Qt's last-window rule, so that the end is the same whatever causes it.
  QApplication::setQuitOnLastWindowClosed(false);

  QtDialogs dialogs;
  PosixFileSystem files(defaultDrivesFolder());
  SystemClock clock;
  StandardRandom random;
  QtDesktop desktop;

  MainWindow window;
  Form form(Platform{dialogs, files, clock, random, desktop}, window.controls());
  window.attach(&form);

  form.handle(Event::Load);
  if (form.ended()) return 0;
  window.show();
  QApplication::exec();
  return 0;
}

}  // namespace answerbook
