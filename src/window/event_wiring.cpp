#include "window/event_wiring.h"

#include "routines/picture_panel.h"
#include "startup/set_up_run.h"
#include "window/form.h"

namespace answerbook {

Handler handlerFor(Event event) {
  switch (event) {
    case Event::Load: return Form_Load;
    case Event::PendExpClick: return cmd_pend_exp_Click;
    case Event::CopyPictureClick: return cmd_copy_picture_Click;
    case Event::TimerTick: return tmr_pend_exp_Timer;
    default: return nullptr;
  }
}

}  // namespace answerbook
