#pragma once

#include <array>
#include <utility>
#include <string_view>

namespace answerbook {

// The main window and its controls as the program lays them out. Positions
// and sizes are in twips (15 to a pixel at 96 dpi) from the top left corner
// of the client area.

inline constexpr std::string_view kWindowName = "cmd_pend_exp";
inline constexpr std::string_view kWindowCaption = "Form1";
inline constexpr int kClientWidthTwips = 10875;
inline constexpr int kClientHeightTwips = 8595;
inline constexpr int kTwipsPerInch = 1440;

inline constexpr std::string_view kTimerName = "tmr_pend_exp";
inline constexpr int kTimerIntervalMs = 15;

enum class ControlKind { Button, MultiLineTextBox, TextBox, Label, PictureBox, ListBox };

struct ControlLayout {
  std::string_view name;     // members of a control array carry their index: "txt_parameter(0)"
  ControlKind kind;
  std::string_view caption;  // caption or initial text
  int left, top, width, height;
};

// In ascending tab index.
inline constexpr std::array<ControlLayout, 29> kControls = {{
    {"txt_question", ControlKind::MultiLineTextBox, "", 240, 720, 5175, 5255},
    {"txt_answer", ControlKind::MultiLineTextBox, "", 5640, 720, 5055, 5255},
    {"cmdNextQuestion", ControlKind::Button, "Next Question / Answer", 240, 0, 975, 735},
    {"cmd_enter_response", ControlKind::Button, "Enter Response", 5640, 240, 855, 495},
    {"Picture1", ControlKind::PictureBox, "", 240, 6080, 5175, 1375},
    {"Picture2", ControlKind::PictureBox, "", 5640, 6080, 5055, 1375},
    {"cmd_save_as_notes", ControlKind::Button, "Save as Notes", 6480, 240, 855, 495},
    {"cmd_Make_paragraph", ControlKind::Button, "Make Paragraph", 7320, 240, 975, 495},
    {"cmd_Make_Paragraph_question", ControlKind::Button, "Make Paragraph", 1200, 240, 855, 495},
    {"txt_paragraph_goback", ControlKind::TextBox, "1", 3120, 240, 495, 495},
    {"lbl_paragraph_goback", ControlKind::Label, "# sentences previous", 2160, 240, 1095, 495},
    {"cmd_timerTrigger", ControlKind::Button, "Trigger Timer", 2400, 7560, 735, 495},
    {"List1", ControlKind::ListBox, "", 3120, 7680, 1695, 840},
    {"lbl_parameter(0)", ControlKind::Label, "Parameter 1", 5640, 7680, 900, 195},
    {"txt_parameter(0)", ControlKind::TextBox, "1", 6720, 7680, 300, 285},
    {"lbl_parameter(1)", ControlKind::Label, "Parameter 2", 5640, 8160, 855, 195},
    {"txt_parameter(1)", ControlKind::TextBox, "1", 6720, 8160, 300, 285},
    {"lbl_parameter(2)", ControlKind::Label, "Parameter 3", 7200, 7680, 1005, 195},
    {"txt_parameter(2)", ControlKind::TextBox, "1", 8205, 7680, 300, 285},
    {"lbl_parameter(3)", ControlKind::Label, "Parameter 4", 7200, 8160, 900, 195},
    {"txt_parameter(3)", ControlKind::TextBox, "1", 8205, 8160, 300, 285},
    {"cmd_displayCumulativeText", ControlKind::Button, "display everything", 3600, 240, 855, 495},
    {"cmd_display_note_file", ControlKind::Button, "display notes", 4440, 240, 975, 495},
    {"cmd_quit", ControlKind::Button, "quit program", 10200, 0, 735, 495},
    {"cmd_pend_exp", ControlKind::Button, "pend exp", 8640, 7560, 495, 375},
    {"cmd_next_picture", ControlKind::Button, "next picture", 1200, 7560, 855, 495},
    {"lbl_only_if_prompted", ControlKind::Label, "click only if prompted", 240, 7560, 855, 495},
    {"cmd_copy_picture", ControlKind::Button, "copy picture", 1200, 8160, 855, 495},
    {"cmd_clear_answer_box", ControlKind::Button, "clear box", 8280, 240, 855, 495},
}};

// What assistive technology calls a control is its caption, but for the
// controls whose caption does not say what they are: these have names of
// their own, and each small box is named, and labelled, by the label
// beside it.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kOwnAccessibleNames = {{
    {"txt_question", "question box"},
    {"txt_answer", "answer box"},
    {"Picture1", "picture 1"},
    {"Picture2", "picture 2"},
    {"List1", "list"},
}};

// Label, then the box it names.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kLabelledBoxes = {{
    {"lbl_paragraph_goback", "txt_paragraph_goback"},
    {"lbl_parameter(0)", "txt_parameter(0)"},
    {"lbl_parameter(1)", "txt_parameter(1)"},
    {"lbl_parameter(2)", "txt_parameter(2)"},
    {"lbl_parameter(3)", "txt_parameter(3)"},
}};

constexpr std::string_view accessibleNameOf(const ControlLayout& control) {
  for (const auto& [name, accessibleName] : kOwnAccessibleNames) {
    if (name == control.name) return accessibleName;
  }
  for (const auto& [label, box] : kLabelledBoxes) {
    if (box != control.name) continue;
    for (const ControlLayout& c : kControls) {
      if (c.name == label) return c.caption;
    }
  }
  return control.caption;
}

// The height of a label that holds one line of its caption.
inline constexpr int kOneLineLabelTwips = 195;

// The font of every other control.
inline constexpr std::string_view kControlFontFamily = "Arial";
inline constexpr double kControlFontPoints = 8;

// The font of the question and answer boxes.
inline constexpr std::string_view kTextBoxFontFamily = "Arial";
inline constexpr double kTextBoxFontPoints = 9.75;

}  // namespace answerbook
