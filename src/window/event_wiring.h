#pragma once

namespace answerbook {

class Form;
enum class Event;

using Handler = void (*)(Form&);

// The handler wired to an event. Every other event of the window and its
// controls (typing, focus, the buttons without behaviour) has none.
Handler handlerFor(Event event);

}  // namespace answerbook
