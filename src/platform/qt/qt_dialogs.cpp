#include "platform/qt/qt_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "platform/run_error.h"
#include "window/qt_text.h"

namespace answerbook {
namespace {

void showOkOnly(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QtDialogs::title(), text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setObjectName(QStringLiteral("messageBox"));
  box.exec();
}

// An input box holds one line: every line break pasted into its field becomes
// a blank, so that no answer can split a line of the record files' header.
QString oneLine(const QString& typed) {
  QString line = typed;
  line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  for (QChar& c : line) {
    if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) c = u' ';
  }
  return line;
}

}  // namespace

QString QtDialogs::title() { return QStringLiteral("answerbook"); }

std::string QtDialogs::inputBox(const std::string& prompt) {
  QDialog dialog;
  dialog.setObjectName(QStringLiteral("inputBox"));
  dialog.setWindowTitle(title());
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(toQString(prompt), &dialog);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setMinimumWidth(360);
  auto* field = new QLineEdit(&dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(label);
  layout->addWidget(field);
  layout->addWidget(buttons);
  field->setFocus();
  if (dialog.exec() != QDialog::Accepted) return {};
  return fromQString(oneLine(field->text()));
}

void QtDialogs::messageBox(const std::string& text) { showOkOnly(toQString(text)); }

void QtDialogs::errorBox(const RunError& error) {
  showOkOnly(QStringLiteral("Error %1: %2\n\nThe program will now end.")
                 .arg(error.number())
                 .arg(QString::fromStdString(errorDescription(error.number()))));
}

}  // namespace answerbook
