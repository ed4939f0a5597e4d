#include "startup/set_up_run.h"

#include <array>
#include <cmath>

#include "platform/run_error.h"
#include "startup/exam_script.h"
#include "startup/record_opening.h"
#include "startup/settings.h"
#include "state/values.h"
#include "window/error_trap.h"
#include "window/form.h"

namespace answerbook {
namespace {

constexpr std::array<std::string_view, 10> kProblemOrders = {
    "A1, C2, E4, D2, B2, F4", "A2, B3, E3, D1, C1, F3", "A3, E2, B1, D3, F4, C4",
    "A4, B4, E1, D4, C3, F2", "A3, C2, E4, D1, B4, F1", "A1, C1, E1, D2, B1, F4",
    "A2, B2, E2, D3, C4, F3", "A3, E3, B3, D4, F4, C3", "A4, B1, E1, D1, C2, F2",
    "A2, C1, E4, D2, B2, F1",
};

constexpr std::string_view kHomeOrLanPrompt = "Enter 1 for home user, 2 for Pelmarr LAN user";
constexpr std::string_view kNamePrompt = "Your full name:  ";
constexpr std::string_view kInitialsPrompt =
    "Your initials (use all 3 initials and always use the same three initials when submitting work):  ";
constexpr std::string_view kAssignmentPrompt = "Assignment Number:  ";

constexpr std::string_view kAnswerPromptFirst =
    "Enter, as appropriate, an answer to the question, a critique of your answer in response to a given "
    "answer, your insights regarding the situation at this point, notes to yourself, or just an OK.";
constexpr std::string_view kAnswerPromptSecond =
    "Always critique your solutions by describing any insights you had or errors you makde, and by "
    "explaining how you can make use of the insight or how you now know how to avoid certain errors.  "
    "Also pose for the instructor any question or questions that you have related to the problem or "
    "series of problems.";

constexpr std::string_view kQuestionTag = " <-<-<-<-  Q/A:   ";
constexpr std::string_view kAnswerTag = " YOUR ANSWER  ->->->->  ";

std::string ask(Form& form, std::string_view prompt) {
  return form.platform.dialogs.inputBox(std::string(prompt));
}

}  // namespace

std::string_view problemOrderFor(float r) {
  constexpr std::array<float, 9> kThresholds = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f};
  for (std::size_t i = 0; i < kThresholds.size(); ++i) {
    if (r < kThresholds[i]) return kProblemOrders[i];
  }
  return kProblemOrders.back();
}

std::string fileNamePart(std::string_view studentName) {
  std::string part(studentName.substr(0, kFileNamePartLimit));
  for (char& c : part) {
    const auto b = static_cast<unsigned char>(c);
    const bool unsafe = b < 32 || b == 127 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    if (c == ' ' || unsafe) c = '_';
  }
  return part;
}

void Form_Load(Form& form) {
  setUpRun(form);
  openRecords(form);
}

void setUpRun(Form& form) {
  RunState& s = form.state;
  Platform& p = form.platform;

  p.random.seed(p.clock.secondsSinceMidnight());
  s.problemOrder = problemOrderFor(p.random.next());

  try {
    p.files.createFolder(std::string(kHomeFolder));
  } catch (const RunError&) {
    // An existing folder or a missing drive is no reason to stop a student.
  }

  runTrapped(p.dialogs, [&] {
    // In double precision, so that the largest draw below 1 still gives 28.
    s.codeNbr = std::floor(static_cast<double>(p.random.next()) * 10.0 + 19.0);

    for (PictureBox* box : {&form.controls.Picture1, &form.controls.Picture2}) {
      box->setScaleHeight(1000);
      box->setScaleWidth(1000);
    }

    const bool lanUser = toNumber(ask(form, kHomeOrLanPrompt)) == 2;
    s.workFolder = lanUser ? kLanFolder : kHomeFolder;
    s.studentName = ask(form, kNamePrompt);
    s.initials = ask(form, kInitialsPrompt);

    const std::string namePart = fileNamePart(s.studentName);
    const std::string month(leftChars(p.clock.date(), 2));
    const std::string day(leftChars(fromPosition(p.clock.date(), 4), 2));
    s.masterFilePath = s.workFolder + "\\masterFile_" + namePart + ".txt";
    s.sendFilePath = s.workFolder + "\\send_" + month + day + namePart + ".txt";
    s.notesFilePath = s.workFolder + "\\notes_" + namePart + ".txt";

    s.assignmentNumber = ask(form, kAssignmentPrompt);
    s.answerPrompt = std::string(kAnswerPromptFirst) + "\r\n\r\n" + std::string(kAnswerPromptSecond);
    s.questionTag = kQuestionTag;
    s.answerTag = kAnswerTag;
    s.assignmentNumber = threeCharacterForm(s.assignmentNumber);
    s.endMarker = threeCharacterForm(decimalText(numericValue(s.assignmentNumber) + 1));
    s.scriptIndex = 0;
    buildExamScript(form);
  });
}

}  // namespace answerbook
