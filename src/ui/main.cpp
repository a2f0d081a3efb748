// Program entry: the splash screen, the main window's start-up, and the event loop until the main
// window closes.
#include "ui/Main.h"
#include "media/DataDir.h"
#include "ui/Splash.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
  // The panels are top-level windows that must keep their places: under Wayland run through
  // XWayland unless the user chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quorim"));
  QApplication::setApplicationDisplayName(QStringLiteral("Кворим РС 1.6.1 beta"));

  const quorim::DataDir data = quorim::DataDir::FromWorkingDirectory();
  quorim::TSplashScreen splash(data);
  quorim::TMainScreen mainWindow(data);
  if (!mainWindow.StartUp(splash)) return EXIT_FAILURE;
  return QApplication::exec();
}
