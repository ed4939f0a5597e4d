#pragma once

namespace answerbook {

class Form;
enum class Event;

using Handler = void (*)(Form&);

// The handler wired to an event, or nullptr: events without a handler are
// ignored.
Handler handlerFor(Event event);

}  // namespace answerbook
