#pragma once

#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/controls.h"

class QPlainTextEdit;

namespace answerbook {

class Form;
class PictureBoxWidget;
class TextBoxAdapter;

// The one window of the program, "Form1": it builds the controls of the
// control table, hands the ones that operations use to the form, and
// forwards its clicks, the timer's ticks and its close box to the form.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The controls that the program's operations read and change.
  Controls controls();

  // From now on events go to `form`.
  void attach(Form* form);

  // A control by its name ("txt_question", "txt_parameter(2)"), or nullptr.
  QWidget* control(std::string_view name) const;
  QTimer& timer() { return timer_; }

  // Twips to the window's pixels at a given logical dpi.
  static int toPixels(int twips, double dpi);
  // A rectangle in twips to the window's pixels at its screen's logical dpi.
  QRect twipsToPixels(int left, int top, int width, int height) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class TimerAdapter;

  void buildControls();
  void wireEvents();

  Form* form_ = nullptr;
  std::map<std::string, QWidget*, std::less<>> controls_;
  QPlainTextEdit* question_ = nullptr;
  QPlainTextEdit* answer_ = nullptr;
  PictureBoxWidget* picture1_ = nullptr;
  PictureBoxWidget* picture2_ = nullptr;
  QTimer timer_;
  std::unique_ptr<TextBoxAdapter> questionBox_;
  std::unique_ptr<TextBoxAdapter> answerBox_;
  std::unique_ptr<TimerAdapter> timerAdapter_;
};

}  // namespace answerbook
