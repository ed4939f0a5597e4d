#include "window/picture_box_widget.h"

#include <QPainter>
#include <QResizeEvent>

namespace answerbook {
namespace {

QImage toQImage(const Picture& picture) {
  if (picture.empty()) return {};
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) {
      row[x] = picture.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) +
                            static_cast<std::size_t>(x)];
    }
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

}  // namespace

PictureBoxWidget::PictureBoxWidget(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBoxWidget::setScaleHeight(double units) { scaleHeight_ = units; }

void PictureBoxWidget::setScaleWidth(double units) { scaleWidth_ = units; }

void PictureBoxWidget::circle(double x, double y, double radius) {
  if (drawings_.isNull()) return;
  const double sx = scaleWidth_ > 0 ? drawings_.width() / scaleWidth_ : 1.0;
  const double sy = scaleHeight_ > 0 ? drawings_.height() / scaleHeight_ : 1.0;
  // The radius is measured on the horizontal scale, so a circle is round on
  // the screen whatever the box's shape.
  const double r = radius * sx;
  QPainter painter(&drawings_);
  painter.setPen(QPen(Qt::black, 0));
  painter.drawEllipse(QPointF(x * sx, y * sy), r, r);
  update(contentsRect());
}

Picture PictureBoxWidget::picture() const { return fromQImage(picture_); }

void PictureBoxWidget::setPicture(const Picture& picture) {
  picture_ = toQImage(picture);
  update();
}

void PictureBoxWidget::paintContents(QPainter& painter) const {
  const QRect inner = contentsRect();
  painter.fillRect(inner, Qt::white);
  painter.save();
  painter.setClipRect(inner);
  if (!picture_.isNull()) painter.drawImage(inner.topLeft(), picture_);
  if (!drawings_.isNull()) painter.drawImage(inner.topLeft(), drawings_);
  painter.restore();
}

QImage PictureBoxWidget::rendering() const {
  QImage image(contentsRect().size(), QImage::Format_ARGB32);
  QPainter painter(&image);
  painter.translate(-contentsRect().topLeft());
  paintContents(painter);
  return image;
}

void PictureBoxWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintContents(painter);
  QFrame::paintEvent(event);
}

void PictureBoxWidget::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  const QSize size = contentsRect().size();
  if (size == drawings_.size() || size.isEmpty()) return;
  QImage resized(size, QImage::Format_ARGB32_Premultiplied);
  resized.fill(Qt::transparent);
  if (!drawings_.isNull()) {
    QPainter painter(&resized);
    painter.drawImage(0, 0, drawings_);
  }
  drawings_ = resized;
}

}  // namespace answerbook
