#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QWidget>

namespace answerbook {

void QtDesktop::putClipboardPicture(const Picture& picture) {
  QImage image;
  if (!picture.empty()) {
    image = QImage(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        image.setPixel(x, y, picture.argb[static_cast<std::size_t>(y * picture.width + x)]);
      }
    }
  }
  QGuiApplication::clipboard()->setImage(image);
}

Picture QtDesktop::clipboardPicture() {
  const QImage image = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32);
  Picture picture;
  if (image.isNull()) return picture;
  picture.width = image.width();
  picture.height = image.height();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) picture.argb.push_back(image.pixel(x, y));
  }
  return picture;
}

void QtDesktop::beep() { QApplication::beep(); }

void QtDesktop::endProcess() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

}  // namespace answerbook
