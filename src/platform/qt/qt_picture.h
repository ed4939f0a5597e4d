#pragma once

#include <QImage>

#include "platform/picture.h"

namespace answerbook {

// The program's pictures as Qt images and back; the empty picture is the
// null image, and so is a picture whose pixels do not fill its size.
QImage toQImage(const Picture& picture);
Picture fromQImage(const QImage& image);

}  // namespace answerbook
