#include "window/form.h"

#include <exception>
#include <new>

#include "platform/program_end.h"
#include "platform/run_error.h"
#include "window/event_wiring.h"

namespace answerbook {

Form::Form(const Platform& platform, const Controls& controls)
    : platform(platform), controls(controls), slots(platform.files) {}

void Form::handle(Event event) {
  if (ended_) return;
  const Handler handler = handlerFor(event);
  if (handler == nullptr) return;
  try {
    handler(*this);
  } catch (const ProgramEnd&) {
    finish();
  } catch (const RunError& error) {
    platform.dialogs.errorBox(error);
    finish();
  } catch (const std::bad_alloc&) {
    platform.dialogs.errorBox(RunError(err::kOutOfMemory));
    finish();
  } catch (const std::exception& unexpected) {
    platform.dialogs.errorBox(RunError(err::kUnexpected, unexpected.what()));
    finish();
  }
}

void Form::close() {
  if (!ended_) finish();
}

void Form::finish() {
  ended_ = true;
  slots.abandonAll();
  platform.desktop.endProcess();
}

}  // namespace answerbook
