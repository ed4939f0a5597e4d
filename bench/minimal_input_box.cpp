// The smallest Qt program that shows an input box: what the start-up of the
// program is compared with. With --peak it shows the box, lets it paint and
// prints its peak memory in KiB instead of waiting for an answer.

#include <QApplication>
#include <QInputDialog>
#include <cstdio>
#include <cstring>

#include "vm_peak.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString prompt = QStringLiteral("Enter 1 for home user, 2 for LAN user");
  if (argc > 1 && std::strcmp(argv[1], "--peak") == 0) {
    QInputDialog box;
    box.setLabelText(prompt);
    box.show();
    QApplication::processEvents();
    std::printf("%ld\n", answerbook::bench::peakResidentKiB());
    return 0;
  }
  QInputDialog::getText(nullptr, QStringLiteral("minimal"), prompt);
  return 0;
}
