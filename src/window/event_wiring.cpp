#include "window/event_wiring.h"

#include "cycle/next_question.h"
#include "cycle/recording.h"
#include "cycle/viewing.h"
#include "routines/picture_panel.h"
#include "routines/routine_commands.h"
#include "startup/set_up_run.h"
#include "window/form.h"

namespace answerbook {

Handler handlerFor(Event event) {
  switch (event) {
    case Event::Load: return Form_Load;
    case Event::NextQuestionClick: return cmdNextQuestion_Click;
    case Event::EnterResponseClick: return cmd_enter_response_Click;
    case Event::SaveAsNotesClick: return cmd_save_as_notes_Click;
    case Event::DisplayNotesClick: return cmd_display_note_file_Click;
    case Event::DisplayEverythingClick: return cmd_displayCumulativeText_Click;
    case Event::ClearBoxClick: return cmd_clear_answer_box_Click;
    case Event::QuitClick: return cmd_quit_Click;
    case Event::NextPictureClick: return cmd_next_picture_Click;
    case Event::PendExpClick: return cmd_pend_exp_Click;
    case Event::CopyPictureClick: return cmd_copy_picture_Click;
    case Event::TimerTick: return tmr_pend_exp_Timer;
  }
  return nullptr;
}

}  // namespace answerbook
