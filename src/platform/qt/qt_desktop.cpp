#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QWidget>

#include "platform/qt/qt_picture.h"

namespace answerbook {

void QtDesktop::putClipboardPicture(const Picture& picture) {
  QGuiApplication::clipboard()->setImage(toQImage(picture));
}

Picture QtDesktop::clipboardPicture() { return fromQImage(QGuiApplication::clipboard()->image()); }

void QtDesktop::beep() { QApplication::beep(); }

void QtDesktop::endProcess() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

}  // namespace answerbook
