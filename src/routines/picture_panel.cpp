#include "routines/picture_panel.h"

#include "window/form.h"

namespace answerbook {
namespace {

constexpr double kCentre = 500;        // the middle of a box scaled 1000 by 1000
constexpr float kLargestRadius = 500;  // a draw just under 1 comes just short of it

}  // namespace

void cmd_pend_exp_Click(Form& form) { form.controls.tmr_pend_exp.setEnabled(true); }

void tmr_pend_exp_Timer(Form& form) {
  form.platform.desktop.beep();
  const float r = form.platform.random.next();
  const float radius = r * kLargestRadius;
  form.controls.Picture1.circle(kCentre, kCentre, radius);
}

void cmd_copy_picture_Click(Form& form) {
  PictureBox& source = form.controls.Picture1;
  PictureBox& target = form.controls.Picture2;
  Desktop& desktop = form.platform.desktop;
  const Picture picture = source.picture();
  // Picture1 never gets a picture, so this is every click of a run. Putting
  // "nothing" on the clipboard would throw away what the student copied there,
  // and taking the clipboard's picture would show whatever unrelated picture
  // it held. So the clipboard keeps its content and Picture2 shows none.
  if (picture.empty()) {
    target.setPicture(Picture{});
    return;
  }
  desktop.putClipboardPicture(picture);
  target.setPicture(desktop.clipboardPicture());
}

}  // namespace answerbook
