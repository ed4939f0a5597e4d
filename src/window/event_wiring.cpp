#include "window/event_wiring.h"

#include "startup/set_up_run.h"
#include "window/form.h"

namespace answerbook {

Handler handlerFor(Event event) {
  switch (event) {
    case Event::Load: return Form_Load;
    default: return nullptr;
  }
}

}  // namespace answerbook
