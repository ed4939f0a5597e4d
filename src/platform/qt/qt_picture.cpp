#include "platform/qt/qt_picture.h"

#include <cstddef>

namespace answerbook {

QImage toQImage(const Picture& picture) {
  if (picture.empty()) return {};
  const auto width = static_cast<std::size_t>(picture.width);
  if (picture.argb.size() != width * static_cast<std::size_t>(picture.height)) return {};
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y) {
    const std::uint32_t* source = picture.argb.data() + static_cast<std::size_t>(y) * width;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (std::size_t x = 0; x < width; ++x) row[x] = source[x];
  }
  return image;
}

Picture fromQImage(const QImage& source) {
  Picture picture;
  if (source.isNull()) return picture;
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  picture.width = image.width();
  picture.height = image.height();
  picture.argb.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    picture.argb.insert(picture.argb.end(), row, row + image.width());
  }
  return picture;
}

}  // namespace answerbook
