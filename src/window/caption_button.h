#pragma once

#include <QPushButton>

namespace answerbook {

// A push button whose caption wraps onto further lines, centred, when it is
// wider than the button: the window's buttons are small and their captions
// long ("Next Question / Answer" on a button 65 pixels wide).
class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  CaptionButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace answerbook
