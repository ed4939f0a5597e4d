#include "window/main_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>
#include <map>

#include "platform/fake_run.h"
#include "window/control_table.h"
#include "window/picture_box_widget.h"
#include "window/qt_text.h"

namespace answerbook {
namespace {

// At 96 dpi a pixel is 15 twips.
QRect twipsRect(const ControlLayout& c) {
  const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
  return QRect(px(c.left), px(c.top), px(c.width), px(c.height));
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(window.logicalDpiX(), 96) << "the table's pixels hold at 96 dpi"; }
  MainWindow window;
};

TEST_F(MainWindowTest, IsForm1WithItsClientArea) {
  EXPECT_EQ(window.objectName(), "cmd_pend_exp");
  EXPECT_EQ(window.windowTitle(), "Form1");
  EXPECT_EQ(window.size(), QSize(725, 573));
}

TEST_F(MainWindowTest, EveryControlHasItsKindCaptionAndPlace) {
  for (const ControlLayout& layout : kControls) {
    SCOPED_TRACE(std::string(layout.name));
    QWidget* w = window.control(layout.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), toQString(layout.name));
    EXPECT_EQ(w->parentWidget(), &window);
    EXPECT_EQ(w->geometry(), twipsRect(layout));
    const QString caption = toQString(layout.caption);
    switch (layout.kind) {
      case ControlKind::Button:
        ASSERT_NE(qobject_cast<QPushButton*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QPushButton*>(w)->text(), caption);
        EXPECT_FALSE(qobject_cast<QPushButton*>(w)->isDefault());
        break;
      case ControlKind::MultiLineTextBox: {
        auto* edit = qobject_cast<QPlainTextEdit*>(w);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->toPlainText(), "");
        EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(edit->font().family(), "Arial");
        EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), 9.75);
        EXPECT_EQ(edit->font().weight(), QFont::Normal);
        EXPECT_FALSE(edit->font().italic() || edit->font().underline() || edit->font().strikeOut());
        break;
      }
      case ControlKind::TextBox:
        ASSERT_NE(qobject_cast<QLineEdit*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QLineEdit*>(w)->text(), "1");
        break;
      case ControlKind::Label:
        ASSERT_NE(qobject_cast<QLabel*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), caption);
        break;
      case ControlKind::PictureBox:
        ASSERT_NE(qobject_cast<PictureBoxWidget*>(w), nullptr);
        EXPECT_TRUE(qobject_cast<PictureBoxWidget*>(w)->picture().empty());
        EXPECT_EQ(qobject_cast<PictureBoxWidget*>(w)->rendering().pixel(5, 5), qRgb(255, 255, 255));
        break;
      case ControlKind::ListBox:
        ASSERT_NE(qobject_cast<QListWidget*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QListWidget*>(w)->count(), 0);
        break;
    }
  }
  EXPECT_EQ(window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 29);
}

TEST_F(MainWindowTest, TabWalksTheControlsInTableOrderFromTheQuestionBox) {
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_EQ(QApplication::focusWidget(), window.control("txt_question"));

  std::vector<QWidget*> expected;
  for (const ControlLayout& layout : kControls) {
    if (layout.kind != ControlKind::Label) expected.push_back(window.control(layout.name));
  }
  QWidget* w = expected.front();
  for (std::size_t i = 1; i < expected.size(); ++i) {
    w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus || w->parentWidget() != &window) w = w->nextInFocusChain();
    EXPECT_EQ(w, expected[i]) << w->objectName().toStdString() << " where "
                              << expected[i]->objectName().toStdString() << " belongs";
  }
  window.hide();
}

// What a screen reader says for each control: the caption, or for the
// controls whose caption says nothing, a name of their own. The small boxes
// are named after the labels beside them, which label them for assistive
// technology too.
TEST_F(MainWindowTest, AssistiveTechnologyKnowsEveryControlByName) {
  const std::map<std::string, QString> ownNames = {
      {"txt_question", "question box"},          {"txt_answer", "answer box"},
      {"txt_paragraph_goback", "# sentences previous"},
      {"txt_parameter(0)", "Parameter 1"},       {"txt_parameter(1)", "Parameter 2"},
      {"txt_parameter(2)", "Parameter 3"},       {"txt_parameter(3)", "Parameter 4"},
      {"Picture1", "picture 1"},                 {"Picture2", "picture 2"},
      {"List1", "list"},
  };
  for (const ControlLayout& layout : kControls) {
    SCOPED_TRACE(std::string(layout.name));
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(window.control(layout.name));
    ASSERT_NE(control, nullptr);
    const auto own = ownNames.find(std::string(layout.name));
    EXPECT_EQ(control->text(QAccessible::Name), own != ownNames.end() ? own->second : toQString(layout.caption));
  }

  const std::pair<const char*, const char*> labelled[] = {
      {"lbl_paragraph_goback", "txt_paragraph_goback"}, {"lbl_parameter(0)", "txt_parameter(0)"},
      {"lbl_parameter(1)", "txt_parameter(1)"},         {"lbl_parameter(2)", "txt_parameter(2)"},
      {"lbl_parameter(3)", "txt_parameter(3)"},
  };
  for (const auto& [label, box] : labelled) {
    SCOPED_TRACE(box);
    const auto labels = QAccessible::queryAccessibleInterface(window.control(box))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->object(), window.control(label));
  }
}

TEST_F(MainWindowTest, TheTimerIsReadyButStopped) {
  EXPECT_EQ(window.timer().objectName(), "tmr_pend_exp");
  EXPECT_EQ(window.timer().interval(), 15);
  EXPECT_FALSE(window.timer().isActive());
}

TEST_F(MainWindowTest, TheTextBoxesConvertAtTheirEdge) {
  Controls controls = window.controls();
  controls.txt_answer.setText("line one\r\n\r\nline \x80");
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(window.control("txt_answer"))->toPlainText(),
            QString::fromUtf8("line one\n\nline \u20ac"));
  EXPECT_EQ(controls.txt_answer.text(), "line one\r\n\r\nline \x80");
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheForm) {
  testing::FakeRun run;
  run.loadExam();
  window.attach(run.form.get());
  window.show();
  window.close();
  EXPECT_TRUE(run.ended());
  EXPECT_TRUE(run.world.dialogs.messages.empty());
}

}  // namespace
}  // namespace answerbook
