#pragma once

#include <QFrame>
#include <QImage>

#include "platform/controls.h"

namespace answerbook {

// A picture box: a white drawing area with a sunken border, a user scale, a
// stored picture shown as its background, and the circles drawn on it.
// Drawings go into a lasting image of the box, so that they survive
// repaints and a new circle costs the same however many came before.
class PictureBoxWidget : public QFrame, public PictureBox {
  Q_OBJECT

 public:
  explicit PictureBoxWidget(QWidget* parent = nullptr);

  void setScaleHeight(double units) override;
  void setScaleWidth(double units) override;
  void circle(double x, double y, double radius) override;
  Picture picture() const override;
  void setPicture(const Picture& picture) override;

  // What the box shows now: background, picture and drawings.
  QImage rendering() const;
  const QImage& drawings() const { return drawings_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void paintContents(QPainter& painter) const;
  // Gives the lasting image of the drawings the inner area's size, keeping
  // what was drawn.
  void fitDrawings();

  double scaleWidth_ = 0;
  double scaleHeight_ = 0;
  QImage picture_;
  QImage drawings_;  // transparent but for what was drawn; the inner area's size
};

}  // namespace answerbook
