#include "window/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "window/caption_button.h"
#include "window/control_table.h"
#include "window/form.h"
#include "window/picture_box_widget.h"
#include "window/qt_text.h"
#include "window/text_box_adapter.h"

namespace answerbook {

class MainWindow::TimerAdapter : public Timer {
 public:
  explicit TimerAdapter(QTimer& timer) : timer_(timer) {}
  void setEnabled(bool enabled) override {
    // Enabling a running timer leaves it running: there is only ever one.
    if (enabled && !timer_.isActive()) timer_.start();
    if (!enabled) timer_.stop();
  }
  bool enabled() const override { return timer_.isActive(); }

 private:
  QTimer& timer_;
};

namespace {

QString qs(std::string_view text) { return toQString(text); }

}  // namespace

int MainWindow::toPixels(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }

QRect MainWindow::twipsToPixels(int left, int top, int width, int height) const {
  // Qt 6 measures widgets in device-independent pixels and gives their
  // logical dpi in the same unit (96 on a screen it scales by 2 from 192):
  // the window is as large in inches on every screen, and Qt alone turns
  // it into the screen's own pixels.
  const double x = logicalDpiX();
  const double y = logicalDpiY();
  return QRect(toPixels(left, x), toPixels(top, y), toPixels(width, x), toPixels(height, y));
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(qs(kWindowName));
  setWindowTitle(qs(kWindowCaption));
  resize(twipsToPixels(0, 0, kClientWidthTwips, kClientHeightTwips).size());

  timer_.setObjectName(qs(kTimerName));
  timer_.setInterval(kTimerIntervalMs);
  timer_.setTimerType(Qt::PreciseTimer);

  buildControls();
  questionBox_ = std::make_unique<TextBoxAdapter>(question_);
  answerBox_ = std::make_unique<TextBoxAdapter>(answer_);
  timerAdapter_ = std::make_unique<TimerAdapter>(timer_);
  wireEvents();
  question_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
  // The layout was made for a small sans-serif face; at the desktop's usual
  // size the captions would not fit their controls.
  QFont controlFont(qs(kControlFontFamily));
  controlFont.setPointSizeF(kControlFontPoints);
  setFont(controlFont);
  QFont boxFont(qs(kTextBoxFontFamily));
  boxFont.setPointSizeF(kTextBoxFontPoints);
  boxFont.setWeight(QFont::Normal);

  QWidget* previous = nullptr;
  for (const ControlLayout& layout : kControls) {
    QWidget* widget = nullptr;
    switch (layout.kind) {
      case ControlKind::Button:
        widget = new CaptionButton(qs(layout.caption), this);
        break;
      case ControlKind::MultiLineTextBox: {
        auto* edit = new QPlainTextEdit(this);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setTabChangesFocus(true);
        edit->setFont(boxFont);
        edit->setPlainText(qs(layout.caption));
        widget = edit;
        break;
      }
      case ControlKind::TextBox:
        widget = new QLineEdit(qs(layout.caption), this);
        break;
      case ControlKind::Label: {
        auto* label = new QLabel(qs(layout.caption), this);
        // Labels tall enough for two lines wrap their caption; the one-line
        // labels keep theirs whole.
        label->setWordWrap(layout.height >= 2 * kOneLineLabelTwips);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        widget = label;
        break;
      }
      case ControlKind::PictureBox:
        widget = new PictureBoxWidget(this);
        break;
      case ControlKind::ListBox:
        widget = new QListWidget(this);
        break;
    }
    widget->setObjectName(qs(layout.name));
    widget->setAccessibleName(qs(accessibleNameOf(layout)));
    widget->setGeometry(twipsToPixels(layout.left, layout.top, layout.width, layout.height));
    if (widget->focusPolicy() != Qt::NoFocus) {
      if (previous != nullptr) setTabOrder(previous, widget);
      previous = widget;
    }
    controls_.emplace(std::string(layout.name), widget);
  }
  for (const auto& [label, box] : kLabelledBoxes) static_cast<QLabel*>(control(label))->setBuddy(control(box));
  question_ = static_cast<QPlainTextEdit*>(control("txt_question"));
  answer_ = static_cast<QPlainTextEdit*>(control("txt_answer"));
  picture1_ = static_cast<PictureBoxWidget*>(control("Picture1"));
  picture2_ = static_cast<PictureBoxWidget*>(control("Picture2"));
}

void MainWindow::wireEvents() {
  const std::pair<std::string_view, Event> clicks[] = {
      {"cmdNextQuestion", Event::NextQuestionClick},
      {"cmd_enter_response", Event::EnterResponseClick},
      {"cmd_save_as_notes", Event::SaveAsNotesClick},
      {"cmd_display_note_file", Event::DisplayNotesClick},
      {"cmd_displayCumulativeText", Event::DisplayEverythingClick},
      {"cmd_clear_answer_box", Event::ClearBoxClick},
      {"cmd_quit", Event::QuitClick},
      {"cmd_next_picture", Event::NextPictureClick},
      {"cmd_pend_exp", Event::PendExpClick},
      {"cmd_copy_picture", Event::CopyPictureClick},
  };
  for (const auto& [name, event] : clicks) {
    auto* button = static_cast<QPushButton*>(control(name));
    connect(button, &QPushButton::clicked, this, [this, event = event] {
      if (form_ != nullptr) form_->handle(event);
    });
  }
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (form_ != nullptr) form_->handle(Event::TimerTick);
  });
}

Controls MainWindow::controls() {
  return Controls{*questionBox_, *answerBox_, *picture1_, *picture2_, *timerAdapter_};
}

void MainWindow::attach(Form* form) { form_ = form; }

QWidget* MainWindow::control(std::string_view name) const {
  const auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (form_ != nullptr) form_->close();
}

}  // namespace answerbook
