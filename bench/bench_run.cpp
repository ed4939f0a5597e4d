#include "bench_run.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/host/drive_paths.h"
#include "platform/run_error.h"
#include "window/qt_text.h"

namespace answerbook::bench {

std::string ScriptedDialogs::inputBox(const std::string& prompt) {
  if (answers.empty()) throw std::runtime_error("unexpected input box: " + prompt);
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedDialogs::errorBox(const RunError& error) {
  messages.push_back("error " + std::to_string(error.number()));
}

BenchRun::BenchRun(const std::string& drivesFolder, const std::string& studentName)
    : drives_(drivesFolder),
      studentName_(studentName),
      files_(drivesFolder),
      form(Platform{dialogs, files_, clock_, random_, desktop}, window.controls()) {
  window.attach(&form);
}

void BenchRun::load() {
  dialogs.answers = {"1", studentName_, "BSX", "1"};
  form.handle(Event::Load);
  if (form.ended() || !dialogs.messages.empty()) throw std::runtime_error("the load did not go through");
  window.show();
  QApplication::processEvents();
}

void BenchRun::click(const char* button) {
  static_cast<QPushButton*>(window.control(button))->click();
  QApplication::processEvents();
}

QPlainTextEdit& BenchRun::box(const char* name) { return *static_cast<QPlainTextEdit*>(window.control(name)); }

void BenchRun::type(const std::string& cp1252) {
  box("txt_answer").setPlainText(toQString(cp1252));
  QApplication::processEvents();
}

std::string BenchRun::hostPath(const std::string& programPath) const {
  return answerbook::hostPath(programPath, drives_);
}

std::string makeScratchFolder(const std::string& under) {
  std::filesystem::create_directories(under);
  std::string pattern = under + "/scratch.XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder under " + under);
  return pattern;
}

void removeFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace answerbook::bench
