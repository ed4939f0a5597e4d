#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"

class QPlainTextEdit;

namespace answerbook {

// One of the two large text boxes as the program's operations see it:
// Windows-1252 bytes with CR LF, converted at the widget's edge.
//
// The question box collects line after line, so a click must not cost more
// because the box is full: converting and laying out a megabyte again on
// every click is what the student would wait for. The adapter therefore
// keeps the text it set last while nobody else changes the box. A new text
// that only adds to it is appended at the end, and reading the box back
// needs no conversion. Either way the box ends up as setting the whole text
// leaves it: the same text and paragraphs, the cursor at the start, the view
// at the top and nothing to undo.
class TextBoxAdapter : public TextBox {
 public:
  explicit TextBoxAdapter(QPlainTextEdit* edit);

  std::string text() const override;
  void setText(const std::string& text) override;

 private:
  void replaceAll(const std::string& text);
  void append(std::string_view tail);
  bool extendsLastText(const std::string& text) const;

  QPlainTextEdit* edit_;
  std::string last_;        // the text set last
  bool untouched_ = false;  // the box holds last_ as set: nobody has changed it since
  bool readsBack_ = false;  // reading the box gives last_ back byte for byte
  bool setting_ = false;    // the box is being changed by setText
};

}  // namespace answerbook
