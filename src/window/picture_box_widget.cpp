#include "window/picture_box_widget.h"

#include <QPainter>
#include <QResizeEvent>

#include "platform/qt/qt_picture.h"

namespace answerbook {
namespace {

// The box's foreground colour: the program never sets it, so circles come out
// in the default, black on the white background.
constexpr Qt::GlobalColor kForeColor = Qt::black;

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
  fitDrawings();
  if (drawings_.isNull()) return;
  const double sx = scaleWidth_ > 0 ? drawings_.width() / scaleWidth_ : 1.0;
  const double sy = scaleHeight_ > 0 ? drawings_.height() / scaleHeight_ : 1.0;
  // The radius is measured on the horizontal scale, so that 500 units reach
  // from the centre to the left and right edges; a circle stays round on the
  // screen, and the box clips the larger ones at its top and bottom.
  const double r = radius * sx;
  QPainter painter(&drawings_);
  painter.setPen(QPen(kForeColor, 0));
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
  fitDrawings();
}

void PictureBoxWidget::fitDrawings() {
  // A box that was never shown has had no resize event yet, but its size is
  // already known: circles drawn before it is shown must not be lost.
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
