#include "app/main_loop.h"

#include <QApplication>

namespace tavisk {

int RunEditor(int argc, char** argv) {
  QApplication application(argc, argv);
  return 0;
}

}  // namespace tavisk
