#include "window/text_box_adapter.h"

#include <QPlainTextEdit>
#include <array>
#include <QTextCursor>
#include <QTextDocument>

#include "window/qt_text.h"

namespace answerbook {
namespace {

// The bytes that a box gives back as they were put in; a no-break space,
// for one, comes back as a blank. Learnt once from a document of Qt's own,
// byte by byte: the box reads every character back on its own. CR and LF
// are left out, they read back in pairs.
const std::array<bool, 256>& bytesReadBack() {
  static const std::array<bool, 256> table = [] {
    std::array<bool, 256> kept{};
    for (int b = 0; b < 256; ++b) {
      if (b == '\r' || b == '\n') continue;
      const std::string byte(1, static_cast<char>(b));
      QTextDocument document;
      document.setPlainText(toQString(byte));
      kept[static_cast<std::size_t>(b)] = fromQString(document.toPlainText()) == byte;
    }
    return kept;
  }();
  return table;
}

// Whether the text, put in a box, reads back unchanged. A line break does
// when it is CR LF; a lone CR or LF reads back as CR LF.
bool readsBack(std::string_view text) {
  const std::array<bool, 256>& kept = bytesReadBack();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
    } else if (!kept[byte]) {
      return false;
    }
  }
  return true;
}

}  // namespace

TextBoxAdapter::TextBoxAdapter(QPlainTextEdit* edit) : edit_(edit) {
  QObject::connect(edit_->document(), &QTextDocument::contentsChange, edit_, [this](int, int, int) {
    if (!setting_) untouched_ = false;
  });
}

std::string TextBoxAdapter::text() const {
  if (untouched_ && readsBack_) return last_;
  return fromQString(edit_->toPlainText());
}

void TextBoxAdapter::setText(const std::string& text) {
  // Even when setting fails half way, later edits must count as edits.
  struct Setting {
    bool& flag;
    explicit Setting(bool& f) : flag(f) { flag = true; }
    ~Setting() { flag = false; }
  } setting(setting_);
  if (extendsLastText(text)) {
    append(std::string_view(text).substr(last_.size()));
  } else {
    replaceAll(text);
  }
}

// The box still holds the last text, and the new one is that text with
// less than as much again behind it (a longer addition costs no less than
// setting the whole). Not when the last text ends in CR and the new part
// begins with LF: together they make one line break, not two.
bool TextBoxAdapter::extendsLastText(const std::string& text) const {
  if (!untouched_ || text.size() < last_.size() || text.size() - last_.size() >= last_.size() ||
      text.compare(0, last_.size(), last_) != 0) {
    return false;
  }
  return last_.back() != '\r' || text.size() == last_.size() || text[last_.size()] != '\n';
}

void TextBoxAdapter::replaceAll(const std::string& text) {
  const QString shown = toQString(text);
  edit_->setPlainText(shown);
  last_ = text;
  untouched_ = true;
  readsBack_ = readsBack(text);
}

void TextBoxAdapter::append(std::string_view tail) {
  const QString shown = toQString(tail);
  QTextDocument* document = edit_->document();
  // Setting the whole text leaves nothing to undo; neither may the part added.
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  QTextCursor end(document);
  end.movePosition(QTextCursor::End);
  end.insertText(shown);
  document->setUndoRedoEnabled(undo);
  document->setModified(false);

  // The cursor to the start, which brings the view to the top.
  edit_->moveCursor(QTextCursor::Start);
  last_ += tail;
  readsBack_ = readsBack_ && readsBack(tail);
}

}  // namespace answerbook
