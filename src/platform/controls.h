#pragma once

#include <string>

#include "platform/picture.h"

namespace answerbook {

// The controls of the main window that operations read or change. The window
// implements them with its widgets; tests use plain stand-ins.

class TextBox {
 public:
  virtual ~TextBox() = default;
  // Windows-1252 bytes; a line break is CR LF.
  virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;
};

class PictureBox {
 public:
  virtual ~PictureBox() = default;
  // The box's user scale: how many units its inner area is wide and high.
  virtual void setScaleHeight(double units) = 0;
  virtual void setScaleWidth(double units) = 0;
  // An outline circle in the foreground colour, centre and radius in scale units.
  virtual void circle(double x, double y, double radius) = 0;
  // The stored picture, apart from anything drawn on the box.
  virtual Picture picture() const = 0;
  virtual void setPicture(const Picture& picture) = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
};

struct Controls {
  TextBox& txt_question;
  TextBox& txt_answer;
  PictureBox& Picture1;
  PictureBox& Picture2;
  Timer& tmr_pend_exp;
};

}  // namespace answerbook
