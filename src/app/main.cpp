// Satzlupe, the desktop program.

#include <QApplication>

#include "satzlupe_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  satzlupe::CSatzlupeApp app;
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  if (!app.InitInstance(arguments)) return 1;
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}
